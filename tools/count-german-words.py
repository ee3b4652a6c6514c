#!/usr/bin/env python3
"""Makes the vocabulary's German frequency tables. Each mode prints `word<TAB>count`
lines, the most frequent first, so that the same packages give the same bytes.

usage: count-german-words.py [--report] > debian.tsv
       count-german-words.py --subtitles commonWords.json [--ding FILE]
                             [--report] > de-subtitles.tsv
       count-german-words.py --merge de-subtitles.tsv --debian debian.tsv
                             [--report] > de.tsv

Without a mode it counts the words of German running text that Debian ships. Each
source is weighted by how close it reads to everyday German: the fortunes are
stories, jokes and sayings; the manual pages, the LibreOffice help and the Debian
reference speak of computers. Ties are ordered by word.

--subtitles turns the ranked, lower-cased word list of German film subtitles into
counts and gives each word back its case (see subtitle_counts), counting the Debian
texts again for the spellings used inside sentences; --merge adds the
Debian counts to those (see merge_counts).
"""
import argparse
import collections
import gzip
import html
import json
import os
import re
import subprocess
import sys
import unicodedata

# (name, weight, root, which files, how to read them)
SOURCES = [
    ("fortunes-de", 4, "/usr/share/games/fortunes/de", re.compile(r"^[^.]+$"), "text"),
    ("manpages-de", 1, "/usr/share/man/de", re.compile(r"\.gz$"), "roff"),
    ("debian-reference-de", 1, "/usr/share/debian-reference", re.compile(r"\.de\.html$"), "html"),
    ("libreoffice-help-de", 1, "/usr/share/libreoffice/help/de", re.compile(r"\.html$"), "html"),
]

WORD = re.compile(r"[A-Za-zÄÖÜäöüß]+(?:-[A-Za-zÄÖÜäöüß]+)*")
LOWER_WORD = re.compile(r"[a-zäöüß]+(?:-[a-zäöüß]+)*")
TAG = re.compile(r"<[^>]*>")
SCRIPT = re.compile(r"<(script|style)\b.*?</\1>", re.S | re.I)
ROFF_ESCAPE = re.compile(r"\\(f[BIRP]|f\(..|\(..|\*.|s[-+]?\d|[-e&|^ ])")
# A word after a lower-case word or a comma and one blank stands inside a sentence,
# where its capital means what it says: "Können Sie", not "Sie sagt".
WORD_IN_SENTENCE = re.compile(r"(?<=[a-zäöüß,] )" + WORD.pattern)
ANNOTATION = re.compile(r"\{[^{}]*\}|\[[^\[\]]*\]|\([^()]*\)")
ABBREVIATION = re.compile(r"(?:^| )/[^/ ]+/")  # "Tonga {n} /TO/"
SPEECH = re.compile(r"[„“”\"»«]|\.\.\.|…")

# Zipf's law: the word of rank r is said about C / r times. C = 1,280,000 is the
# median of rank x count over the 21,998 most frequent words of SUBTLEX-US
# (data/frequencies/en.tsv, 50 million words of film subtitles), so a German word
# counts what an English word of the same rank counts there; the compiler compares
# the two when it ranks a German headword by its English translation.
ZIPF_C = 1_280_000

# The Debian texts weigh a tenth of the merged table, the subtitles nine tenths. The
# subtitle ranking stands for a far larger sample of the speech readers look words up
# from; the Debian texts are 3.6 million words, half of them about computers. A tenth
# still orders the words the subtitle list lacks (their order does not depend on the
# share) and parts words the subtitles rank alike, while a word about computers
# ("Datei") climbs some thousand places rather than above "Haus".
DEBIAN_SHARE = 0.1


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


def files(package, root, pattern):
    # Only the package's own files: other packages put German manual pages beside
    # them, and the table would then depend on what else happens to be installed.
    listing = subprocess.run(["dpkg-query", "-L", package], capture_output=True, text=True)
    if listing.returncode != 0:
        sys.exit(f"count-german-words: {package} is not installed: {listing.stderr.strip()}")
    owned = set(listing.stdout.splitlines())
    for path in sorted(owned):
        if (path.startswith(root + "/") and pattern.search(os.path.basename(path))
                and os.path.isfile(path) and not os.path.islink(path)):
            yield path


def weighted_counts(words, report):
    total = collections.Counter()
    for name, weight, root, pattern, kind in SOURCES:
        counts = collections.Counter()
        for path in files(name, root, pattern):
            for word in words.findall(read_text(path, kind)):
                # Hyphenated compounds are looked up by their parts.
                counts.update(word.split("-"))
        if not counts:
            sys.exit(f"count-german-words: no German text under {root} from {name}")
        for word, count in counts.items():
            total[word] += weight * count
        report.append(f"{name}: {sum(counts.values())} words, {len(counts)} distinct, weight {weight}")
    return total


def debian_counts(report):
    # A word met once may be a typing error or a name.
    return {w: c for w, c in weighted_counts(WORD, report).items() if c >= 2}


def read_table(path):
    """A `word<TAB>count` table as a dict; any other line is an error."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 2 or not fields[1].isdigit() or int(fields[1]) < 1 or fields[0] in table:
                sys.exit(f"count-german-words: {path}:{number}: not a new word<TAB>count line: {line!r}")
            table[fields[0]] = int(fields[1])
    return table


def headword_spellings(ding_path):
    """Every spelling a German headword of the Ding list gives a word, by its lower case.

    Only the German side is read, and only for spellings. Sentences, quoted speech and
    fragments ("Hör…") are left out, and so are the first word of a phrase, with the
    words a slash offers for it, when it is capitalised, since a phrase or a name may
    capitalise its first word ("Alles Gute", "Schau/Sieh doch") where the word alone is
    not."""
    spellings = collections.defaultdict(set)
    with open(ding_path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or " :: " not in line:
                continue
            for alternative in re.split(r" \| |; ", line.split(" :: ", 1)[0]):
                text = ABBREVIATION.sub(" ", alternative)
                while ANNOTATION.search(text):
                    text = ANNOTATION.sub(" ", text)
                text = text.strip()
                if not text or text.endswith((".", "!", "?")) or SPEECH.search(text):
                    continue
                chunks = text.split()
                words = WORD.findall(text)
                if words and len(chunks) > 1 and not words[0][0].islower():
                    words = WORD.findall(" ".join(chunks[1:]))
                for word in words:
                    spellings[word.lower()].add(word)
    if not spellings:
        sys.exit(f"count-german-words: no German headwords in {ding_path}")
    return spellings


def split_count(count, weights):
    """Shares `count` among the spellings in proportion to their weights (at least 1).

    The shares are rounded down and the remainder goes to the largest fractions, ties
    by spelling, so they add up to `count`; a share of nothing is left out."""
    ranked = sorted((w, s) for s, w in weights.items())
    total = sum(w for w, _ in ranked)
    shares = {s: count * w // total for w, s in ranked}
    rest = count - sum(shares.values())
    by_fraction = sorted(ranked, key=lambda ws: (-(count * ws[0] % total), ws[1]))
    for _, s in by_fraction[:rest]:
        shares[s] += 1
    return {s: c for s, c in shares.items() if c > 0}


def subtitle_counts(words, spellings, debian, report):
    """Counts by Zipf's law from each word's rank, under the spelling of the headwords.

    A word the headwords spell one way takes that spelling ("haus" is "Haus"); one they
    spell several ways ("sie" and "Sie", "essen" and "Essen"), or only capitalised where
    the Debian texts also use it in lower case inside a sentence ("Warte" and "warte"),
    is shared among them as the Debian texts use them; a word the
    headwords lack stays lower-case. The rank
    is the word's place in the list, kept for the entries left out, which are no words:
    numbers, abbreviations with a dot, fragments of contractions ("'s") and text whose
    encoding was broken before it was counted ("fãœr")."""
    counts = collections.Counter()
    first_rank = {}
    skipped = []
    for rank, entry in enumerate(words, 1):
        # A few entries spell an umlaut as a letter with a combining mark.
        word = unicodedata.normalize("NFC", entry)
        if not LOWER_WORD.fullmatch(word):
            skipped.append(entry)
            continue
        counts[word] += round(ZIPF_C / rank)
        first_rank.setdefault(word, rank)
    rows = []
    for word, count in counts.items():
        found = spellings.get(word, set())
        if found and word not in found and debian.get(word, 0) > 0:
            # The headwords give verbs as infinitives: "warte" is missing beside the
            # noun "Warte", though the subtitles say it far more often.
            found = found | {word}
        if len(found) > 1:
            # In the proportion of the Debian counts inside sentences, since at the
            # start of one every word is capitalised and "Ich" would take a third of
            # "ich". One is added to each, so that a spelling the Debian texts never
            # use still gets a share, and two spellings both unseen share evenly.
            shares = split_count(count, {s: debian.get(s, 0) + 1 for s in found})
        else:
            shares = {next(iter(found)) if found else word: count}
        rows += [(c, first_rank[word], s) for s, c in shares.items()]
    report.append(f"subtitles: {len(words)} ranked, {len(skipped)} left out as no words, "
                  f"{len(words) - len(skipped) - len(counts)} joined with the same word, "
                  f"{sum(1 for w in counts if len(spellings.get(w, ())) > 1)} shared among spellings")
    return [(s, c) for c, _, s in sorted(rows, key=lambda r: (-r[0], r[1], r[2]))]


def merge_counts(subtitles, debian, report):
    """The subtitle counts plus the Debian counts scaled to DEBIAN_SHARE of the whole.

    Both are first brought to the same total, so each source weighs what its share says
    whatever the size of its texts. A Debian spelling the subtitle table lacks goes to
    the subtitle table's spellings of the word, shared as they share it there, since
    the subtitles' case comes from the headwords: Debian's "Der" at the start of a
    sentence is "der". Only a word the subtitles lack keeps Debian's spellings."""
    scale = DEBIAN_SHARE / (1 - DEBIAN_SHARE) * sum(subtitles.values()) / sum(debian.values())
    spellings = collections.defaultdict(list)
    for word in subtitles:
        spellings[word.lower()].append(word)
    merged = collections.Counter(subtitles)
    folded = 0
    for word, count in debian.items():
        targets = [word] if word in subtitles else spellings.get(word.lower(), [word])
        if targets != [word]:
            folded += 1
        merged.update(split_count(round(count * scale), {t: subtitles.get(t, 1) for t in targets}))
    report.append(f"merge: Debian counts scaled by {scale:.4f}; {len(subtitles)} subtitle words, "
                  f"{len(debian)} Debian words ({folded} under the subtitles' case), {len(merged)} in all")
    return [(w, c) for w, c in merged.items() if c > 0]


def write(rows):
    for word, count in rows:
        sys.stdout.write(f"{word}\t{count}\n")


def main():
    parser = argparse.ArgumentParser(description="Makes the German word frequency tables.")
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--subtitles", metavar="JSON", help="ranked word list to turn into counts")
    mode.add_argument("--merge", metavar="TSV", help="subtitle counts to merge with the Debian counts")
    parser.add_argument("--debian", metavar="TSV", help="the Debian counts, as this script made them")
    parser.add_argument("--ding", default="/usr/share/trans/de-en", help="the Ding word list")
    parser.add_argument("--report", action="store_true", help="say on stderr what was counted")
    args = parser.parse_args()
    if args.merge and not args.debian:
        parser.error("--merge needs --debian")
    report = []
    if args.subtitles:
        with open(args.subtitles, encoding="utf-8") as f:
            words = json.load(f)
        if not isinstance(words, list) or not words or not all(isinstance(w, str) for w in words):
            sys.exit(f"count-german-words: {args.subtitles} is not a list of words")
        spellings = headword_spellings(args.ding)
        in_sentences = weighted_counts(WORD_IN_SENTENCE, [])
        rows = subtitle_counts(words, spellings, in_sentences, report)
    elif args.merge:
        merged = merge_counts(read_table(args.merge), read_table(args.debian), report)
        rows = sorted(merged, key=lambda r: (-r[1], r[0]))
    else:
        rows = sorted(debian_counts(report).items(), key=lambda r: (-r[1], r[0]))
    write(rows)
    if args.report:
        for line in report:
            print(line, file=sys.stderr)
        print(f"kept {len(rows)} words", file=sys.stderr)


if __name__ == "__main__":
    main()
