// The order of the files and the record limits, checked against the headword that
// was actually written before.
#include "vocabulary/VocabularyWriter.h"
#include "dictionary/Search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace wb::vocab {
namespace {

struct Refusal {
    const char* name;
    DictionaryFile file;
    std::vector<std::string> sorted;
    std::vector<std::size_t> refused;
};

void PrintTo(const Refusal& r, std::ostream* os)
{
    *os << r.name;
}

class Refusing : public testing::TestWithParam<Refusal> {};

TEST_P(Refusing, ChecksAgainstTheRecordActuallyWritten)
{
    const Refusal& r = GetParam();
    const std::vector<std::string_view> views(r.sorted.begin(), r.sorted.end());
    EXPECT_EQ(refusedHeadwords(r.file, views), r.refused);
}

const std::string k15 = "abcdefghijklmno";
const std::string k20 = k15 + "pqrst";

INSTANTIATE_TEST_SUITE_P(
    Limits, Refusing,
    testing::Values(
        Refusal{"ShortWordsAlwaysFit", DictionaryFile::English, {"a", "b", k15}, {}},
        Refusal{"LongFirstWordHasNoPrefix", DictionaryFile::English, {k20}, {0}},
        Refusal{"SharedPrefixMakesRoom", DictionaryFile::English, {k15, k20, k15 + k15}, {}},
        Refusal{"SuffixIsAtMostFifteen", DictionaryFile::English, {k15, k15 + k15 + "p"}, {1}},
        Refusal{"PrefixIsAtMostFifteen",
                DictionaryFile::English,
                {k15, k20, k20 + "uvwxyzABCDEFG"},
                {2}},
        // The refused k20 is not written, so its successor meets "b", not k20.
        Refusal{
            "SuccessorOfARefusedRecord", DictionaryFile::English, {"b", k20, k20 + "u"}, {1, 2}},
        Refusal{"GermanSuffixGoesTo255",
                DictionaryFile::German,
                {std::string(255, 'x'), std::string(256, 'y'), std::string(15, 'y') + "z"},
                {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictionaryOrder, FoldedByTheSearchThenByBytes)
{
    std::mt19937 rng(7);
    const std::string alphabet = "aAbBzZ-\xE4\xC4\xFC";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1), length(0, 4);
    auto word = [&] {
        std::string w;
        for (auto n = length(rng); n > 0; --n)
            w += alphabet[letter(rng)];
        return w;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string a = word(), b = word();
        const bool expected = std::pair(asciiUpperCase(a), a) < std::pair(asciiUpperCase(b), b);
        ASSERT_EQ(inDictionaryOrder(a, b), expected) << '"' << a << "\" \"" << b << '"';
    }
}

} // namespace
} // namespace wb::vocab
