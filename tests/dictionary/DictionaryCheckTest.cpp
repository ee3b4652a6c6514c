#include "dictionary/DictionaryCheck.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace wb {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> problems(const Bytes& german, const Bytes& english)
{
    std::vector<std::string> lines;
    for (const auto& p : checkDictionaryFiles(german, english).problems)
        lines.push_back(std::string(fileName(p.file)) + " #" + std::to_string(p.record) + " @" +
                        std::to_string(p.offset) + ": " + p.what);
    return lines;
}

// clang-format off
const Bytes kGerman = {0x20, 'z', 'u', 0x00, 0x00,  // "zu" -> 0
                       0x30, 'H', 'u', 't', 0x01, 0x00}; // "Hut" -> 1
const Bytes kEnglish = {0x20, 't', 'o', 0x01, 0x00, 0x00,  // "to" -> 0
                        0x30, 'h', 'a', 't', 0x01, 0x01, 0x00}; // "hat" -> 1
// clang-format on

TEST(DictionaryCheck, GeneratedPairIsWellFormed)
{
    const auto d = test::generateDictionary(500, 700, 9);
    const auto report = checkDictionaryFiles(d.deueng, d.engdeu);
    EXPECT_TRUE(report.wellFormed());
    EXPECT_EQ(report.german.records, 700u);
    EXPECT_EQ(report.english.records, 500u);
    EXPECT_EQ(report.english.bytes, d.engdeu.size());
}

TEST(DictionaryCheck, EachDefectIsReportedWithRecordAndOffset)
{
    EXPECT_TRUE(problems(kGerman, kEnglish).empty());

    Bytes prefix = kEnglish;
    prefix[6] = 0x33; // P=3 but "to" has 2 bytes
    EXPECT_EQ(
        problems(kGerman, prefix),
        std::vector<std::string>{"engdeu.dat #1 @6: keeps 3 bytes of a previous headword of 2"});

    Bytes count = kEnglish;
    count[3] = 0x00; // N=0 and the two index bytes become a record of their own
    EXPECT_EQ(problems(kGerman, count).front(),
              "engdeu.dat #0 @0: has 0 references (1 to 3 allowed)");

    Bytes range = kGerman;
    range[9] = 0x02; // English has only two records
    EXPECT_EQ(problems(range, kEnglish),
              std::vector<std::string>{
                  "deueng.dat #1 @5: reference 2 is not below the engdeu.dat record count 2"});

    // The cut record is lost, so the German reference to it no longer resolves.
    Bytes cut(kEnglish.begin(), kEnglish.end() - 1);
    EXPECT_EQ(problems(kGerman, cut),
              (std::vector<std::string>{
                  "deueng.dat #1 @5: reference 1 is not below the engdeu.dat record count 1",
                  "engdeu.dat #1 @6: the file ends inside the record (6 bytes left)"}));

    Bytes sentinel = kEnglish;
    sentinel[4] = sentinel[5] = 0xFF;
    EXPECT_EQ(problems(kGerman, sentinel),
              std::vector<std::string>{
                  "engdeu.dat #0 @0: the first reference is 65535 (no translation)"});
}

TEST(DictionaryCheck, MissingFileIsNotWellFormedButTheOtherIsChecked)
{
    const auto report = checkDictionaryFiles(std::nullopt, kEnglish);
    EXPECT_FALSE(report.wellFormed());
    EXPECT_FALSE(report.german.opened);
    EXPECT_EQ(report.english.records, 2u);
    // Both references point into the missing file: counted, not listed one by one.
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(report.english.referencesIntoMissing, 2u);
    EXPECT_EQ(report.problemCount(), 2u);

    const auto neither = checkDictionaryFiles(std::nullopt, std::nullopt);
    EXPECT_EQ(neither.problemCount(), 2u);
}

TEST(DictionaryCheck, ControlBytesInAHeadwordAreProblems)
{
    // Printed, LF and TAB forge rows, ESC starts a terminal sequence; DEL and NUL are
    // no text either. A byte from 0x20 up (but 0x7F) is fine, 0x80 to 0xFF included.
    const std::pair<std::uint8_t, const char*> controls[] = {
        {0x00, "0x00"}, {0x09, "0x09"}, {0x0A, "0x0A"}, {0x0D, "0x0D"},
        {0x1B, "0x1B"}, {0x1F, "0x1F"}, {0x7F, "0x7F"}};
    for (const auto& [control, hex] : controls) {
        SCOPED_TRACE(hex);
        Bytes english = kEnglish;
        english[8] = control; // "hat" becomes "h?t"
        EXPECT_EQ(
            problems(kGerman, english),
            std::vector<std::string>{"engdeu.dat #1 @6: the headword holds the control byte " +
                                     std::string(hex) + " at position 1"});
    }
    Bytes german = kGerman;
    german[1] = 0xFC; // "ü" in the code page
    german[2] = ' ';
    EXPECT_TRUE(problems(german, kEnglish).empty());
}

TEST(DictionaryCheck, BytesWindows1252LeavesUndefinedAreProblems)
{
    for (const std::uint8_t byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        Bytes english = kEnglish;
        english[8] = byte;
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", byte);
        EXPECT_EQ(problems(kGerman, english),
                  std::vector<std::string>{"engdeu.dat #1 @6: the headword holds the byte " +
                                           std::string(hex) +
                                           " at position 1, which Windows-1252 leaves undefined"});
    }
    for (const std::uint8_t byte : {0x80, 0x8E, 0x9F, 0xA0}) {
        Bytes english = kEnglish;
        english[8] = byte;
        EXPECT_TRUE(problems(kGerman, english).empty()) << int(byte);
    }
}

TEST(DictionaryCheck, MoreRecordsThanIndicesCanAddressStopsTheCheck)
{
    Bytes german;
    for (std::size_t i = 0; i <= kMaxRecords; ++i)
        german.insert(german.end(), {0x10, 'a', 0x00, 0x00});
    const auto report = checkDictionaryFiles(german, Bytes{0x10, 'a', 0x01, 0x00, 0x00});
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].record, kMaxRecords);
    EXPECT_EQ(report.german.records, kMaxRecords);
}

} // namespace
} // namespace wb
