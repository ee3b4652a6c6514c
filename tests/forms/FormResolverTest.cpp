// Resolution over small word lists of our own: the forms table first, then the rules,
// then compounds, and never away from a headword.
#include "forms/FormResolver.h"
#include "dictionary/Windows1252.h"
#include "forms/CompoundSplit.h"
#include "forms/HeadwordLookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace wb {
namespace {

WordList wordsOf(std::initializer_list<const char*> utf8)
{
    WordList words;
    for (const char* word : utf8)
        words.append(utf8ToWindows1252(word));
    return words;
}

// The resolution of `text` as UTF-8 headwords, one string per part, several bases of
// one part joined by "/".
std::vector<std::string> resolved(const FormResolver& resolver, const WordList& words,
                                  const char* text)
{
    std::vector<std::string> out;
    for (const auto& part : resolver.resolve(utf8ToWindows1252(text)).bases) {
        std::string joined;
        for (const std::uint32_t index : part)
            joined += (joined.empty() ? "" : "/") + windows1252ToUtf8(words[index]);
        out.push_back(joined);
    }
    return out;
}

using Parts = std::vector<std::string>;

class GermanResolution : public testing::Test {
protected:
    GermanResolution()
    {
        const auto decoded =
            decodeForms(encodeForms(0, std::vector<FormEntry>{{utf8ToWindows1252("Häusern"), {0}},
                                                              {"Wegen", {3, 4}},
                                                              {"ging", {2}},
                                                              {"sind", {6}}}));
        m_table = decoded.table;
    }
    WordList m_words =
        wordsOf({"Haus",    "Haushalt",   "gehen",        "Weg",   "weg",   "in",     "sein",
                 "klicken", "Zielgruppe", "Analyse",      "Donau", "Dampf", "Schiff", "Kapitän",
                 "groß",    "fortsetzen", "Kindergarten", "Platz", "ging",  "hauen"});
    FormsTable m_table;
    FormResolver m_resolver{FormLanguage::German, m_words, m_table};

    Parts of(const char* text) { return resolved(m_resolver, m_words, text); }
};

TEST_F(GermanResolution, ListedFormsComeFromTheTable)
{
    EXPECT_EQ(of("Häusern"), Parts{"Haus"});
    EXPECT_EQ(of("sind"), Parts{"sein"});
    EXPECT_EQ(of("Wegen"), Parts{"Weg/weg"}); // ambiguous: both
    EXPECT_EQ(of("häusern"), Parts{"Haus"});  // a noun written small
}

TEST_F(GermanResolution, HeadwordsAreNeverReplaced)
{
    for (const char* headword : {"ging", "Haus", "Haushalt", "weg", "in"})
        EXPECT_EQ(of(headword), Parts{}) << headword;
    // Nor is a headword typed in another case: "haus" is not "hauen" by the rules, and
    // "Gehen" at the start of a sentence is "gehen" itself.
    for (const char* headword : {"haus", "Gehen", "HAUS"})
        EXPECT_EQ(of(headword), Parts{}) << headword;
}

TEST_F(GermanResolution, RulesFindWhatTheTableLacks)
{
    EXPECT_EQ(of("Zielgruppen"), Parts{"Zielgruppe"});
    EXPECT_EQ(of("geklickt"), Parts{"klicken"});
    EXPECT_EQ(of("größer"), Parts{"groß"});
    EXPECT_EQ(of("größten"), Parts{"groß"});
    EXPECT_EQ(of("fortzusetzen"), Parts{"fortsetzen"});
    EXPECT_EQ(of("Hauses"), Parts{"Haus"});
}

TEST_F(GermanResolution, ContractionsTakeTheirPreposition)
{
    EXPECT_EQ(of("im"), Parts{"in"});
    EXPECT_EQ(of("Ins"), Parts{"in"});
    // "zum" stands for "zu", which this list lacks: no guess instead.
    EXPECT_EQ(of("zum"), Parts{});
}

TEST_F(GermanResolution, CompoundsSplitIntoHeadwords)
{
    EXPECT_EQ(of("Donaudampfschiffkapitän"), (Parts{"Donau", "Dampf", "Schiff", "Kapitän"}));
    EXPECT_EQ(of("Zielgruppenanalyse"), (Parts{"Zielgruppe", "Analyse"}));
    EXPECT_EQ(of("Kindergartenplatz"), (Parts{"Kindergarten", "Platz"}));
    // The last part may be inflected.
    EXPECT_EQ(of("Donauhäusern"), (Parts{"Donau", "Haus"}));
    EXPECT_EQ(of("Dampfxyz"), Parts{});
}

TEST(EnglishResolution, RulesAndExceptions)
{
    const WordList words =
        wordsOf({"go", "mouse", "study", "stop", "big", "like", "house", "went", "lie", "box"});
    const auto decoded =
        decodeForms(encodeForms(0, std::vector<FormEntry>{{"gone", {0}}, {"mice", {1}}}));
    const FormResolver resolver(FormLanguage::English, words, decoded.table);
    const auto of = [&](const char* text) { return resolved(resolver, words, text); };
    EXPECT_EQ(of("mice"), Parts{"mouse"});
    EXPECT_EQ(of("Mice"), Parts{"mouse"});
    EXPECT_EQ(of("gone"), Parts{"go"});
    EXPECT_EQ(of("went"), Parts{}); // a headword of its own
    EXPECT_EQ(of("studies"), Parts{"study"});
    EXPECT_EQ(of("studied"), Parts{"study"});
    EXPECT_EQ(of("stopped"), Parts{"stop"});
    EXPECT_EQ(of("stopping"), Parts{"stop"});
    EXPECT_EQ(of("bigger"), Parts{"big"});
    EXPECT_EQ(of("biggest"), Parts{"big"});
    EXPECT_EQ(of("liked"), Parts{"like"});
    EXPECT_EQ(of("lying"), Parts{"lie"});
    EXPECT_EQ(of("boxes"), Parts{"box"});
    EXPECT_EQ(of("houses"), Parts{"house"});
    EXPECT_EQ(of("housekeeping"), Parts{}); // no compounds in English
}

TEST(CompoundSplit, PrefersFewestPartsThenFewestLinksThenLongParts)
{
    const std::vector<std::string> known = {"haus",  "halt",    "haushalt", "eis",  "bahn",
                                            "eisen", "bahnhof", "hof",      "ziel", "gruppe"};
    const auto isWord = [&](std::string_view part) {
        return std::find(known.begin(), known.end(), part) != known.end() ? 0 : -1;
    };
    const auto split = [&](std::string_view text) {
        std::vector<std::string> parts;
        for (const CompoundPart& part : splitCompound(text, isWord))
            parts.emplace_back(text.substr(part.begin, part.length));
        return parts;
    };
    EXPECT_EQ(split("haushaltbahnhof"), (Parts{"haushalt", "bahnhof"}));
    EXPECT_EQ(split("eisenbahnhof"), (Parts{"eisen", "bahnhof"}));
    EXPECT_EQ(split("zielgruppenhof"), (Parts{"ziel", "gruppe", "hof"})); // linking "n"
    EXPECT_EQ(split("haushalt"), (Parts{"haus", "halt"})); // the caller keeps headwords whole
    EXPECT_EQ(split("hausx"), Parts{});
    EXPECT_EQ(split("haus"), Parts{});               // one part is no compound
    EXPECT_EQ(split("haushalts"), Parts{});          // no link at the very end
    EXPECT_EQ(split(std::string(65, 'a')), Parts{}); // too long to be one
}

TEST(CompoundSplit, AmongEquallyShortSplitsTheCommonestPartsWin)
{
    // "Staubecken": a dam's basin (Stau|becken) or a dusty corner (Staub|ecken).
    const std::map<std::string, int> weights = {
        {"stau", 9}, {"becken", 4}, {"staub", 2}, {"ecken", 7}};
    const auto split = [&](std::string_view text) {
        std::vector<std::string> parts;
        const auto weigh = [&](std::string_view part) {
            const auto found = weights.find(std::string(part));
            return found == weights.end() ? -1 : found->second;
        };
        for (const CompoundPart& part : splitCompound(text, weigh))
            parts.emplace_back(text.substr(part.begin, part.length));
        return parts;
    };
    EXPECT_EQ(split("staubecken"), (Parts{"stau", "becken"})); // rarest 4 beats rarest 2
}

TEST(FormRules, LetterCaseOfWindows1252)
{
    EXPECT_EQ(latinLower('\xC4'), '\xE4'); // Ä ä
    EXPECT_EQ(latinUpper('\xFC'), '\xDC'); // ü Ü
    EXPECT_EQ(latinUpper('\xDF'), '\xDF'); // ß has no capital here
    EXPECT_EQ(latinLower('\xD7'), '\xD7'); // × is no letter
    EXPECT_EQ(latinUpper('\xF7'), '\xF7'); // ÷ neither
    EXPECT_EQ(latinUpper('\xFF'), '\xFF');
}

} // namespace
} // namespace wb

namespace wb {
namespace {

// A list in file order is bisected, one in any other order indexed: both find exactly
// what a scan finds.
TEST(HeadwordLookup, FindsWhatAScanFindsInAnyOrder)
{
    const std::vector<std::string> sorted = {"a", "Ab",  "ab",       "abc", "B",
                                             "b", "Bus", "\xC4pfel", "zz",  "\xE4pfel"};
    std::vector<std::string> shuffled = sorted;
    std::reverse(shuffled.begin(), shuffled.end());
    const std::vector<std::string> probes = {"a",   "A",        "ab",       "AB", "abc", "b", "bus",
                                             "BUS", "\xC4pfel", "\xE4pfel", "zz", "c",   ""};
    for (const std::vector<std::string>* order : {&sorted, &std::as_const(shuffled)}) {
        WordList words;
        for (const auto& word : *order)
            words.append(word);
        const HeadwordLookup lookup(words);
        for (const auto& probe : probes) {
            std::vector<std::uint32_t> exact, folded;
            for (std::uint32_t i = 0; i < words.size(); ++i) {
                if (words[i] == probe)
                    exact.push_back(i);
                if (latinLowerCase(words[i]) == latinLowerCase(probe))
                    folded.push_back(i);
            }
            EXPECT_EQ(lookup.exact(probe), exact) << probe;
            EXPECT_EQ(lookup.folded(latinLowerCase(probe)), folded) << probe;
        }
    }
}

} // namespace
} // namespace wb
