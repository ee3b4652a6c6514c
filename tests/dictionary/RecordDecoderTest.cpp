// Byte-level tests of the record layouts. Byte arrays are written by hand, one
// record a line, with the fields commented.
#include "dictionary/RecordDecoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace wb {
namespace {

struct Decoded {
    std::vector<std::string> headwords;
    std::vector<std::array<std::uint16_t, 3>> references;
    std::size_t stoppedAt = 0; // offset where decoding stopped
};

Decoded decode(DictionaryFile file, const std::vector<std::uint8_t>& bytes)
{
    Decoded result;
    RecordDecoder decoder(file, bytes);
    DecodedRecord record;
    while (!decoder.atEnd() && decoder.next(record)) {
        result.headwords.emplace_back(record.headword);
        result.references.push_back(record.references);
    }
    result.stoppedAt = decoder.offset();
    return result;
}

using Slots = std::array<std::uint16_t, 3>;
constexpr std::uint16_t X = kNoTranslation;

TEST(EnglishRecords, WorkedExampleHotAndHotel)
{
    // clang-format off
    const std::vector<std::uint8_t> bytes = {
        0x30, 'h', 'o', 't', 0x01, 0x05, 0x00,             // S=3 P=0 "hot", N=1: 5
        0x23, 'e', 'l', 0x02, 0x07, 0x00, 0x0C, 0x00,      // S=2 P=3 "el", N=2: 7, 12
    };
    // clang-format on
    const auto d = decode(DictionaryFile::English, bytes);
    EXPECT_EQ(d.headwords, (std::vector<std::string>{"hot", "hotel"}));
    EXPECT_EQ(d.references, (std::vector<Slots>{{5, X, X}, {7, 12, X}}));
    EXPECT_EQ(d.stoppedAt, bytes.size());
}

TEST(EnglishRecords, HighNibbleFifteenIsFifteenBytesWithoutEscape)
{
    std::vector<std::uint8_t> bytes = {0x40, 'a', 'b', 'c', 'd', 0x01, 0x00, 0x00};
    bytes.push_back(0xF2); // S=15 P=2
    for (char c : std::string("efghijklmnopqrs"))
        bytes.push_back(std::uint8_t(c));
    bytes.insert(bytes.end(), {0x03, 0x01, 0x00, 0x02, 0x00, 0xFF, 0xFF}); // N=3: 1, 2, 65535
    const auto d = decode(DictionaryFile::English, bytes);
    ASSERT_EQ(d.headwords.size(), 2u);
    EXPECT_EQ(d.headwords[1], "abefghijklmnopqrs");
    EXPECT_EQ(d.references[1], (Slots{1, 2, X}));
}

TEST(GermanRecords, EscapeGivesExtendedSuffixLength)
{
    std::vector<std::uint8_t> bytes = {0x20, 'z', 'u', 0x07, 0x00}; // S=2 P=0 "zu" -> 7
    bytes.insert(bytes.end(), {0xF2, 0x14});                        // escape, P=2, S=20
    for (int i = 0; i < 20; ++i)
        bytes.push_back(std::uint8_t('a' + i));
    bytes.insert(bytes.end(), {0x34, 0x12}); // index 0x1234
    const auto d = decode(DictionaryFile::German, bytes);
    ASSERT_EQ(d.headwords.size(), 2u);
    EXPECT_EQ(d.headwords[1], "zuabcdefghijklmnopqrst");
    EXPECT_EQ(d.references[1][0], 0x1234);
}

TEST(GermanRecords, EscapeMayAnnounceShortOrEmptySuffix)
{
    // clang-format off
    const std::vector<std::uint8_t> bytes = {
        0xF0, 0x03, 'H', 'u', 't', 0x01, 0x00, // escape, S=3 "Hut" -> 1
        0xF3, 0x00, 0x02, 0x00,                // escape, P=3, S=0: "Hut" again -> 2
    };
    // clang-format on
    const auto d = decode(DictionaryFile::German, bytes);
    EXPECT_EQ(d.headwords, (std::vector<std::string>{"Hut", "Hut"}));
}

TEST(BothRecords, EmptySuffixRepeatsPrefixAndEmptyHeadwordIsAllowed)
{
    // clang-format off
    const std::vector<std::uint8_t> bytes = {
        0x40, 'H', 'a', 'u', 's', 0x00, 0x00, // "Haus"
        0x02, 0x01, 0x00,                     // S=0 P=2: "Ha"
        0x00, 0x02, 0x00,                     // S=0 P=0: ""
    };
    // clang-format on
    const auto d = decode(DictionaryFile::German, bytes);
    EXPECT_EQ(d.headwords, (std::vector<std::string>{"Haus", "Ha", ""}));
}

TEST(BothRecords, UmlautIsOneByte)
{
    const std::vector<std::uint8_t> bytes = {0x40, 0xFC, 'b', 'e', 'r', 0x00, 0x00}; // "über"
    const auto d = decode(DictionaryFile::German, bytes);
    ASSERT_EQ(d.headwords.size(), 1u);
    EXPECT_EQ(d.headwords[0], "\xFC"
                              "ber");
}

TEST(BothRecords, EmptyFileHasNoHeadwords)
{
    EXPECT_TRUE(decode(DictionaryFile::German, {}).headwords.empty());
    EXPECT_TRUE(decode(DictionaryFile::English, {}).headwords.empty());
}

// Malformed records are repaired the same way every time; these pin the repairs.
TEST(MalformedRecords, PrefixBeyondPreviousHeadwordTakesAllOfIt)
{
    // clang-format off
    const std::vector<std::uint8_t> bytes = {
        0x20, 'a', 'b', 0x01, 0x00, 0x00, // "ab"
        0x1F, 'c', 0x01, 0x00, 0x00,      // P=15 > 2: "ab" + "c"
    };
    // clang-format on
    RecordDecoder decoder(DictionaryFile::English, bytes);
    DecodedRecord record;
    ASSERT_TRUE(decoder.next(record));
    ASSERT_TRUE(decoder.next(record));
    EXPECT_EQ(record.headword, "abc");
    EXPECT_TRUE(record.prefixClamped());
}

TEST(MalformedRecords, CountAboveThreeKeepsThreeAndStaysAligned)
{
    // clang-format off
    const std::vector<std::uint8_t> bytes = {
        0x10, 'a', 0x05, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, // N=5
        0x10, 'b', 0x01, 9, 0,                          // next record still decodes
    };
    // clang-format on
    const auto d = decode(DictionaryFile::English, bytes);
    EXPECT_EQ(d.headwords, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(d.references, (std::vector<Slots>{{1, 2, 3}, {9, X, X}}));
}

TEST(MalformedRecords, CountZeroLeavesEverySlotEmpty)
{
    const std::vector<std::uint8_t> bytes = {0x10, 'a', 0x00};
    const auto d = decode(DictionaryFile::English, bytes);
    EXPECT_EQ(d.references, (std::vector<Slots>{{X, X, X}}));
}

// Cutting a valid file at every byte keeps exactly the records that end before the cut.
TEST(MalformedRecords, TruncationAtEveryByteKeepsCompleteRecords)
{
    // clang-format off
    const std::vector<std::uint8_t> english = {
        0x30, 'h', 'o', 't', 0x01, 0x05, 0x00,
        0x23, 'e', 'l', 0x02, 0x07, 0x00, 0x0C, 0x00,
        0x13, 'x', 0x03, 1, 0, 2, 0, 3, 0,
    };
    const std::vector<std::uint8_t> german = {
        0x20, 'z', 'u', 0x07, 0x00,
        0xF2, 0x02, 'g', 'e', 0x01, 0x00,
        0x40, 0xC4, 'r', 'g', 'e', 0x02, 0x00,
    };
    // clang-format on
    for (auto [file, bytes, ends] :
         {std::tuple{DictionaryFile::English, english, std::vector<std::size_t>{7, 15, 24}},
          std::tuple{DictionaryFile::German, german, std::vector<std::size_t>{5, 11, 18}}}) {
        const auto whole = decode(file, bytes);
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            const std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + long(cut));
            const auto d = decode(file, prefix);
            const auto complete = std::size_t(std::count_if(
                ends.begin(), ends.end(), [cut](std::size_t end) { return end <= cut; }));
            ASSERT_EQ(d.headwords.size(), complete) << "cut at " << cut;
            for (std::size_t i = 0; i < complete; ++i)
                EXPECT_EQ(d.headwords[i], whole.headwords[i]);
            EXPECT_EQ(d.stoppedAt, complete ? ends[complete - 1] : 0);
        }
    }
}

} // namespace
} // namespace wb
