// The forms file's layout: a round trip through the encoder and the decoder, and one
// case per way a file can be broken, with the bytes written out by hand.
#include "forms/FormsFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace wb {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The 16-byte header for `records` records and the hash 0x0807060504030201.
Bytes header(std::uint32_t records)
{
    return {'W', 'B', 'F', '1', 1, 2, 3, 4, 5, 6, 7, 8, std::uint8_t(records), 0, 0, 0};
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "Wege" -> 3; "Wegen" -> 2, 3: the second shares "Wege".
const Bytes kTwoRecords = header(2) + Bytes{
                                          0x40, 'W', 'e', 'g', 'e', // P 0, S 4
                                          1,    3,   0,             // N 1, index 3
                                          0x14, 'n',                // P 4, S 1
                                          2,    2,   0,   3,   0,   // N 2, indices 2 and 3
                                      };

TEST(FormsFile, DecodesHandWrittenRecords)
{
    const auto decoded = decodeForms(kTwoRecords);
    ASSERT_TRUE(decoded.ok) << decoded.problem;
    EXPECT_EQ(decoded.table.listHash(), 0x0807060504030201u);
    ASSERT_EQ(decoded.table.size(), 2u);
    EXPECT_EQ(decoded.table.form(1), "Wegen");
    EXPECT_EQ(std::vector(decoded.table.find("Wegen").begin(), decoded.table.find("Wegen").end()),
              (std::vector<std::uint16_t>{2, 3}));
    EXPECT_TRUE(decoded.table.find("Weg").empty());
    EXPECT_TRUE(decoded.table.find("Wegens").empty());
    EXPECT_EQ(decoded.table.largestBase(), 3);
}

TEST(FormsFile, EncoderWritesWhatTheDecoderReads)
{
    std::vector<FormEntry> entries = {{"Wege", {3}}, {"Wegen", {2, 3}}};
    EXPECT_EQ(encodeForms(0x0807060504030201u, entries), kTwoRecords);

    // Long forms take the escape, long shared prefixes stop at 15.
    entries = {{std::string(200, 'a'), {0}},
               {std::string(200, 'a') + "b", {1}},
               {std::string(255, 'b'), {65534}}};
    const auto decoded = decodeForms(encodeForms(42, entries));
    ASSERT_TRUE(decoded.ok) << decoded.problem;
    ASSERT_EQ(decoded.table.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(decoded.table.form(i), entries[i].form);
        EXPECT_EQ(decoded.table.find(entries[i].form)[0], entries[i].bases[0]);
    }
}

TEST(FormsFile, EncoderRefusesWhatTheLayoutCannotHold)
{
    const std::vector<std::vector<FormEntry>> cases = {
        {{"", {1}}},                    // empty form
        {{std::string(256, 'x'), {1}}}, // too long
        {{"b", {1}}, {"a", {1}}},       // out of order
        {{"a", {1}}, {"a", {2}}},       // duplicate
        {{"a", {}}},                    // no headword
        {{"a", {2, 1}}},                // not ascending
        {{"a", {65535}}},               // the sentinel
        {{"a", std::vector<std::uint16_t>(256)}},
    };
    for (const auto& entries : cases)
        EXPECT_THROW(encodeForms(0, entries), std::invalid_argument) << entries.back().form;
}

TEST(FormsFile, EmptyTableIsJustTheHeader)
{
    const auto bytes = encodeForms(7, {});
    EXPECT_EQ(bytes.size(), kFormsHeaderBytes);
    const auto decoded = decodeForms(bytes);
    ASSERT_TRUE(decoded.ok);
    EXPECT_TRUE(decoded.table.empty());
    EXPECT_EQ(decoded.table.largestBase(), -1);
}

struct BrokenFile {
    const char* name;
    Bytes bytes;
    std::size_t record;
};

class BrokenForms : public testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenForms, IsRefusedWhole)
{
    const auto decoded = decodeForms(GetParam().bytes);
    EXPECT_FALSE(decoded.ok);
    EXPECT_FALSE(decoded.problem.empty());
    EXPECT_TRUE(decoded.table.empty());
    EXPECT_EQ(decoded.record, GetParam().record) << decoded.problem;
}

Bytes cutTo(std::size_t size)
{
    return Bytes(kTwoRecords.begin(), kTwoRecords.begin() + std::ptrdiff_t(size));
}

INSTANTIATE_TEST_SUITE_P(
    EachDefect, BrokenForms,
    testing::Values(
        BrokenFile{"Empty", {}, 0}, BrokenFile{"CutInHeader", cutTo(15), 0},
        BrokenFile{"WrongMagic", Bytes{'W', 'B', 'F', '2'} + Bytes(12, 0), 0},
        BrokenFile{"CountBeyondBytes", header(200) + Bytes{0x10, 'a', 1, 0, 0}, 0},
        BrokenFile{"CutInFirstForm", cutTo(18), 0}, BrokenFile{"CutBeforeCount", cutTo(21), 0},
        BrokenFile{"CutInIndices", cutTo(22), 0}, BrokenFile{"CutInSecondIndices", cutTo(29), 1},
        BrokenFile{"EmptyForm", header(1) + Bytes{0x00, 1, 0, 0}, 0},
        BrokenFile{"PrefixBeyondPrevious", header(1) + Bytes{0x11, 'a', 1, 0, 0}, 0},
        BrokenFile{"OutOfOrder", header(2) + Bytes{0x10, 'b', 1, 0, 0, 0x10, 'a', 1, 0, 0}, 1},
        BrokenFile{"Duplicate", header(2) + Bytes{0x10, 'a', 1, 0, 0, 0x01, 1, 0, 0}, 1},
        BrokenFile{"NoHeadword", header(1) + Bytes{0x10, 'a', 0}, 0},
        BrokenFile{"IndicesDescending", header(1) + Bytes{0x10, 'a', 2, 5, 0, 4, 0}, 0},
        BrokenFile{"IndexIsSentinel", header(1) + Bytes{0x10, 'a', 1, 0xFF, 0xFF}, 0},
        BrokenFile{"EscapeCut", header(1) + Bytes{0xF0}, 0},
        BrokenFile{"TrailingBytes", kTwoRecords + Bytes{0}, 2}),
    [](const testing::TestParamInfo<BrokenFile>& info) { return info.param.name; });

TEST(FormsFile, HashTellsHeadwordListsApart)
{
    const std::string_view one[] = {"Haus", "gehen"};
    const std::string_view swapped[] = {"gehen", "Haus"};
    const std::string_view joined[] = {"Hausgehen"};
    WordList list;
    list.append("Haus");
    list.append("gehen");
    EXPECT_EQ(headwordListHash(list), headwordListHash(one));
    EXPECT_NE(headwordListHash(one), headwordListHash(swapped));
    EXPECT_NE(headwordListHash(one), headwordListHash(joined));
}

} // namespace
} // namespace wb
