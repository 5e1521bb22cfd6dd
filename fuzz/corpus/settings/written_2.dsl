[AutoLoad No]
[Animated Yes]
[AutoComplete No]