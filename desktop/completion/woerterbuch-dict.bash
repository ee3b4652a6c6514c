# bash completion for woerterbuch-dict: the verbs, their options, en/de, and
# directories or files where an option takes one.

_woerterbuch_dict()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local verb=${COMP_WORDS[1]} options=
    COMPREPLY=()
    case $prev in
    --data | --out)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --ding | --tsv)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --max) return ;;
    esac
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "lookup dump check compile --help" -- "$cur")
        return
    fi
    case $verb in
    lookup) options="--data --exact --fold --json --stdin --status --quiet --" ;;
    dump | check) options="--data --" ;;
    compile) options="--ding --tsv --out --max" ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    case $verb in
    lookup | dump)
        # The direction is the first word that is neither an option nor its value.
        local i
        for ((i = 2; i < COMP_CWORD; i++)); do
            case ${COMP_WORDS[i]} in
            --data) ((i++)) ;;
            -*) ;;
            *) return ;;
            esac
        done
        mapfile -t COMPREPLY < <(compgen -W "en de" -- "$cur")
        ;;
    esac
}
complete -F _woerterbuch_dict woerterbuch-dict
