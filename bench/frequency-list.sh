#!/usr/bin/env bash
# Time and peak memory of a compile that reads a frequency list of ten million lines
# (about 130 MB, made up: words of 2 to 14 letters, counts falling with the rank as in a
# real list), beside the same compile without the list.
#   bench/frequency-list.sh [BIN_DIR] [LINES]
# BIN_DIR holds woerterbuch-dict (default: build/release/bin, as ./dev.sh run builds it).
# Needs /usr/bin/time (Debian package "time") and awk.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/release/bin}" && pwd)
lines=${2:-10000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "writing a list of $lines lines"
awk -v lines="$lines" 'BEGIN {
    srand(7)
    letters = "eeeeeeeeeeeetttttttttaaaaaaaaoooooooiiiiiiinnnnnnnsssssshhhhhhrrrrrrddddlllluuucccmmmwwffggyyppbbvkjxqzEAST"
    n = length(letters)
    for (rank = 1; rank <= lines; rank++) {
        length_ = 2 + int(rand() * 12.5)
        word = ""
        for (i = 0; i < length_; i++)
            word = word substr(letters, 1 + int(rand() * n), 1)
        printf "%s\t%d\n", word, int(2e9 / (rank + 20)) + 1
    }
}' >"$work/list.tsv"
echo "$(stat -c %s "$work/list.tsv") bytes"
printf 'house\tHaus\ntree\tBaum\n' >"$work/source.tsv"

measure() { # LABEL ARGS...
    local label=$1
    shift
    /usr/bin/time -f "$label: %e s, peak %M KiB" "$bin/woerterbuch-dict" compile \
        --tsv "$work/source.tsv" --out "$work/out" "$@" >/dev/null 2>"$work/err"
    tail -n 1 "$work/err"
}

measure "no list"
measure "list" --frequencies "en=$work/list.tsv"
