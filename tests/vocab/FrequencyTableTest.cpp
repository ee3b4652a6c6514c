// Reading word frequency lists, and how a headword's commonness follows from them.
#include "vocabulary/FrequencyTable.h"
#include "dictionary/Windows1252.h"
#include "vocabulary/Commonness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

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

std::string messageOf(const std::string& text)
{
    try {
        table(text);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    ADD_FAILURE() << "accepted " << text.substr(0, 80);
    return {};
}

TEST(FrequencyTable, TheSameProportionsRankAlikeAtAnyScale)
{
    const std::string words[] = {"house", "House", "tree", "blue", "Blau"};
    const std::uint64_t counts[] = {3, 1, 2, 1, 5};
    for (const std::uint64_t scale :
         {std::uint64_t(1), std::uint64_t(1000003), std::uint64_t(1) << 60}) {
        std::string text;
        for (std::size_t i = 0; i < std::size(words); ++i)
            text += words[i] + "\t" + std::to_string(counts[i] * scale) + "\n";
        const auto t = table(text);
        SCOPED_TRACE(scale);
        EXPECT_EQ(t.total(), 12 * scale);
        EXPECT_DOUBLE_EQ(t.perMillion("house"), 3e6 / 12);
        EXPECT_DOUBLE_EQ(t.perMillion("HOUSE"), 4e6 / 12);
        EXPECT_DOUBLE_EQ(t.perMillion("Blau"), 5e6 / 12);
        EXPECT_EQ(t.mostFrequent(3), (std::vector<std::string>{"Blau", "house", "tree"}));
    }
}

TEST(FrequencyTable, CountsThatAddUpPastTheLargestNumberAreAnError)
{
    // Two counts of 2^63: summed in 64 bits they would be 0, as if no list were given.
    const std::string message =
        messageOf("house\t9223372036854775808\ntree\t9223372036854775808\n");
    EXPECT_EQ(message.rfind("list.tsv:2: the counts add up to more than ", 0), 0u) << message;
    // One word listed twice adds up the same way.
    EXPECT_EQ(messageOf("a\t18446744073709551615\n\na\t1\n").rfind("list.tsv:3: ", 0), 0u);
    EXPECT_EQ(table("a\t18446744073709551614\nb\t1\n").total(), 18446744073709551615u);
}

TEST(FrequencyTable, QuotedInputIsEscapedAndCut)
{
    // A count that would set the terminal's title and clear its screen.
    const std::string message = messageOf("word\t5\x1b]0;PWNED\a\x1b[2J\n");
    EXPECT_EQ(message, "list.tsv:1: the count must be a positive whole number, not "
                       "\"5\\x1b]0;PWNED\\x07\\x1b[2J\"");
    // A binary file's bytes: one short line whatever they are.
    std::string binary = "word\t";
    for (int i = 0; i < 50000; ++i)
        binary += char(i * 7919 % 251 + 1 == '\n' ? 'x' : i * 7919 % 251 + 1);
    const std::string quoted = messageOf(binary + "\n");
    EXPECT_LT(quoted.size(), 400u);
    EXPECT_NE(quoted.find("(50000 bytes)"), std::string::npos) << quoted;
    for (const char c : quoted)
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << quoted;
}

// Zeros without end, like /dev/zero, counting what was read.
struct Zeros : std::streambuf {
    std::vector<char> block = std::vector<char>(1 << 16, '\0');
    std::size_t served = 0;
    int_type underflow() override
    {
        served += block.size();
        setg(block.data(), block.data(), block.data() + block.size());
        return 0;
    }
};

TEST(FrequencyTable, ALineNoWordCouldFillIsRefusedWithoutReadingOn)
{
    Zeros zeros;
    std::istream in(&zeros);
    try {
        FrequencyTable::read(in, "/dev/zero");
        ADD_FAILURE() << "read /dev/zero to its end";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "/dev/zero:1: the line is longer than 64 KiB, which no word is");
    }
    EXPECT_LE(zeros.served, std::size_t(1) << 20);
    const std::string longest = std::string(kMaxFrequencyLineBytes - 2, 'a') + "\t1";
    EXPECT_EQ(table("b\t1\n" + longest + "\n").size(), 2u);
    EXPECT_EQ(messageOf("b\t1\n" + longest + "0\n").rfind("list.tsv:2: the line is longer", 0), 0u);
}

// A termination request is looked at while the list is read, not after it.
TEST(FrequencyTable, ThePollRunsBetweenBlocksAndMayStopTheReading)
{
    struct Stop {};
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "w" + std::to_string(i) + "\t1\n";
    std::istringstream in(text);
    int polls = 0;
    EXPECT_THROW(FrequencyTable::read(in, "list.tsv",
                                      [&] {
                                          if (++polls == 3)
                                              throw Stop();
                                      }),
                 Stop);
    EXPECT_EQ(polls, 3);
    EXPECT_LT(in.tellg(), std::streampos(text.size() / 2)) << "it read on after the request";
}

// Lists built to make the table's order hard: few letters, so that words share long
// prefixes and differ past the fourth and eighth byte, in two cases and with an umlaut,
// spellings listed again, a NUL byte a word may end in, and counts whose sum needs more
// digits than either count. A plain reading of the same lines must agree on every
// word, spelling and ranking.
TEST(FrequencyTable, AgreesWithAPlainReadingOfListsOfLookAlikeWords)
{
    std::mt19937 random(11);
    const std::string letters[] = {"a", "A", "b", "\xC3\x84", "\xC3\xA4", std::string(1, '\0')};
    for (int round = 0; round < 40; ++round) {
        std::map<std::string, std::uint64_t> counts; // Windows-1252 spelling, summed count
        std::string text;
        const int lines = 1 + int(random() % 400);
        for (int i = 0; i < lines; ++i) {
            std::string word;
            const std::size_t length = 1 + random() % 14;
            while (word.size() < length)
                word += letters[random() % (random() % 3 == 0 ? 6 : 3)];
            const std::uint64_t count = random() % 4 == 0 ? 100 + random() % 50 : 1 + random() % 3;
            text += word + "\t" + std::to_string(count) + "\n";
            std::string stored;
            if (utf8ToWindows1252Exact(word, stored))
                counts[stored] += count;
        }
        const auto t = table(text);
        std::map<std::string, std::uint64_t> folded;
        std::uint64_t total = 0;
        for (const auto& [word, count] : counts) {
            folded[foldedLowerCase(word)] += count;
            total += count;
        }
        ASSERT_EQ(t.total(), total) << round;
        EXPECT_EQ(t.size(), folded.size()) << round;
        for (const auto& [word, count] : counts) {
            EXPECT_EQ(t.perMillion(word), double(count) * 1e6 / double(total)) << round;
            // Another spelling of a listed word counts as all of them.
            std::string other = word;
            for (char& c : other)
                c = c == 'a' ? 'A' : c;
            if (!counts.contains(other)) {
                EXPECT_EQ(t.perMillion(other),
                          double(folded.at(foldedLowerCase(word))) * 1e6 / double(total))
                    << round;
            }
        }
        std::vector<std::pair<std::string, std::uint64_t>> ranked(counts.begin(), counts.end());
        std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
            return a.second != b.second ? a.second > b.second : a.first < b.first;
        });
        const std::size_t wanted = 1 + random() % (ranked.size() + 2);
        std::vector<std::string> best;
        for (std::size_t i = 0; i < std::min(wanted, ranked.size()); ++i)
            best.push_back(ranked[i].first);
        EXPECT_EQ(t.mostFrequent(wanted), best) << round;
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
