// The order the data files keep their headwords in. The search bisects the files by
// it, and the compiler and the forms' lookup sort and check by it: a fault here
// misplaces words that differ only in case or in a byte past ASCII.
#include "dictionary/AsciiCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace wb {
namespace {

TEST(FileOrder, SortsAsTheFoldedWordThenItsBytes)
{
    // Every case of a few letters, umlauts (Windows-1252) and a byte near the top among
    // them, so that prefixes, case and bytes past 127 all meet.
    std::vector<std::string> words;
    for (const char* word :
         {"a",     "A",  "ab", "aB",    "Ab", "AB", "b", "B", "\xE4", "\xC4", "a\xE4",
          "A\xE4", "az", "aZ", "a\xFF", "Z",  "z",  "[", "`", "ba",   ""})
        words.emplace_back(word);
    auto reference = words;
    std::sort(reference.begin(), reference.end(), [](const std::string& a, const std::string& b) {
        return std::pair(asciiUpperCase(a), a) < std::pair(asciiUpperCase(b), b);
    });
    std::sort(words.begin(), words.end(), inFileOrder);
    EXPECT_EQ(words, reference);

    for (const auto& a : words)
        for (const auto& b : words) {
            const int folded = compareIgnoringAsciiCase(a, b);
            EXPECT_EQ(folded == 0, equalIgnoringAsciiCase(a, b)) << a << " " << b;
            EXPECT_EQ(folded, -compareIgnoringAsciiCase(b, a)) << a << " " << b;
            if (folded < 0) {
                EXPECT_TRUE(inFileOrder(a, b)) << a << " " << b;
            }
            EXPECT_FALSE(inFileOrder(a, b) && inFileOrder(b, a)) << a << " " << b;
        }
}

} // namespace
} // namespace wb
