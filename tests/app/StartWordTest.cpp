// The page and word the window starts on: a form that no headword begins with becomes
// its base, on the page of the language that has it; anything the asked page's own
// search finds stays as it is.
#include "app/StartWord.h"
#include "forms/FormsFile.h"
#include "system/ExecutablePath.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

constexpr auto kEnglish = Direction::EnglishToGerman;
constexpr auto kGerman = Direction::GermanToEnglish;

class StartWord : public ::testing::Test {
protected:
    StartWord()
    {
        test::GeneratedDictionary d;
        d.english = {{"go", {0}}, {"house", {1}}};
        d.german = {{"gehen", 0}, {"Haus", 1}, {"Dampf", 1}, {"Schiff", 1}};
        test::encode(d);
        store.loadEnglish(d.engdeu);
        store.loadGerman(d.deueng);
        const std::string_view german[] = {"gehen", "Haus", "Dampf", "Schiff"};
        test::writeFile(dir.path() / "deuforms.dat",
                        encodeForms(headwordListHash(german),
                                    std::vector<FormEntry>{{"H\xE4usern", {1}}, {"ging", {0}}}));
    }
    std::pair<Direction, QString> start(Direction direction, const char* word,
                                        std::function<std::filesystem::path()> locate = {})
    {
        if (!locate)
            locate = [this] { return dir.path(); };
        const auto chosen = startOn(store, locate, {direction, QString::fromUtf8(word)});
        return {chosen.direction, chosen.word.value_or(QString())};
    }
    test::TempDir dir;
    DictionaryStore store;
};

using Start = std::pair<Direction, QString>;

TEST_F(StartWord, AFormStartsOnItsBaseOnThePageThatHasIt)
{
    EXPECT_EQ(start(kGerman, "Häusern"), Start(kGerman, "Haus"));
    EXPECT_EQ(start(kEnglish, "Häusern"), Start(kGerman, "Haus")); // woerterbuch Häusern
    EXPECT_EQ(start(kGerman, "ging"), Start(kGerman, "gehen"));
    EXPECT_EQ(start(kEnglish, "houses"), Start(kEnglish, "house")); // by the rules
}

TEST_F(StartWord, WhatTheAskedPageFindsStaysAsItIs)
{
    EXPECT_EQ(start(kGerman, "Haus"), Start(kGerman, "Haus"));
    EXPECT_EQ(start(kGerman, "ha"), Start(kGerman, "ha"));          // a prefix of "Haus"
    EXPECT_EQ(start(kEnglish, "ho"), Start(kEnglish, "ho"));        // and of "house"
    EXPECT_EQ(start(kEnglish, "xyz"), Start(kEnglish, "xyz"));      // nothing anywhere
    EXPECT_EQ(start(kEnglish, "Schiff"), Start(kGerman, "Schiff")); // German only
    // A compound's parts are no one word to start on.
    EXPECT_EQ(start(kGerman, "Dampfschiff"), Start(kGerman, "Dampfschiff"));
}

TEST_F(StartWord, ADirectoryThatCannotBeFoundLeavesTheRules)
{
    const auto lost = []() -> std::filesystem::path { throw ExecutablePathError("gone"); };
    EXPECT_EQ(start(kGerman, "Hauses", lost), Start(kGerman, "Haus"));
    EXPECT_EQ(start(kGerman, "ging", lost), Start(kGerman, "ging"));
}

} // namespace
} // namespace wb
