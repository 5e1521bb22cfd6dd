[AutoLoad Yes]
[Animated Yes]
[AutoComplete Yes]