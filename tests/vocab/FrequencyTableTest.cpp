// Reading word frequency lists, and how a headword's commonness follows from them.
#include "vocabulary/FrequencyTable.h"
#include "vocabulary/Commonness.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

namespace wb::vocab {
namespace {

FrequencyTable table(const std::string& text)
{
    std::istringstream in(text);
    return FrequencyTable::read(in, "list.tsv");
}

TEST(FrequencyTable, CountsPerMillionWithSpellingsFolded)
{
    // 1,000,000 words in all: a spelling the list has counts as written, any other
    // as all its spellings folded together; words Windows-1252 lacks are dropped.
    const auto t = table("what\t400000\r\nWhat\t100000\n\nBlau\t100000\nblau\t300000\n"
                         "gr\xC3\xBCn\t99999\n\xE2\x82\xAC\xE2\x82\xAC\t1\n\xD0\xB4\t5\n");
    EXPECT_EQ(t.total(), 1000000u); // the Cyrillic letter is not counted, the euro sign is
    EXPECT_DOUBLE_EQ(t.perMillion("what"), 400000.0);
    EXPECT_DOUBLE_EQ(t.perMillion("WHAT"), 500000.0);
    EXPECT_DOUBLE_EQ(t.perMillion("Blau"), 100000.0);
    EXPECT_DOUBLE_EQ(t.perMillion("blau"), 300000.0);
    EXPECT_DOUBLE_EQ(t.perMillion("BLAU"), 400000.0);
    EXPECT_DOUBLE_EQ(t.perMillion("Gr\xDCN"), 99999.0); // folding reaches the umlauts
    EXPECT_EQ(t.perMillion("house"), 0.0);
    EXPECT_EQ(t.size(), 4u);
}

TEST(FrequencyTable, BadLinesNameTheFileAndLine)
{
    for (const char* text : {"word 12\n", "\t12\n", "word\t\n", "word\t0\n", "word\t12x\n",
                             "word\t-3\n", "word\t99999999999999999999999\n"}) {
        try {
            table(std::string("fine\t1\n") + text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("list.tsv:2: ", 0), 0u) << error.what();
        }
    }
}

TEST(TextFrequency, APhraseCountsAsItsRarestWordLoweredPerWord)
{
    const auto t = table("ballpoint\t20\npen\t1000\ngo\t5000\nhome\t3000\nice\t64\ncream\t640\n"
                         "x\t999999998312\n");
    const double million = double(t.total()) / 1e6;
    EXPECT_DOUBLE_EQ(*textFrequency("pen", t), 1000 / million);
    EXPECT_DOUBLE_EQ(*textFrequency("ballpoint pen", t), 20 / million / 8);
    EXPECT_DOUBLE_EQ(*textFrequency("go home", t), 3000 / million / 8);
    EXPECT_DOUBLE_EQ(*textFrequency("ice-cream", t), 64 / million / 8);
    // Placeholders stand for any object and are not counted.
    EXPECT_DOUBLE_EQ(*textFrequency("go sb.'s home", t), 3000 / million / 8);
    EXPECT_FALSE(textFrequency("go abroad", t));
    EXPECT_FALSE(textFrequency("etw.", t));
}

TEST(Commonness, FallsBackOnMentionsBelowEveryCountedWord)
{
    const auto t = table("common\t1000\nrare\t1\n");
    std::vector<Headword> headwords = {
        {"common", 1, 1, true, 0}, {"rare", 1, 1, true, 0}, {"unlisted", 1, 1, true, 0}};
    MentionCounter mentions;
    const LineWords line("unlisted");
    mentions.addLine(line);
    const auto scores = commonness(headwords, mentions, &t);
    EXPECT_EQ(scores.sources[0], RankSource::Frequencies);
    EXPECT_EQ(scores.sources[2], RankSource::Mentions);
    EXPECT_GT(scores.values[0], scores.values[1]);
    EXPECT_GT(scores.values[1], scores.values[2]); // one mention: half an occurrence
    // Without a list every headword keeps its mention score.
    const auto plain = commonness(headwords, mentions, nullptr);
    EXPECT_EQ(plain.sources[0], RankSource::Mentions);
    EXPECT_DOUBLE_EQ(plain.values[2], 1.0);
}

} // namespace
} // namespace wb::vocab
