#!/usr/bin/env bash
# The installed shell completion of woerterbuch-dict lies where Debian's shells look
# and offers the verbs, the options, en/de, and directories after --data.
# usage: completion.sh BUILD_DIR bash|zsh|fish
. "$(dirname "$0")/common.sh"
build=$1
shell=$2

install_tree "$build" "$SCRATCH/prefix"
share=$SCRATCH/prefix/share
case $shell in
bash) file=$share/bash-completion/completions/woerterbuch-dict ;;
zsh) file=$share/zsh/vendor-completions/_woerterbuch-dict ;;
fish) file=$share/fish/vendor_completions.d/woerterbuch-dict.fish ;;
*) fail "no such shell: $shell" ;;
esac
[ -f "$file" ] || fail "no $shell completion installed at ${file#"$SCRATCH/prefix/"}"
mkdir -p "$SCRATCH/data/engdeu-dir" "$SCRATCH/data/other"

# candidates WORD...: what the completion offers for the last word, sorted, on one line
# (directories without the slash that fish adds and bash leaves to readline).
candidates() {
    case $shell in
    bash)
        bash --norc --noprofile -c '
            . "$1"; shift
            COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
            _woerterbuch_dict woerterbuch-dict "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
            printf "%s\n" "${COMPREPLY[@]}"' _ "$file" "$@"
        ;;
    fish)
        local line
        printf -v line '%q ' "$@"
        line=${line% } # '' stands for an empty last word
        fish --no-config -c "source $(printf %q "$file"); complete -C $(printf %q "$line")"
        ;;
    esac | cut -f1 | sed '/^$/d; s:/$::' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local want=$1 got
    shift
    got=$(candidates "$@")
    [ "$got" = "$want" ] || fail "$shell completes '$*' with '$got', not '$want'"
}

case $shell in
zsh)
    need zsh "zsh: only the file's place and syntax could be checked without it"
    zsh -n "$file" || fail "the zsh completion does not parse"
    head -1 "$file" | grep -qx '#compdef woerterbuch-dict' || fail "the zsh completion lacks #compdef"
    echo "zsh completion installed and parses"
    exit 0
    ;;
bash)
    bash --norc --noprofile -c '. "$1"; complete -p woerterbuch-dict' _ "$file" | grep -q -- "-F _woerterbuch_dict woerterbuch-dict" \
        || fail "sourcing the bash completion registers nothing for woerterbuch-dict"
    ;;
fish)
    need fish "fish: dev.sh installs it for the test run"
    ;;
esac
expect "lookup" woerterbuch-dict l
expect "check compile" woerterbuch-dict c
expect "de en" woerterbuch-dict lookup ""
expect "de en" woerterbuch-dict dump --data "$SCRATCH/data" ""
expect "" woerterbuch-dict lookup en ""
expect "--fold" woerterbuch-dict lookup --f
expect "--status --stdin" woerterbuch-dict lookup --st
expect "--out" woerterbuch-dict compile --o
expect "$SCRATCH/data/engdeu-dir" woerterbuch-dict lookup --data "$SCRATCH/data/en"
expect "$SCRATCH/data/engdeu-dir $SCRATCH/data/other" woerterbuch-dict compile --out "$SCRATCH/data/"
echo "$shell completion offers the verbs, options, directions and directories"
