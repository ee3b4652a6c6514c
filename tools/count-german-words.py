#!/usr/bin/env python3
"""Counts the words of German running text that Debian ships, for the vocabulary's
German frequency list. Each source is weighted by how close it reads to everyday
German: the fortunes are stories, jokes and sayings; the manual pages, the LibreOffice
help and the Debian reference speak of computers. Prints `word<TAB>count` lines, the
most frequent first, ties by word, so that the same packages give the same bytes.

usage: count-german-words.py [--report] > de.tsv
"""
import collections
import gzip
import html
import os
import re
import sys

# (name, weight, root, which files, how to read them)
SOURCES = [
    ("fortunes-de", 4, "/usr/share/games/fortunes/de", re.compile(r"^[^.]+$"), "text"),
    ("manpages-de", 1, "/usr/share/man/de", re.compile(r"\.gz$"), "roff"),
    ("debian-reference-de", 1, "/usr/share/debian-reference", re.compile(r"\.de\.html$"), "html"),
    ("libreoffice-help-de", 1, "/usr/share/libreoffice/help/de", re.compile(r"\.html$"), "html"),
]

WORD = re.compile(r"[A-Za-zÄÖÜäöüß]+(?:-[A-Za-zÄÖÜäöüß]+)*")
TAG = re.compile(r"<[^>]*>")
SCRIPT = re.compile(r"<(script|style)\b.*?</\1>", re.S | re.I)
ROFF_ESCAPE = re.compile(r"\\(f[BIRP]|f\(..|\(..|\*.|s[-+]?\d|[-e&|^ ])")


def read_text(path, kind):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8", errors="replace") as f:
        text = f.read()
    if kind == "html":
        return html.unescape(TAG.sub(" ", SCRIPT.sub(" ", text)))
    if kind == "roff":
        # Requests and comments are markup; the text lines are German prose.
        lines = [l for l in text.splitlines() if not l.startswith((".", "'"))]
        return ROFF_ESCAPE.sub(" ", "\n".join(lines))
    return text


def files(root, pattern):
    for directory, subdirs, names in os.walk(root):
        subdirs.sort()
        for name in sorted(names):
            path = os.path.join(directory, name)
            if pattern.search(name) and os.path.isfile(path) and not os.path.islink(path):
                yield path


def main():
    total = collections.Counter()
    report = []
    for name, weight, root, pattern, kind in SOURCES:
        counts = collections.Counter()
        for path in files(root, pattern):
            for word in WORD.findall(read_text(path, kind)):
                # Hyphenated compounds are looked up by their parts.
                counts.update(word.split("-"))
        for word, count in counts.items():
            total[word] += weight * count
        report.append(f"{name}: {sum(counts.values())} words, {len(counts)} distinct, weight {weight}")
    # A word met once may be a typing error or a name.
    rows = sorted(((w, c) for w, c in total.items() if c >= 2), key=lambda r: (-r[1], r[0]))
    out = sys.stdout
    for word, count in rows:
        out.write(f"{word}\t{count}\n")
    if "--report" in sys.argv:
        for line in report:
            print(line, file=sys.stderr)
        print(f"kept {len(rows)} words", file=sys.stderr)


if __name__ == "__main__":
    main()
