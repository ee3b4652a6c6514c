#!/usr/bin/env bash
# The installed tree works from its links: the command in bin/ finds the vocabulary
# in the private directory when started from elsewhere, and still does after the
# whole tree has been moved.
# usage: install-lookup.sh BUILD_DIR
. "$(dirname "$0")/common.sh"
build=$1

install_tree "$build" "$SCRATCH/prefix"
for program in woerterbuch woerterbuch-dict; do
    link=$SCRATCH/prefix/bin/$program
    [ -L "$link" ] || fail "bin/$program is not a link"
    case $(readlink "$link") in
    /*) fail "bin/$program links to an absolute path: $(readlink "$link")" ;;
    esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$SCRATCH/prefix/lib/woerterbuch/$program")" ] \
        || fail "bin/$program does not lead to lib/woerterbuch/$program"
    [ -x "$link" ] || fail "bin/$program is not executable"
done
for name in engdeu.dat deueng.dat engforms.dat deuforms.dat; do
    cmp -s "$build/bin/$name" "$SCRATCH/prefix/lib/woerterbuch/$name" \
        || fail "lib/woerterbuch/$name differs from the bundled vocabulary"
done

# lookup through the link from a directory that holds no data
expect_house() {
    local out
    mkdir -p "$SCRATCH/elsewhere"
    out=$(cd "$SCRATCH/elsewhere" && "$1/bin/woerterbuch-dict" lookup en house 2>"$SCRATCH/err") \
        || fail "lookup through $1/bin exited with $?"
    [ ! -s "$SCRATCH/err" ] || fail "lookup through $1/bin complained: $(cat "$SCRATCH/err")"
    printf '%s\n' "$out" | grep -q "^house	.*Haus" \
        || fail "lookup through $1/bin did not translate house: '$out'"
    [ "$(printf '%s\n' "$out" | grep -vc '^house')" -eq 0 ] \
        || fail "lookup through $1/bin gave rows that do not start with house"
}
expect_house "$SCRATCH/prefix"

# on the PATH, as a user starts it, and with the check verb
(cd "$SCRATCH/elsewhere" && PATH="$SCRATCH/prefix/bin:$PATH" woerterbuch-dict check >"$SCRATCH/check") \
    || fail "woerterbuch-dict check on the installed data failed: $(cat "$SCRATCH/check")"
grep -qx "well formed" "$SCRATCH/check" || fail "check did not find the installed data well formed"

mv "$SCRATCH/prefix" "$SCRATCH/moved"
expect_house "$SCRATCH/moved"
echo "installed lookup works through bin/, also after moving the tree"
