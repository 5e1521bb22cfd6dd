[AutoLoad No]
[Animated No]
[AutoComplete No]