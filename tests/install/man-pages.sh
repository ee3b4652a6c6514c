#!/usr/bin/env bash
# The installed manual pages render without a warning, and the companion command's
# page documents every verb its --help lists.
# usage: man-pages.sh BUILD_DIR
. "$(dirname "$0")/common.sh"
need man man-db
need groff groff-base
build=$1

install_tree "$build" "$SCRATCH/prefix"
man1=$SCRATCH/prefix/share/man/man1
for program in woerterbuch woerterbuch-dict; do
    page=$man1/$program.1.gz
    [ -f "$page" ] || fail "no manual page $program.1.gz installed"
    for width in 80 60; do
        warnings=$(MANWIDTH=$width man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$program.1 at width $width: $warnings"
    done
    MANWIDTH=80 man -l "$page" 2>/dev/null >"$SCRATCH/$program.txt"
    grep -q "^NAME" "$SCRATCH/$program.txt" || fail "$program.1 has no NAME section"
    grep -Eq "^ *$program +- " "$SCRATCH/$program.txt" || fail "$program.1 does not name $program"
done

text=$SCRATCH/woerterbuch-dict.txt
verbs=$("$SCRATCH/prefix/bin/woerterbuch-dict" --help | sed -n 's/^\(usage:\)\? *woerterbuch-dict \([a-z]*\) .*/\2/p')
[ -n "$verbs" ] || fail "woerterbuch-dict --help lists no verbs"
for verb in $verbs; do
    grep -q "^       $verb" "$text" || fail "woerterbuch-dict.1 does not describe the $verb verb"
done
for status in 0 1 2 3 64; do
    sed -n '/^EXIT STATUS/,/^[A-Z]/p' "$text" | grep -q "^       $status  " \
        || fail "woerterbuch-dict.1 does not explain exit status $status"
done
echo "manual pages render cleanly and cover the verbs: $(echo $verbs)"
