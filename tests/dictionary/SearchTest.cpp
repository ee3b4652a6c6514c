#include "dictionary/Search.h"
#include "dictionary/FoldedIndex.h"
#include "dictionary/RecordEncoder.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

namespace wb {
namespace {

struct Row {
    std::string headword;
    std::string translation;
    bool hasTranslation = false;
    bool operator==(const Row&) const = default;
};

struct Recorder : RowSink, ProgressSink {
    std::vector<Row> rows;
    std::vector<int> percents;
    void addRow(std::string_view headword) override { rows.push_back({std::string(headword), {}}); }
    void setTranslation(std::string_view translation) override
    {
        rows.back().translation = translation;
        rows.back().hasTranslation = true;
    }
    void setProgress(int percent) override { percents.push_back(percent); }
};

Row row(std::string headword, std::string translation)
{
    return {std::move(headword), std::move(translation), true};
}

// A store built from entries given in file order.
struct StoreBuilder {
    std::vector<std::pair<std::string, std::vector<std::uint16_t>>> english;
    std::vector<std::pair<std::string, std::uint16_t>> german;

    DictionaryStore build() const
    {
        RecordEncoder en(DictionaryFile::English), de(DictionaryFile::German);
        for (const auto& [word, refs] : english)
            EXPECT_TRUE(en.append(word, refs));
        for (const auto& [word, ref] : german) {
            const std::uint16_t refs[] = {ref};
            EXPECT_TRUE(de.append(word, refs));
        }
        DictionaryStore store;
        store.loadEnglish(en.bytes());
        store.loadGerman(de.bytes());
        return store;
    }
};

Recorder run(const DictionaryStore& store, Direction direction, std::u16string_view text)
{
    Recorder recorder;
    Search(store, direction, text, recorder, recorder);
    return recorder;
}

TEST(SearchMatching, PrefixIgnoresCaseOfAsciiLettersOnly)
{
    StoreBuilder b;
    b.english = {{"x", {0}}};
    // clang-format off
    b.german = {{"HAUS", 0}, {"Haus", 0}, {"Hausaufgabe", 0}, {"Rathaus", 0}, {"haus", 0},
                {"\xDC" "ber", 0}, {"\xFC" "ber", 0}};
    // clang-format on
    const auto store = b.build();
    EXPECT_EQ(run(store, Direction::GermanToEnglish, u"haus").rows,
              (std::vector<Row>{row("HAUS", "x"), row("Haus", "x"), row("Hausaufgabe", "x"),
                                row("haus", "x")}));
    // clang-format off
    // The umlaut is not folded: "über" finds only itself.
    EXPECT_EQ(run(store, Direction::GermanToEnglish, u"über").rows,
              (std::vector<Row>{row("\xFC" "ber", "x")}));
    // clang-format on
    EXPECT_TRUE(run(store, Direction::GermanToEnglish, u"hausaufgaben").rows.empty());
}

TEST(SearchMatching, DuplicatesGiveOneRowEachInFileOrder)
{
    StoreBuilder b;
    b.english = {{"bank", {0}}, {"bank", {1}}, {"banker", {2}}};
    b.german = {{"Bank", 0}, {"Ufer", 1}, {"Bankier", 2}};
    EXPECT_EQ(
        run(b.build(), Direction::EnglishToGerman, u"BANK").rows,
        (std::vector<Row>{row("bank", "Bank"), row("bank", "Ufer"), row("banker", "Bankier")}));
}

TEST(SearchMatching, TextOutsideTheCodePageBecomesQuestionMarks)
{
    StoreBuilder b;
    b.english = {{"a?b", {0}}, {"ab", {0}}};
    b.german = {{"x", 0}};
    EXPECT_EQ(run(b.build(), Direction::EnglishToGerman, u"a\u4E2Db").rows,
              (std::vector<Row>{row("a?b", "x")}));
}

TEST(SearchTranslations, SlotsJoinedWithSemicolonsSkippingTheSentinel)
{
    StoreBuilder b;
    b.english = {{"one", {1}}, {"three", {1, kNoTranslation, 2}}, {"two", {0, 2}}};
    b.german = {{"A", 0}, {"B", 1}, {"C", 2}};
    const auto store = b.build();
    EXPECT_EQ(run(store, Direction::EnglishToGerman, u"o").rows,
              (std::vector<Row>{row("one", "B")}));
    EXPECT_EQ(run(store, Direction::EnglishToGerman, u"t").rows,
              (std::vector<Row>{row("three", "B; C"), row("two", "A; C")}));
    EXPECT_EQ(run(store, Direction::GermanToEnglish, u"c").rows,
              (std::vector<Row>{row("C", "two")}));
}

TEST(SearchProgress, EmptyKeyWalksEveryEntryAndEndsAtZero)
{
    StoreBuilder b;
    for (int i = 0; i < 5; ++i)
        b.english.push_back({std::string(1, char('a' + i)), {0}});
    b.german = {{"x", 0}};
    const auto recorder = run(b.build(), Direction::EnglishToGerman, u"");
    EXPECT_TRUE(recorder.rows.empty());
    EXPECT_EQ(recorder.percents, (std::vector<int>{0, 25, 50, 75, 100, 0}));
}

TEST(SearchProgress, SingleEntryReportsHundredAndEmptyListOnlyZero)
{
    StoreBuilder b;
    b.english = {{"a", {0}}};
    b.german = {{"x", 0}};
    const auto store = b.build();
    EXPECT_EQ(run(store, Direction::EnglishToGerman, u"b").percents, (std::vector<int>{100, 0}));
    DictionaryStore empty;
    EXPECT_EQ(run(empty, Direction::GermanToEnglish, u"b").percents, (std::vector<int>{0}));
}

TEST(SearchFailure, OutOfRangeIndexKeepsRowsAndSkipsTheFinalZero)
{
    StoreBuilder b;
    b.english = {{"ant", {0}}, {"apple", {0, 7}}, {"axe", {0}}};
    b.german = {{"Ameise", 0}};
    const auto store = b.build();
    Recorder recorder;
    try {
        Search(store, Direction::EnglishToGerman, u"a", recorder, recorder);
        FAIL() << "the search should fail on apple";
    } catch (const ListIndexError& error) {
        EXPECT_EQ(error.index(), 7);
        EXPECT_STREQ(error.what(), "Der Index der Liste überschreitet das Maximum (7)");
    }
    EXPECT_EQ(recorder.rows, (std::vector<Row>{row("ant", "Ameise"), Row{"apple", "", false}}));
    EXPECT_EQ(recorder.percents, (std::vector<int>{0, 50}));
}

TEST(SearchFailure, SentinelInFirstSlotAndMissingOtherFileFail)
{
    StoreBuilder b;
    b.english = {{"nothing", {kNoTranslation}}};
    b.german = {{"x", 0}};
    EXPECT_THROW(run(b.build(), Direction::EnglishToGerman, u"n"), ListIndexError);

    StoreBuilder germanOnly;
    germanOnly.german = {{"Haus", 0}};
    const auto store = germanOnly.build();
    EXPECT_THROW(run(store, Direction::GermanToEnglish, u"h"), ListIndexError);
    EXPECT_TRUE(run(store, Direction::EnglishToGerman, u"h").rows.empty());
}

// The walk must find exactly what a plain scan over the generated entries finds.
TEST(SearchAgainstBruteForce, SameRowsAsAScanForManyKeys)
{
    const auto dictionary = test::generateDictionary(3000, 3500, 42);
    DictionaryStore store;
    store.loadEnglish(dictionary.engdeu);
    store.loadGerman(dictionary.deueng);
    std::mt19937 rng(7);

    for (int trial = 0; trial < 200; ++trial) {
        const bool english = trial % 2 == 0;
        const std::string& source =
            english ? dictionary.english[rng() % dictionary.english.size()].headword
                    : dictionary.german[rng() % dictionary.german.size()].headword;
        std::string key = source.substr(0, 1 + rng() % source.size());
        for (char& c : key)
            if (rng() % 2 && c >= 'A' && c <= 'Z')
                c = char(c + 32);

        std::vector<Row> expected;
        // Folded here by hand, not by the helper under test.
        const auto fold = [](std::string s) {
            for (char& c : s)
                if (c >= 'a' && c <= 'z')
                    c = char(c - 'a' + 'A');
            return s;
        };
        if (english) {
            for (const auto& e : dictionary.english) {
                if (fold(e.headword).rfind(fold(key), 0) != 0)
                    continue;
                std::string text = dictionary.german[e.references[0]].headword;
                for (std::size_t k = 1; k < e.references.size(); ++k)
                    text += "; " + dictionary.german[e.references[k]].headword;
                expected.push_back(row(e.headword, text));
            }
        } else {
            for (const auto& g : dictionary.german)
                if (fold(g.headword).rfind(fold(key), 0) == 0)
                    expected.push_back(row(g.headword, dictionary.english[g.reference].headword));
        }
        Recorder recorder;
        searchWindows1252(store, english ? Direction::EnglishToGerman : Direction::GermanToEnglish,
                          key, recorder, recorder);
        ASSERT_EQ(recorder.rows, expected) << "key " << key;
        ASSERT_EQ(recorder.percents.size(),
                  (english ? dictionary.english.size() : dictionary.german.size()) + 1);
    }
}

// The command builds its rows from match indices and separate translations; joined,
// they must be exactly the walk's rows, and the whole-word scope the subset of them
// that is as long as the key.
TEST(SearchAgainstBruteForce, IndexMatchesWithTheirTranslationsGiveTheWalksRows)
{
    const auto dictionary = test::generateDictionary(2000, 2500, 11);
    DictionaryStore store;
    store.loadEnglish(dictionary.engdeu);
    store.loadGerman(dictionary.deueng);
    std::mt19937 rng(3);
    std::vector<std::string_view> translations;
    for (int trial = 0; trial < 100; ++trial) {
        const Direction direction =
            trial % 2 == 0 ? Direction::EnglishToGerman : Direction::GermanToEnglish;
        const WordList& words =
            direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
        const std::string source(words[rng() % words.size()]);
        const std::string key = source.substr(0, 1 + rng() % source.size());

        std::vector<Row> rows;
        const auto prefix = asciiMatches(words, key, MatchScope::Prefix);
        for (const std::uint32_t i : prefix) {
            translationsOf(store, direction, i, translations);
            std::string text;
            for (const auto translation : translations)
                text += (text.empty() ? "" : "; ") + std::string(translation);
            rows.push_back(row(std::string(words[i]), text));
        }
        Recorder recorder;
        searchWindows1252(store, direction, key, recorder, recorder);
        ASSERT_EQ(rows, recorder.rows) << "key " << key;

        std::vector<std::uint32_t> sameLength;
        std::copy_if(prefix.begin(), prefix.end(), std::back_inserter(sameLength),
                     [&](std::uint32_t i) { return words[i].size() == key.size(); });
        ASSERT_EQ(asciiMatches(words, key, MatchScope::Whole), sameLength) << "key " << key;
    }
    EXPECT_TRUE(asciiMatches(store.englishWords(), "", MatchScope::Prefix).empty());
}

// The batch index must answer exactly what the walks answer, for both foldings and
// both scopes, including keys that fold to longer text ("ß" to "ss").
TEST(SearchAgainstBruteForce, FoldedIndexAnswersWhatTheWalksAnswer)
{
    const auto dictionary = test::generateDictionary(3000, 3000, 23);
    DictionaryStore store;
    store.loadEnglish(dictionary.engdeu);
    const WordList& words = store.englishWords();
    const FoldedIndex ascii(words, asciiUpperCase), forgiving(words, forgivingFold);
    std::mt19937 rng(9);
    for (int trial = 0; trial < 300; ++trial) {
        std::string key(words[rng() % words.size()]);
        key = key.substr(0, 1 + rng() % key.size());
        if (trial % 3 == 0)
            key += "\xdf"; // ß
        for (const MatchScope scope : {MatchScope::Prefix, MatchScope::Whole}) {
            ASSERT_EQ(ascii.matches(key, scope), asciiMatches(words, key, scope)) << key;
            ASSERT_EQ(forgiving.matches(key, scope), forgivingMatches(words, key, scope)) << key;
        }
    }
}

TEST(SearchFailure, TranslationsOfAnEntryFailLikeTheWalk)
{
    StoreBuilder builder;
    builder.english = {{"ant", {0, 65535, 4}}, {"axe", {65535}}};
    builder.german = {{"Ameise", 0}};
    const DictionaryStore store = builder.build();
    std::vector<std::string_view> translations;
    try {
        translationsOf(store, Direction::EnglishToGerman, 0, translations);
        FAIL() << "index 4 names no German headword";
    } catch (const ListIndexError& error) {
        EXPECT_EQ(error.index(), 4);
    }
    EXPECT_THROW(translationsOf(store, Direction::EnglishToGerman, 1, translations),
                 ListIndexError);
    translationsOf(store, Direction::GermanToEnglish, 0, translations);
    EXPECT_EQ(translations, std::vector<std::string_view>{"ant"});
}

} // namespace
} // namespace wb
