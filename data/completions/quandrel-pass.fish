# fish completion for quandrel-pass

set -l subcommands encode decode check fix explain diff help

complete -c quandrel-pass -f
complete -c quandrel-pass -s h -l help -d 'Print the help and exit'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -l version -d 'Print the version and exit'

complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a encode -d 'Print the password of each JSON game state'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a decode -d 'Print the game state of each password as JSON'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a check -d 'Say whether symbols and checksum are valid'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a fix -d 'Suggest corrections of a mistyped password'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a explain -d 'Show which fields each group carries'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a diff -d 'Compare two passwords or slot files'
complete -c quandrel-pass -n "not __fish_seen_subcommand_from $subcommands" -a help -d 'Print the help of a subcommand'

complete -c quandrel-pass -n "__fish_seen_subcommand_from decode" -l lenient -d 'Read as a slot load does, checksum unread'
complete -c quandrel-pass -n "__fish_seen_subcommand_from decode" -l keep-lines -d 'Print null for a refused line'
complete -c quandrel-pass -n "__fish_seen_subcommand_from encode" -l keep-lines -d 'Print one line for each input line'
complete -c quandrel-pass -n "__fish_seen_subcommand_from encode diff" -F
# Every subcommand but help itself, the last.
complete -c quandrel-pass -n "__fish_seen_subcommand_from help" -a "$subcommands[1..-2]"
