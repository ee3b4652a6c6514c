#!/usr/bin/env python3
"""Measures how many word tokens of running text the command finds a headword for,
as the words stand, before forms (the headword itself, `lookup --exact`) and with
them (its own row, a base form's or a compound's parts). The text is GNOME's user
help as Debian's gnome-user-docs installs it: English in /usr/share/help/C, its
German translation in /usr/share/help/de; only the prose of each page, without its
metadata, code and the names of keys and menus.

usage: measure-running-text.py WOERTERBUCH_DICT DATA_DIR
"""
import collections
import json
import re
import subprocess
import sys
from pathlib import Path

HELP = Path("/usr/share/help")
LEFT_OUT = re.compile(r"<(info|code|screen|cmd|key|keyseq|gui|guiseq|media|app|sys|file|"
                      r"input|output|var|link|title type=\"link\")\b.*?</\1>", re.S)
TAG = re.compile(r"<[^>]*>")
ENTITY = re.compile(r"&[a-z]+;|&#\d+;")
WORD = re.compile(r"[A-Za-zÄÖÜäöüß]+")


def tokens(language):
    counts = collections.Counter()
    for page in sorted((HELP / language / "gnome-help").glob("*.page")):
        text = page.read_text(encoding="utf-8", errors="replace")
        text = ENTITY.sub(" ", TAG.sub(" ", LEFT_OUT.sub(" ", text)))
        counts.update(WORD.findall(text))
    return counts


def found(command, data, direction, words):
    """For each word: (own headword, own or base or parts)."""
    run = subprocess.run([command, "lookup", "--data", data, "--exact", "--json", "--quiet",
                          direction, "-"], input="\n".join(words) + "\n", capture_output=True,
                         text=True, check=False)
    answers = run.stdout.splitlines()
    if len(answers) != len(words):
        sys.exit(f"{direction}: {len(answers)} answers for {len(words)} words: {run.stderr}")
    result = {}
    for word, answer in zip(words, answers):
        rows = json.loads(answer)
        own = any("form_of" not in r and "part_of" not in r for r in rows)
        result[word] = (own, bool(rows))
    return result


def main():
    command, data = sys.argv[1:3]
    for language, direction, name in (("C", "en", "English"), ("de", "de", "German")):
        counts = tokens(language)
        words = sorted(counts)
        answers = found(command, data, direction, words)
        total = sum(counts.values())
        before = sum(counts[w] for w in words if answers[w][0])
        after = sum(counts[w] for w in words if answers[w][1])
        missed = sorted((w for w in words if not answers[w][1]), key=lambda w: -counts[w])
        print(f"{name}: {total} tokens ({len(words)} different), before {100 * before / total:.1f} %,"
              f" after {100 * after / total:.1f} %")
        print("  most frequent not found: " + ", ".join(missed[:25]))


if __name__ == "__main__":
    main()
