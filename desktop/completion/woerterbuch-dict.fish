# fish completion for woerterbuch-dict: the verbs, their options, en/de, and
# directories or files where an option takes one.

set -l verbs lookup dump check compile
complete -c woerterbuch-dict -f

complete -c woerterbuch-dict -n "not __fish_seen_subcommand_from $verbs" -a lookup -d 'Look up headwords'
complete -c woerterbuch-dict -n "not __fish_seen_subcommand_from $verbs" -a dump -d 'List every record of one data file'
complete -c woerterbuch-dict -n "not __fish_seen_subcommand_from $verbs" -a check -d 'Verify both data files'
complete -c woerterbuch-dict -n "not __fish_seen_subcommand_from $verbs" -a compile -d 'Build the data files from a word list'
complete -c woerterbuch-dict -n "not __fish_seen_subcommand_from $verbs" -l help -s h -d 'Print the usage'

complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup dump check" -l data -x -a '(__fish_complete_directories)' -d 'Directory of the data files'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup dump; and not __fish_seen_subcommand_from en de" -a 'en' -d 'English headwords'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup dump; and not __fish_seen_subcommand_from en de" -a 'de' -d 'German headwords'

complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup" -l exact -d 'Only headwords equal to the text'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup" -l fold -d 'Forgiving: every case, ae oe ue ss for umlauts and ß'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup" -l json -d 'One JSON array per text'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup" -l stdin -d 'One text a line from standard input'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup" -l status -d 'Exit 1 when nothing matched'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from lookup" -l quiet -d 'No did-you-mean hint'

complete -c woerterbuch-dict -n "__fish_seen_subcommand_from compile" -l ding -r -F -d 'Word list in the Ding format'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from compile" -l tsv -r -F -d 'English<TAB>German lines'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from compile" -l out -x -a '(__fish_complete_directories)' -d 'Directory that receives the data files'
complete -c woerterbuch-dict -n "__fish_seen_subcommand_from compile" -l max -x -d 'Records of each file, 1 to 65535'
