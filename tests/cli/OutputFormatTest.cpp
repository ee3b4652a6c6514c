// The escaping behind every line and JSON string the command prints.
#include "cli/OutputFormat.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

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
