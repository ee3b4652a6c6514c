// The quote of input in a message: whatever the bytes, one line of printable text that
// a terminal shows as it stands, of bounded length.
#include "messages/QuotedInput.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

namespace wb::messages {
namespace {

struct Case {
    const char* name;
    std::string input;
    std::string quoted;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class QuotedInput : public ::testing::TestWithParam<Case> {};

TEST_P(QuotedInput, EscapesAsDocumented)
{
    EXPECT_EQ(quotedInput(GetParam().input), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, QuotedInput,
    ::testing::Values(Case{"Plain", "house", "\"house\""}, Case{"Empty", "", "\"\""},
                      Case{"QuoteAndBackslash", "a\"b\\", "\"a\\\"b\\\\\""},
                      Case{"Umlaut",
                           "Gr\xC3\xBC\xC3\x9F"
                           "e",
                           "\"Gr\xC3\xBC\xC3\x9F"
                           "e\""},
                      Case{"TerminalTitle", "5\x1b]0;PWNED\a", "\"5\\x1b]0;PWNED\\x07\""},
                      Case{"LineEndsAndDelete", "a\nb\r\t\x7F", "\"a\\x0ab\\x0d\\x09\\x7f\""},
                      Case{"C1ControlsInUtf8",
                           "\xC2\x9B"
                           "2J\xC2\x90",
                           "\"\\xc2\\x9b2J\\xc2\\x90\""},
                      Case{"NoBreakSpaceIsPrintable", "\xC2\xA0", "\"\xC2\xA0\""},
                      Case{"Windows1252Bytes", "\x81\x9D\xE4", "\"\\x81\\x9d\\xe4\""},
                      Case{"Overlong", "\xC0\xAF", "\"\\xc0\\xaf\""},
                      Case{"Surrogate", "\xED\xA0\x80", "\"\\xed\\xa0\\x80\""},
                      Case{"PastTheLastCodePoint", "\xF4\x90\x80\x80", "\"\\xf4\\x90\\x80\\x80\""},
                      Case{"CutInsideACharacter", "\xE2\x82", "\"\\xe2\\x82\""},
                      Case{"LongIsCut", std::string(100, 'a'),
                           "\"" + std::string(kQuotedInputBytes, 'a') + "\"... (100 bytes)"},
                      Case{"CutAtACharactersEnd",
                           std::string(kQuotedInputBytes - 1, 'a') + "\xC3\xA4",
                           "\"" + std::string(kQuotedInputBytes - 1, 'a') + "\"... (61 bytes)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Any bytes at all: nothing a terminal acts on, and never longer than every shown byte
// escaped plus the note of the length.
TEST(QuotedInputOfAnyBytes, IsPrintableAndBounded)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 300);
    for (int round = 0; round < 2000; ++round) {
        std::string input(std::size_t(length(rng)), '\0');
        for (char& c : input)
            c = char(byte(rng));
        const std::string quoted = quotedInput(input);
        EXPECT_LE(quoted.size(), 4 * kQuotedInputBytes + 24);
        for (std::size_t i = 0; i < quoted.size(); ++i) {
            const auto c = static_cast<unsigned char>(quoted[i]);
            ASSERT_FALSE(c < 0x20 || c == 0x7F) << round;
            if (c == 0xC2 && i + 1 < quoted.size()) {
                ASSERT_GE(static_cast<unsigned char>(quoted[i + 1]), 0xA0) << round;
            }
        }
    }
}

// A path reads as it stands unless it could be misread or drive a terminal; then it is
// quoted as input is, with room for any path the system opens.
TEST(QuotedPath, IsQuotedOnlyWhenItWouldNotReadAsItStands)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/share/woerterbuch/engdeu.dat", "/usr/share/woerterbuch/engdeu.dat"},
        {"/tmp/W\xC3\xB6rter/list.tsv", "/tmp/W\xC3\xB6rter/list.tsv"},
        {"", "\"\""},
        {"/tmp/my list.tsv", "\"/tmp/my list.tsv\""},
        {"/tmp/\x1b]0;PWNED\a/list", "\"/tmp/\\x1b]0;PWNED\\x07/list\""},
        {"/tmp/\xC2\x9B"
         "2J",
         "\"/tmp/\\xc2\\x9b2J\""},
        {"/tmp/\xE4.tsv", "\"/tmp/\\xe4.tsv\""},
        {"/tmp/a\"b\\c", "\"/tmp/a\\\"b\\\\c\""},
    };
    for (const auto& [path, quoted] : cases)
        EXPECT_EQ(quotedPath(path), quoted) << path;

    const std::string deep = "/" + std::string(kQuotedPathBytes, 'd');
    EXPECT_EQ(quotedPath(deep), "\"" + deep.substr(0, kQuotedPathBytes) + "\"... (" +
                                    std::to_string(deep.size()) + " bytes)");
    const std::string longest = std::string(kQuotedPathBytes, 'd');
    EXPECT_EQ(quotedPath(longest), longest);
}

} // namespace
} // namespace wb::messages
