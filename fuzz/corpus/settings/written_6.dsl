[AutoLoad No]
[Animated Yes]
[AutoComplete Yes]