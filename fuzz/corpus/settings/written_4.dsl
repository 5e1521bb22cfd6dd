[AutoLoad No]
[Animated No]
[AutoComplete Yes]