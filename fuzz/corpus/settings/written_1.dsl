[AutoLoad Yes]
[Animated No]
[AutoComplete No]