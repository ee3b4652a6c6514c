#include "dictionary/ForgivingMatch.h"
#include "dictionary/RecordEncoder.h"
#include "dictionary/Windows1252.h"
#include "tests/support/Words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace wb {
namespace {

using test::wordsOf;

std::vector<std::string> found(const WordList& words, const std::vector<std::uint32_t>& indices)
{
    std::vector<std::string> result;
    for (const auto index : indices)
        result.push_back(windows1252ToUtf8(words[index]));
    return result;
}

std::vector<std::string> ranked(const WordList& words, const char* utf8Text, std::size_t limit)
{
    std::vector<std::string> result;
    for (const auto& match : launcherMatches(words, utf8ToWindows1252(utf8Text), limit))
        result.push_back(windows1252ToUtf8(words[match.index]));
    return result;
}

std::vector<std::string> rankedNames(const WordList& words, const char* text,
                                     std::span<const std::uint16_t> weights)
{
    std::vector<std::string> result;
    for (const auto& match : launcherMatches(words, text, 10, weights))
        result.push_back(windows1252ToUtf8(words[match.index]));
    return result;
}

TEST(ForgivingFold, LowersEveryLetterOfTheCodePageAndSpellsOutUmlautsAndSharpS)
{
    // Every byte whose Unicode letter has a lower-case partner inside the code page
    // folds to it, so upper and lower case of every letter give one fold.
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, char(byte));
        const std::u16string asUnicode = windows1252ToUtf16(one);
        const char16_t c = asUnicode[0];
        const bool upperLatin1 = (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        const bool upperExtended = c == 0x160 || c == 0x152 || c == 0x17D || c == 0x178;
        if (!upperLatin1 && !upperExtended) {
            if (c != 0xDF && c != 0xE4 && c != 0xF6 && c != 0xFC) {
                EXPECT_EQ(forgivingFold(one), one) << "byte " << byte;
            }
            continue;
        }
        const char16_t lower = c == 0x178 ? char16_t(0xFF) : char16_t(c + (c < 0x100 ? 0x20 : 1));
        EXPECT_EQ(forgivingFold(one), forgivingFold(toWindows1252(std::u16string(1, lower))))
            << "byte " << byte;
    }
    EXPECT_EQ(forgivingFold(utf8ToWindows1252("ÄÖÜäöüß")), "aeoeueaeoeuess");
    EXPECT_EQ(forgivingFold(utf8ToWindows1252("Straße")), forgivingFold("STRASSE"));
    EXPECT_EQ(forgivingFold(utf8ToWindows1252("ÉLAN À")), utf8ToWindows1252("élan à"));
}

TEST(ForgivingMatches, FindByCaseAndByTransliterationInBothWays)
{
    const WordList words = wordsOf(
        {"Äpfel", "Apfel", "Müll", "Muell", "Straße", "Strasse", "Stra", "Maße", "Masse", "Mull"});
    struct Case {
        const char* text;
        MatchScope scope;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"äpfel", MatchScope::Whole, {"Äpfel"}},
        {"AEPFEL", MatchScope::Whole, {"Äpfel"}},
        {"MÜLL", MatchScope::Whole, {"Müll", "Muell"}},
        {"strasse", MatchScope::Whole, {"Straße", "Strasse"}},
        {"Straße", MatchScope::Whole, {"Straße", "Strasse"}},
        {"stra", MatchScope::Whole, {"Stra"}},
        {"stra", MatchScope::Prefix, {"Straße", "Strasse", "Stra"}},
        // A fold that ends inside a spelt-out letter still matches as a prefix.
        {"mu", MatchScope::Prefix, {"Müll", "Muell", "Mull"}},
        {"mue", MatchScope::Prefix, {"Müll", "Muell"}},
        {"maß", MatchScope::Prefix, {"Maße", "Masse"}},
        {"", MatchScope::Whole, {}},
        {"xyz", MatchScope::Prefix, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(found(words, forgivingMatches(words, utf8ToWindows1252(c.text), c.scope)),
                  c.expected)
            << c.text;
    }
    EXPECT_EQ(forgivingMatches(words, "", MatchScope::Prefix).size(), words.size());
}

TEST(LauncherMatches, RankTheSpellingFirstThenCaseThenFoldedThenShorterPrefixes)
{
    const WordList words =
        wordsOf({"Maße", "Masse", "Massenmord", "masse", "Duell", "Düll", "house", "household",
                 "hour", "hou", "open house", "Hou-Fest", "Houston"});
    struct Case {
        const char* text;
        std::size_t limit;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Masse", 10, {"Masse", "masse", "Maße", "Massenmord"}},
        {"masse", 10, {"masse", "Masse", "Maße", "Massenmord"}},
        {"maße", 10, {"Maße", "Masse", "masse", "Massenmord"}},
        {"Duell", 10, {"Duell", "Düll"}},
        {"Düll", 10, {"Düll", "Duell"}},
        // Prefixes by length; inner words only where the prefixes leave room.
        {"hou", 10, {"hou", "hour", "house", "Houston", "Hou-Fest", "household", "open house"}},
        {"hou", 3, {"hou", "hour", "house"}},
        {"  hous ", 5, {"house", "Houston", "household", "open house"}},
        {"fest", 5, {"Hou-Fest"}},
        {"h", 10, {}},
        {"  ", 10, {}},
        {"ho", 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ranked(words, c.text, c.limit), c.expected) << c.text << " limit " << c.limit;
}

TEST(LauncherMatches, TwoListsMergeInTheSameOrder)
{
    const WordList english = wordsOf({"hand", "handle", "house"});
    const WordList german = wordsOf({"Hand", "Handel", "Haus"});
    auto en = launcherMatches(english, "hand", 10);
    auto de = launcherMatches(german, "hand", 10);
    std::vector<LauncherMatch> both;
    std::merge(en.begin(), en.end(), de.begin(), de.end(), std::back_inserter(both), rankedBefore);
    ASSERT_EQ(both.size(), 4u);
    EXPECT_EQ(both[0].tier, MatchTier::Spelling);   // hand
    EXPECT_EQ(both[1].tier, MatchTier::CaseOnly);   // Hand
    EXPECT_EQ(both[2].tier, MatchTier::PrefixCase); // Handel, 6 bytes
    EXPECT_EQ(both[3].length, 6u);                  // handle
}

TEST(LauncherMatches, WeightsOrderOnlyHeadwordsOfOneTierAndLength)
{
    const WordList words = wordsOf({"hound", "hour", "hours", "house", "Hou"});
    const std::uint16_t weights[] = {1, 0, 2, 9, 50};
    // "Hou" is heavier but of a closer tier; "hour" is lighter but shorter.
    EXPECT_EQ(rankedNames(words, "hou", weights),
              (std::vector<std::string>{"Hou", "hour", "house", "hours", "hound"}));
    // A list of weights that is short leaves the rest at zero.
    EXPECT_EQ(rankedNames(words, "hou", std::span(weights, 1)),
              (std::vector<std::string>{"Hou", "hour", "hound", "hours", "house"}));
}

TEST(TranslationReferenceCounts, CountWhatTheOtherListNamesAndPassOverBrokenReferences)
{
    RecordEncoder en(DictionaryFile::English), de(DictionaryFile::German);
    const std::uint16_t hand[] = {0, 1, kNoTranslation};
    const std::uint16_t house[] = {1, 1, 7};
    ASSERT_TRUE(en.append("hand", hand));
    ASSERT_TRUE(en.append("house", house));
    for (const std::uint16_t reference : {1, 1, 0, 9}) {
        const std::uint16_t refs[] = {reference};
        ASSERT_TRUE(de.append("Haus", refs));
    }
    DictionaryStore store;
    store.loadEnglish(en.bytes());
    store.loadGerman(de.bytes());
    EXPECT_EQ(translationReferenceCounts(store, Direction::EnglishToGerman),
              (std::vector<std::uint16_t>{1, 2}));
    EXPECT_EQ(translationReferenceCounts(store, Direction::GermanToEnglish),
              (std::vector<std::uint16_t>{1, 3, 0, 0}));
}

TEST(LauncherMatches, AVeryLongTextMatchesNothing)
{
    WordList words = wordsOf({"house", "a"});
    EXPECT_TRUE(launcherMatches(words, std::string(10000, 'h'), 5).empty());
    EXPECT_TRUE(forgivingMatches(words, std::string(10000, 'a'), MatchScope::Prefix).empty());
}

} // namespace
} // namespace wb
