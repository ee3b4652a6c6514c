#include "dictionary/Windows1252.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(Windows1252, EveryByteRoundTripsThroughUtf8AndUtf16)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(toWindows1252(windows1252ToUtf16(all)), all);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    std::string exact;
    EXPECT_TRUE(utf8ToWindows1252Exact(windows1252ToUtf8(all), exact));
    EXPECT_EQ(exact, all);
}

TEST(Windows1252, UmlautsEuroAndQuotesMapToTheirBytes)
{
    // clang-format off
    EXPECT_EQ(utf8ToWindows1252("Grüße €5 „x“ – …"), "Gr\xFC\xDF" "e \x80" "5 \x84x\x93 \x96 \x85");
    // clang-format on
    EXPECT_EQ(windows1252ToUtf8("\xC4rger"), "Ärger");
}

TEST(Windows1252, UnrepresentableCharactersBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(toWindows1252(u"a\u4E2D\U0001F600b"), "a??b"); // a surrogate pair is one character
    // clang-format off
    EXPECT_EQ(utf8ToWindows1252("a\xE4\xB8\xAD" "b"), "a?b");
    // clang-format on
    EXPECT_EQ(utf8ToWindows1252("a\xFF\xC3"), "a??"); // malformed UTF-8
    std::string out;
    // clang-format off
    EXPECT_FALSE(utf8ToWindows1252Exact("Stra\xC3\x9F" "e \xE4\xB8\xAD", out));
    // clang-format on
}

} // namespace
} // namespace wb
