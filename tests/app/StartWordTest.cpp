// The word the window starts on: a form that no headword begins with becomes its
// base; anything the window's own search finds stays as it is.
#include "app/StartWord.h"
#include "forms/FormsFile.h"
#include "system/ExecutablePath.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

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
    QString start(Direction direction, const char* word)
    {
        return startWord(
            store, [this] { return dir.path(); }, direction, QString::fromUtf8(word));
    }
    test::TempDir dir;
    DictionaryStore store;
};

TEST_F(StartWord, AFormStartsOnItsBase)
{
    EXPECT_EQ(start(Direction::GermanToEnglish, "Häusern"), "Haus");
    EXPECT_EQ(start(Direction::GermanToEnglish, "ging"), "gehen");
    EXPECT_EQ(start(Direction::EnglishToGerman, "houses"), "house"); // by the rules
}

TEST_F(StartWord, WhatTheWindowFindsStaysAsItIs)
{
    EXPECT_EQ(start(Direction::GermanToEnglish, "Haus"), "Haus");
    EXPECT_EQ(start(Direction::GermanToEnglish, "ha"), "ha");   // a prefix of "Haus"
    EXPECT_EQ(start(Direction::GermanToEnglish, "xyz"), "xyz"); // nothing to offer
    // A compound's parts are no one word to start on.
    EXPECT_EQ(start(Direction::GermanToEnglish, "Dampfschiff"), "Dampfschiff");
    // "Häusern" is a German form only.
    EXPECT_EQ(start(Direction::EnglishToGerman, "Häusern"), "Häusern");
}

TEST_F(StartWord, ADirectoryThatCannotBeFoundLeavesTheRules)
{
    const auto lost = []() -> std::filesystem::path { throw ExecutablePathError("gone"); };
    EXPECT_EQ(startWord(store, lost, Direction::GermanToEnglish, QStringLiteral("Hauses")), "Haus");
    EXPECT_EQ(startWord(store, lost, Direction::GermanToEnglish, QStringLiteral("ging")), "ging");
}

} // namespace
} // namespace wb
