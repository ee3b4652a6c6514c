// The escaping behind every line and JSON string the command prints.
#include "cli/OutputFormat.h"
#include "dictionary/Windows1252.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <sstream>

namespace wb::cli {
namespace {

TEST(Escaping, LineFormWritesNewlineTabAndBackslashByNameAndOtherControlBytesInHex)
{
    struct Case {
        std::string text;
        std::string line;
    };
    for (const Case& c : std::vector<Case>{{"\x1b[31m", "\\x1b[31m"},
                                           {"a\nb", "a\\nb"},
                                           {"a\tb", "a\\tb"},
                                           {"a\\b", "a\\\\b"},
                                           {std::string("\0", 1), "\\x00"},
                                           {"\r\x7f", "\\x0d\\x7f"},
                                           {"\"quoted\"", "\"quoted\""},
                                           {"Straße – ü", "Straße – ü"}})
        EXPECT_EQ(escaped(c.text, Quoting::Line), c.line) << c.line;
}

TEST(Escaping, NoControlByteSurvivesAndEveryByteRoundTripsThroughJson)
{
    for (int byte = 0; byte < 0x80; ++byte) {
        const std::string text = "<" + std::string(1, char(byte)) + ">";
        for (const Quoting quoting : {Quoting::Line, Quoting::Json}) {
            const std::string out = escaped(text, quoting);
            for (const char c : out)
                EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7f) << byte;
        }
        // A second parser reads the JSON form back to the very same text.
        const std::string json = "[\"" + escaped(text, Quoting::Json) + "\"]";
        QJsonParseError error{};
        const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
        EXPECT_EQ(document.array()[0].toString().toStdString(), text) << byte;
    }
    EXPECT_EQ(escaped("\"\\ü", Quoting::Json), "\\\"\\\\ü");
}

// The five bytes Windows-1252 leaves undefined come out of the conversion as C1
// controls (0x90 is DCS, 0x9D OSC); the other characters from 0x80 up are text.
TEST(Escaping, TheC1ControlsOfUndefinedBytesAreEscapedLikeTheOthers)
{
    for (const unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string text = "a" + windows1252ToUtf8(std::string(1, char(byte))) + "b";
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        EXPECT_EQ(escaped(text, Quoting::Line), "a\\x" + std::string(hex) + "b");
        const std::string json = escaped(text, Quoting::Json);
        EXPECT_EQ(json, "a\\u00" + std::string(hex) + "b");
        const auto document =
            QJsonDocument::fromJson(QByteArray::fromStdString("[\"" + json + "\"]"));
        EXPECT_EQ(document.array()[0].toString().toStdString(), text);
    }
    const std::string euroAndDash = windows1252ToUtf8("\x80\x96\xA0");
    EXPECT_EQ(escaped(euroAndDash, Quoting::Line), euroAndDash);
    EXPECT_EQ(escaped(euroAndDash, Quoting::Json), euroAndDash);
}

TEST(RowWriters, PlainJoinsTranslationsAndJsonGivesOneArrayPerLookup)
{
    std::ostringstream plain, json;
    for (auto [format, out] :
         {std::pair{OutputFormat::Plain, &plain}, {OutputFormat::Json, &json}}) {
        const auto rows = makeRowWriter(format, *out);
        rows->beginLookup();
        rows->row("house", {"Haus", "Gebäude"});
        rows->row("hou\tse", {});
        rows->endLookup();
        rows->beginLookup();
        rows->endLookup();
    }
    EXPECT_EQ(plain.str(), "house\tHaus; Gebäude\nhou\\tse\t\n");
    EXPECT_EQ(json.str(), "[{\"headword\":\"house\",\"translations\":[\"Haus\",\"Gebäude\"]},"
                          "{\"headword\":\"hou\\tse\",\"translations\":[]}]\n[]\n");
}

} // namespace
} // namespace wb::cli
