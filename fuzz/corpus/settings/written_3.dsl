[AutoLoad Yes]
[Animated Yes]
[AutoComplete No]