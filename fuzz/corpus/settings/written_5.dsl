[AutoLoad Yes]
[Animated No]
[AutoComplete Yes]