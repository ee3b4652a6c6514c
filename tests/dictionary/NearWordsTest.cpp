#include "dictionary/NearWords.h"
#include "dictionary/Windows1252.h"
#include "tests/support/Words.h"

#include <gtest/gtest.h>

#include <random>

namespace wb {
namespace {

using test::wordsOf;

std::vector<std::string> near(const WordList& words, const char* utf8Text)
{
    std::vector<std::string> result;
    for (const auto index : nearHeadwords(words, utf8ToWindows1252(utf8Text), 2, 3))
        result.push_back(windows1252ToUtf8(words[index]));
    return result;
}

// The full table, without any cut-off, to check the bounded one against.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
    return d[a.size()][b.size()];
}

TEST(BoundedEditDistance, AgreesWithTheFullTableUpToTheLimit)
{
    struct Case {
        const char* a;
        const char* b;
        std::size_t distance;
    };
    for (const Case& c :
         {Case{"", "", 0}, Case{"", "ab", 2}, Case{"house", "house", 0}, Case{"house", "hose", 1},
          Case{"house", "mouse", 1}, Case{"house", "houses", 1}, Case{"ab", "ba", 2},
          Case{"kitten", "sitting", 3}, Case{"abc", "xyz", 3}}) {
        EXPECT_EQ(boundedEditDistance(c.a, c.b, 5), c.distance) << c.a << " " << c.b;
        EXPECT_EQ(boundedEditDistance(c.b, c.a, 5), c.distance) << c.b << " " << c.a;
        EXPECT_EQ(boundedEditDistance(c.a, c.b, 1), std::min<std::size_t>(c.distance, 2));
    }
    std::mt19937 rng(5);
    for (int trial = 0; trial < 2000; ++trial) {
        std::string a(rng() % 9, 'a'), b(rng() % 9, 'a');
        for (char& c : a)
            c = char('a' + rng() % 3);
        for (char& c : b)
            c = char('a' + rng() % 3);
        const std::size_t limit = rng() % 4;
        ASSERT_EQ(boundedEditDistance(a, b, limit), std::min(editDistance(a, b), limit + 1))
            << a << " " << b << " limit " << limit;
    }
}

TEST(NearHeadwords, FindsMisspellingsWithinTwoEditsClosestFirst)
{
    const WordList words = wordsOf({"accommodations", "accommodation", "accumulation", "house",
                                    "Haus", "Hauser", "Maus", "Müll", "Mull", "tree"});
    struct Case {
        const char* text;
        std::vector<std::string> expected;
    };
    for (const Case& c : {
             Case{"acommodation", {"accommodation", "accommodations"}}, // one, then two
             Case{"acomodation", {"accommodation"}},                    // two edits
             Case{"ACOMMODATION", {"accommodation", "accommodations"}}, // case is free
             Case{"haus", {"Haus", "Maus", "house"}}, // ties in file order, three at most
             Case{"MÜL", {"Müll", "Mull"}},           // umlauts fold their case too
             Case{"trxxxe", {}},                      // three edits is too far
             Case{"", {}},
         })
        EXPECT_EQ(near(words, c.text), c.expected) << c.text;
}

TEST(NearHeadwords, LeavesOutRepeatsOfOneSpelling)
{
    const WordList words = wordsOf({"bank", "bank", "Bank", "band"});
    EXPECT_EQ(near(words, "bamk"), (std::vector<std::string>{"bank", "Bank", "band"}));
}

} // namespace
} // namespace wb
