// Splitting lines of the two source formats into sub-entries and alternatives.
#include "vocabulary/SourceLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb::vocab {
namespace {

using Views = std::vector<std::string_view>;

TEST(DingLines, SubEntriesPairUpByPosition)
{
    SourceLine line;
    ASSERT_EQ(parseDingLine("Haus {n} | H\xC3\xA4user {pl} :: house | houses", line),
              LineKind::Entry);
    ASSERT_EQ(line.entries.size(), 2u);
    EXPECT_EQ(line.entries[0].german, Views{"Haus {n}"});
    EXPECT_EQ(line.entries[1].german, Views{"H\xC3\xA4user {pl}"});
    EXPECT_EQ(line.entries[1].english, Views{"houses"});
    EXPECT_EQ(line.germanText, "Haus {n} | H\xC3\xA4user {pl}");
    EXPECT_FALSE(line.unpaired);
}

TEST(DingLines, SeparatorsInsideBracketsDoNotSplit)
{
    SourceLine line;
    ASSERT_EQ(parseDingLine("gehen {vi} :: to go {went; gone}; to walk (a | b; c)", line),
              LineKind::Entry);
    ASSERT_EQ(line.entries.size(), 1u);
    EXPECT_EQ(line.entries[0].english, (Views{"to go {went; gone}", "to walk (a | b; c)"}));
}

TEST(DingLines, SeparatorsInsideAnAbbreviationDoNotSplit)
{
    SourceLine line;
    ASSERT_EQ(parseDingLine("Jahrhundert {n} /Jh./ | er/sie; es :: century /c; cent./; age | "
                            "he/she; it",
                            line),
              LineKind::Entry);
    ASSERT_EQ(line.entries.size(), 2u);
    EXPECT_EQ(line.entries[0].english, (Views{"century /c; cent./", "age"}));
    // A slash inside a word opens nothing.
    EXPECT_EQ(line.entries[1].english, (Views{"he/she", "it"}));
    EXPECT_EQ(line.entries[1].german, (Views{"er/sie", "es"}));
}

TEST(DingLines, ExtraSubEntriesAreDroppedAndCounted)
{
    SourceLine line;
    ASSERT_EQ(parseDingLine("a | b | c :: x | y", line), LineKind::Entry);
    EXPECT_EQ(line.entries.size(), 2u);
    EXPECT_TRUE(line.unpaired);
}

TEST(DingLines, CommentsBlankAndMalformed)
{
    SourceLine line;
    EXPECT_EQ(parseDingLine("# Version :: devel 2023-01-30", line), LineKind::Ignored);
    EXPECT_EQ(parseDingLine("   \r", line), LineKind::Ignored);
    EXPECT_EQ(parseDingLine("Haus house", line), LineKind::Malformed);
    EXPECT_EQ(parseDingLine("a :: b :: c", line), LineKind::Malformed);
    EXPECT_EQ(parseDingLine("Haus :: house\r", line), LineKind::Entry);
    EXPECT_EQ(line.englishText, "house");
}

TEST(DingLines, SubjectAndAgeLabelsMakeALineSpecialist)
{
    SourceLine line;
    const std::vector<std::pair<const char*, bool>> cases = {
        {"Haus {n} :: house", false},
        {"Lift {m} [Br.] [ugs.] :: elevator [Am.]", false},
        {"Teil {n} [in Zusammensetzungen] :: part", false},
        {"Ester {m} [chem.] :: ester", true},
        {"Gemach {n} [veraltet] :: chamber [obs.]", true},
    };
    for (const auto& [text, specialist] : cases) {
        ASSERT_EQ(parseDingLine(text, line), LineKind::Entry);
        EXPECT_EQ(line.specialist, specialist) << text;
    }
}

TEST(TsvLines, EnglishThenGerman)
{
    SourceLine line;
    ASSERT_EQ(parseTsvLine(" house \tHaus\r", line), LineKind::Entry);
    ASSERT_EQ(line.entries.size(), 1u);
    EXPECT_EQ(line.entries[0].english, Views{"house"});
    EXPECT_EQ(line.entries[0].german, Views{"Haus"});
    EXPECT_EQ(parseTsvLine("", line), LineKind::Ignored);
    EXPECT_EQ(parseTsvLine("house Haus", line), LineKind::Malformed);
    EXPECT_EQ(parseTsvLine("a\tb\tc", line), LineKind::Malformed);
}

} // namespace
} // namespace wb::vocab
