#!/usr/bin/env python3
"""The German frequency tables: ranks to counts, the headwords' case, the merge, and
the judged lists that stand beside them in the repository."""
import collections
import importlib.util
import os
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
_spec = importlib.util.spec_from_file_location(
    "count_german_words", os.path.join(ROOT, "tools", "count-german-words.py"))
cgw = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(cgw)

DING = """\
# Version :: devel
Haus {n}; Häuser {pl} :: house; houses
sich freuen {vr} :: to be glad
Alles Gute! :: All the best!
Alles Gute zum Geburtstag :: happy birthday
Schau/Sieh doch mal zu :: look
„Mach was du willst.“ :: Do what you want.
Hör… :: Listen…
Tonga {n} /TO/ [geogr.] :: Tonga
Das ist gut. :: That is good.
Sie {pron} | sie {pron} :: you | she
essen {vt} | Essen {n} :: to eat | meal
Warte {f} :: lookout
"""


def table(rows):
    return {w: c for w, c in rows}


class SplitCount(unittest.TestCase):
    def test_shares_add_up_and_follow_the_weights(self):
        for count in (1, 2, 7, 100, 12345):
            for weights in ({"a": 1}, {"a": 1, "b": 1}, {"a": 3, "B": 1}, {"x": 5, "X": 2, "Y": 9}):
                with self.subTest(count=count, weights=weights):
                    shares = cgw.split_count(count, weights)
                    self.assertEqual(sum(shares.values()), count)
                    total = sum(weights.values())
                    for spelling, share in shares.items():
                        self.assertLess(abs(share - count * weights[spelling] / total), 1)

    def test_a_share_of_nothing_is_left_out(self):
        self.assertEqual(cgw.split_count(1, {"sie": 9, "Sie": 1}), {"sie": 1})


class HeadwordSpellings(unittest.TestCase):
    def setUp(self):
        with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
            f.write(DING)
        self.addCleanup(os.unlink, f.name)
        self.spellings = cgw.headword_spellings(f.name)

    def test_headwords_and_words_inside_phrases_give_spellings(self):
        for word, expected in [("haus", {"Haus"}), ("häuser", {"Häuser"}), ("freuen", {"freuen"}),
                               ("sich", {"sich"}), ("gute", {"Gute"}), ("sie", {"sie", "Sie"}),
                               ("essen", {"essen", "Essen"}), ("tonga", {"Tonga"})]:
            with self.subTest(word=word):
                self.assertEqual(self.spellings[word], expected)

    def test_no_spelling_from_sentences_speech_fragments_abbreviations_or_a_phrase_start(self):
        for word in ("alles", "schau", "sieh", "mach", "hör", "to", "ist", "das"):
            with self.subTest(word=word):
                self.assertNotIn(word, self.spellings)


class SubtitleCounts(unittest.TestCase):
    def counts(self, words, spellings=None, debian=None):
        return cgw.subtitle_counts(words, spellings or {}, debian or {}, [])

    def test_count_follows_zipf_from_the_rank_in_the_list_with_non_words_keeping_theirs(self):
        rows = table(self.counts(["ich", "20", "'s", "mr.", "fãœr", "nicht"]))
        self.assertEqual(rows, {"ich": cgw.ZIPF_C, "nicht": round(cgw.ZIPF_C / 6)})

    def test_a_word_spelt_with_a_combining_mark_joins_the_same_word(self):
        rows = table(self.counts(["für", "und", "fu\u0308r"]))
        self.assertEqual(rows["für"], cgw.ZIPF_C + round(cgw.ZIPF_C / 3))

    def test_case_comes_from_the_headwords(self):
        spellings = {"haus": {"Haus"}, "sie": {"sie", "Sie"}, "warte": {"Warte"}}
        debian = {"Sie": 2, "sie": 0, "warte": 9, "Warte": 0}
        rows = table(self.counts(["sie", "haus", "warte", "gabelstapler"], spellings, debian))
        with self.subTest("one spelling"):
            self.assertEqual(rows["Haus"], round(cgw.ZIPF_C / 2))
        with self.subTest("both spellings, Debian's proportion plus one each"):
            self.assertEqual((rows["Sie"], rows["sie"]), (cgw.ZIPF_C * 3 // 4, cgw.ZIPF_C // 4))
        with self.subTest("the lower case Debian uses beside a capitalised headword"):
            third = round(cgw.ZIPF_C / 3)
            self.assertEqual((rows["warte"], rows["Warte"]), (third * 10 // 11, third - third * 10 // 11))
        with self.subTest("not a headword"):
            self.assertIn("gabelstapler", rows)

    def test_rows_run_from_the_most_frequent_and_count_from_one(self):
        words = [f"w{'a' * n}" for n in range(1, 300)]
        counts = [c for _, c in self.counts(words)]
        self.assertEqual(counts, sorted(counts, reverse=True))
        self.assertGreaterEqual(min(counts), 1)


class MergeCounts(unittest.TestCase):
    def test_debian_takes_its_share_of_the_whole(self):
        subtitles = {"ich": 900000, "haus": 90000}
        debian = {"ich": 50, "haus": 20, "datei": 30}
        merged = table(cgw.merge_counts(subtitles, debian, []))
        added = sum(merged.values()) - sum(subtitles.values())
        self.assertAlmostEqual(added / sum(merged.values()), cgw.DEBIAN_SHARE, places=4)
        self.assertIn("datei", merged)

    def test_a_debian_spelling_goes_under_the_subtitles_case(self):
        subtitles = {"der": 1000, "das": 300, "Das": 100}
        merged = table(cgw.merge_counts(subtitles, {"Der": 50, "DAS": 40, "Systemd": 10}, []))
        self.assertNotIn("Der", merged)
        self.assertNotIn("DAS", merged)
        self.assertGreater(merged["der"], 1000)
        # "DAS" is shared as the subtitles share the word, three to one.
        self.assertLessEqual(abs((merged["das"] - 300) - 3 * (merged["Das"] - 100)), 3)
        self.assertIn("Systemd", merged)


class ReadTable(unittest.TestCase):
    def test_a_line_that_is_no_count_is_refused_with_its_number(self):
        for bad, line in [("haus\n", 2), ("haus\t0\n", 2), ("haus\t-3\n", 2), ("haus\tzwei\n", 2),
                          ("haus\t1\nhaus\t2\n", 3)]:
            with self.subTest(bad=bad):
                with tempfile.NamedTemporaryFile("w", encoding="utf-8", delete=False) as f:
                    f.write("ich\t5\n" + bad)
                self.addCleanup(os.unlink, f.name)
                with self.assertRaises(SystemExit) as refused:
                    cgw.read_table(f.name)
                self.assertIn(f"{f.name}:{line}: ", str(refused.exception))


class JudgedLists(unittest.TestCase):
    """The lists follow their frequency table word for word, as their headers say."""

    def check(self, judged, frequencies, headword=lambda w: w):
        path = os.path.join(ROOT, "tests", "vocab", "judged", judged)
        with open(path, encoding="utf-8") as f:
            rows = [l.rstrip("\n").split("\t") for l in f if not l.startswith("#")]
        self.assertEqual(len(rows), 1000)
        for row in rows:
            self.assertEqual(len(row), 2, row)
            self.assertTrue(all(a.strip() == a and a for a in row[1].split("|")), row)
        heads = [headword(h) for h, _ in rows]
        self.assertEqual(len(set(heads)), len(heads))
        with open(os.path.join(ROOT, "data", "frequencies", frequencies), encoding="utf-8") as f:
            words = [line.split("\t")[0] for line in f]
        # Exactly as spelt there, else the first spelling of the word in any case.
        exact = {w: n for n, w in reversed(list(enumerate(words)))}
        folded = {w.lower(): n for n, w in reversed(list(enumerate(words)))}
        places = [exact.get(h, folded.get(h.lower())) for h in heads]
        self.assertNotIn(None, places)
        self.assertEqual(places, sorted(places))

    def test_english(self):
        self.check("en.tsv", "en.tsv")

    def test_german(self):
        self.check("de.tsv", "de-subtitles.tsv", lambda w: w.removesuffix(" (sich)"))


if __name__ == "__main__":
    unittest.main()
