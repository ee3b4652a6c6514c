// The scorecard measures the files a compile writes; these check that it counts what
// it says, on vocabularies small enough to count by hand.
#include "vocabulary/Scorecard.h"
#include "forms/FormsFile.h"
#include "tests/vocab/VocabularyTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace wb::test {
namespace {

using vocab::Language;
using vocab::SourceFormat;

vocab::JudgedList judged(const std::string& text)
{
    std::istringstream in(text);
    return vocab::readJudgedList(in, "judged.tsv");
}

TEST(JudgedList, ReadsHeadwordsAndTheirAcceptedTranslations)
{
    const auto list = judged("# comment\n\nHaus\thouse|home\r\nPolizei\tpolice\n");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].headword, "Haus");
    EXPECT_EQ(list[0].accepted, (std::vector<std::string>{"house", "home"}));
    EXPECT_EQ(list[1].accepted, std::vector<std::string>{"police"});
    EXPECT_EQ(judged("f\xC3\xBCr\tfor\n")[0].headword, "f\xFCr"); // Windows-1252
}

TEST(JudgedList, RefusesWhatItCannotJudgeNamingTheLine)
{
    for (const char* bad : {"Haus house\n", "\thouse\n", "Haus\t\n", "Haus\thouse||home\n",
                            "Haus\thouse|\n", "\xE2\x98\x83\tx\n", "Haus\thouse\nHaus\thome\n"}) {
        try {
            judged(std::string("# first\n") + bad);
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("judged.tsv:"), std::string::npos)
                << error.what();
        }
    }
}

TEST(Forms, WhatAReaderWouldNotType)
{
    EXPECT_TRUE(vocab::beginsWithArticle("die Polizei", Language::German));
    EXPECT_TRUE(vocab::beginsWithArticle("the police", Language::English));
    EXPECT_FALSE(vocab::beginsWithArticle("die", Language::German));
    EXPECT_FALSE(vocab::beginsWithArticle("theme park", Language::English));
    EXPECT_FALSE(vocab::beginsWithArticle("the police", Language::German));
    EXPECT_TRUE(vocab::isBrokenPhrase("an festgehalten"));
    EXPECT_TRUE(vocab::isBrokenPhrase("auf kommend"));
    EXPECT_FALSE(vocab::isBrokenPhrase("an sich"));
    EXPECT_FALSE(vocab::isBrokenPhrase("zu vermieten"));
    EXPECT_FALSE(vocab::isBrokenPhrase("gekommen"));
    EXPECT_FALSE(vocab::isPhrase("freuen (sich)"));
    EXPECT_TRUE(vocab::isPhrase("ice cream"));
}

// Three English headwords the list has, of which the files have room for two; one
// frequent word the list lacks.
constexpr const char* kScorecardDing = "Haus {n} :: house\n"
                                       "Baum {m} :: tree\n"
                                       "Zwiebel {f} :: onion\n";

vocab::Scorecard measure(const char* breadth, const char* judgedEnglish, std::size_t max)
{
    const auto compiled = compileText(kScorecardDing, SourceFormat::Ding, max, breadth);
    DictionaryStore store;
    store.loadEnglish(compiled.engdeu);
    store.loadGerman(compiled.deueng);
    std::istringstream list(breadth);
    const auto table = vocab::FrequencyTable::read(list, "en.tsv");
    const auto judgedList = judged(judgedEnglish);
    vocab::ScorecardInputs english;
    english.sourceWords = {"house", "tree", "onion"};
    english.sourceHeadwords = english.sourceWords;
    english.breadth = &table;
    english.judged = &judgedList;
    return vocab::measureVocabulary(store, english, {});
}

TEST(Breadth, CountsTheListsWordsTheSourceHasAndTheFilesKeep)
{
    // "the" is the most frequent, but the source lacks it: it is in no share.
    const auto card = measure("the\t100\nhouse\t50\ntree\t40\nonion\t1\n", "", 2).english;
    ASSERT_EQ(card.breadth.size(), 1u); // a list shorter than the first depth, whole
    EXPECT_EQ(card.breadth[0].depth, 4u);
    EXPECT_EQ(card.breadth[0].inSource, 3u);
    EXPECT_EQ(card.breadth[0].present, 2u);
    EXPECT_EQ(card.missing, std::vector<std::string>{"onion"});
}

TEST(FirstTranslation, RightWrongAndMissing)
{
    const auto card = measure("house\t50\ntree\t40\nonion\t1\n",
                              "house\tHaus|Heim\ntree\tStrauch\nonion\tZwiebel\nyeah\tja\n", 2)
                          .english;
    ASSERT_TRUE(card.judged);
    EXPECT_EQ(card.judged->judged, 4u);
    EXPECT_EQ(card.judged->right, 1u); // house
    // tree has another first translation, onion was left out, yeah is not in the source.
    EXPECT_EQ(card.judged->wrong, (std::vector<std::string>{"tree: Baum", "onion: -", "yeah: -"}));
    EXPECT_EQ(card.judged->notInSource, 1u);
}

TEST(FirstTranslation, AWordThatIsNoHeadwordIsJudgedByWhatAReaderWhoTypesItSees)
{
    const auto compiled = compileText(kScorecardDing, SourceFormat::Ding, 3, "");
    DictionaryStore store;
    store.loadEnglish(compiled.engdeu);
    store.loadGerman(compiled.deueng);
    const auto& words = store.englishWords();
    const auto index = [&](std::string_view word) {
        for (std::uint16_t i = 0; i < words.size(); ++i)
            if (words[i] == word)
                return i;
        ADD_FAILURE() << word;
        return std::uint16_t(0);
    };
    const std::vector<FormEntry> entries = {{"houses", {index("house")}},
                                            {"trees", {index("tree")}}};
    const auto forms = encodeForms(headwordListHash(words), entries);
    const auto judgedList = judged("houses\tHaus\ntrees\tStrauch\nyeah\tja\nHouse\tHaus\n");
    vocab::ScorecardInputs english;
    english.judged = &judgedList;
    english.formsFile = forms;

    const auto card = vocab::measureVocabulary(store, english, {}).english;
    ASSERT_TRUE(card.judged);
    EXPECT_EQ(card.judged->right, 0u);
    EXPECT_EQ(card.judged->rightAsTyped, 2u); // houses, a form of house; House, house
    EXPECT_DOUBLE_EQ(card.judged->asTypedShare(), 0.5);
    EXPECT_EQ(card.judged->wrong, (std::vector<std::string>{"trees (tree): Baum", "yeah: -"}));

    // Without the forms file, the forms are only missing.
    english.formsFile = {};
    EXPECT_EQ(vocab::measureVocabulary(store, english, {}).english.judged->rightAsTyped, 1u);
}

} // namespace
} // namespace wb::test
