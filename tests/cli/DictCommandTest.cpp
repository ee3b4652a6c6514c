// Runs the built woerterbuch-dict on generated data files and compares its output.
#include "cli/Commands.h"
#include "cli/InputLines.h"
#include "dictionary/RecordEncoder.h"
#include "dictionary/Windows1252.h"
#include "forms/FormsFile.h"
#include "tests/cli/DictRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <sstream>
#include <unistd.h>

namespace wb {
namespace {

using test::dict;
using test::runProcess;
using test::TempDir;

// The same with `input` on standard input.
test::ProcessResult dictWithInput(const std::vector<std::string>& args, std::string_view input)
{
    TempDir inputDir;
    test::writeFile(inputDir.path() / "input", input);
    return runProcess(WB_DICT_COMMAND, args, {}, inputDir.path() / "input");
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// One JSON array of a lookup as (headword, translations) pairs; fails the test when
// the text is not exactly such an array.
using JsonRow = std::pair<std::string, std::vector<std::string>>;
std::vector<JsonRow> parseRows(const std::string& text)
{
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    EXPECT_TRUE(document.isArray()) << text;
    std::vector<JsonRow> rows;
    for (const auto& value : document.array()) {
        const QJsonObject object = value.toObject();
        EXPECT_EQ(object.keys(), (QStringList{"headword", "translations"})) << text;
        JsonRow row{object["headword"].toString().toStdString(), {}};
        for (const auto& translation : object["translations"].toArray())
            row.second.push_back(translation.toString().toStdString());
        rows.push_back(row);
    }
    return rows;
}

// A small pair of files written from entries in file order, each with a forms file
// that holds no form, as a compile without form tables writes it.
void writePair(const std::filesystem::path& dir,
               const std::vector<std::pair<std::string, std::vector<std::uint16_t>>>& english,
               const std::vector<std::pair<std::string, std::uint16_t>>& german)
{
    RecordEncoder en(DictionaryFile::English), de(DictionaryFile::German);
    std::vector<std::string> englishWords, germanWords;
    for (const auto& [word, refs] : english) {
        englishWords.push_back(utf8ToWindows1252(word));
        ASSERT_TRUE(en.append(englishWords.back(), refs));
    }
    for (const auto& [word, ref] : german) {
        const std::uint16_t refs[] = {ref};
        germanWords.push_back(utf8ToWindows1252(word));
        ASSERT_TRUE(de.append(germanWords.back(), refs));
    }
    test::writeFile(dir / "engdeu.dat", en.bytes());
    test::writeFile(dir / "deueng.dat", de.bytes());
    const auto noForms = [](const std::vector<std::string>& words) {
        const std::vector<std::string_view> views(words.begin(), words.end());
        return encodeForms(headwordListHash(views), {});
    };
    test::writeFile(dir / "engforms.dat", noForms(englishWords));
    test::writeFile(dir / "deuforms.dat", noForms(germanWords));
}

class DictCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        writePair(dir.path(), {{"hot", {3}}, {"hotel", {1}}, {"house", {0, 65535, 2}}},
                  {{"Haus", 2}, {"Hotel", 1}, {"Gebäude", 2}, {"heiß", 0}, {"über", 0}});
    }
    TempDir dir;
    std::string data() const { return dir.path().string(); }
};

TEST_F(DictCommand, LookupPrintsRowsInUtf8InFileOrder)
{
    auto r = dict({"lookup", "--data", data(), "en", "HO"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "hot\theiß\nhotel\tHotel\nhouse\tHaus; Gebäude\n");
    EXPECT_EQ(r.err, "");

    r = dict({"lookup", "--data=" + data(), "de", "üb"});
    EXPECT_EQ(r.out, "über\thot\n");
    r = dict({"lookup", "--data", data(), "de", "Üb"});
    EXPECT_EQ(r.out, ""); // umlauts are not folded
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(DictCommand, FailingLookupKeepsEarlierRowsAndExitsTwo)
{
    writePair(dir.path(), {{"ant", {0}}, {"apple", {0, 9}}, {"axe", {0}}}, {{"Ameise", 0}});
    const auto r = dict({"lookup", "--data", data(), "en", "a"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "ant\tAmeise\napple\t\n");
    EXPECT_EQ(r.err, "Der Index der Liste überschreitet das Maximum (9)\n");
}

TEST_F(DictCommand, MissingFileIsReportedAndTheLookupGoesOn)
{
    std::filesystem::remove(dir.path() / "deueng.dat");
    auto r = dict({"lookup", "--data", data(), "de", "h"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Fehler: konnte Datei deueng.dat nicht öffnen!\n");
    // English headwords load, but their translations point into the missing file.
    r = dict({"lookup", "--data", data(), "en", "hot"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "hot\t\n");
}

TEST_F(DictCommand, DumpListsEveryRecordWithItsReferences)
{
    auto r = dict({"dump", "--data", data(), "en"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "0\thot\t3 65535 65535\n1\thotel\t1 65535 65535\n2\thouse\t0 65535 2\n");
    r = dict({"dump", "--data", data(), "de"});
    EXPECT_EQ(r.out, "0\tHaus\t2\n1\tHotel\t1\n2\tGebäude\t2\n3\theiß\t0\n4\tüber\t0\n");
}

TEST_F(DictCommand, CheckAcceptsAGoodPairAndLocatesProblems)
{
    auto r = dict({"check", "--data", data()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "deueng.dat: 5 records, 38 bytes\nengdeu.dat: 3 records, 24 bytes\n"
                     "deuforms.dat: 0 forms, 16 bytes\nengforms.dat: 0 forms, 16 bytes\n"
                     "well formed\n");

    writePair(dir.path(), {{"a", {0}}, {"b", {7}}}, {{"x", 0}});
    r = dict({"check", "--data", data()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("engdeu.dat: record 1 at byte 5: reference 7 is not below"),
              std::string::npos)
        << r.out;
    std::filesystem::remove(dir.path() / "engdeu.dat");
    r = dict({"check", "--data", data()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("engdeu.dat: cannot be opened"), std::string::npos);
}

// A leftover's name is the directory's to choose: its escapes reach the terminal as text.
TEST_F(DictCommand, CheckNamesALeftoverWithEscapesAsText)
{
    test::writeFile(dir.path() / ".engdeu.dat.new-\x1b[2J\x1b[H\xE4", std::string_view("half"));
    const auto r = dict({"check", "--data", data()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("\".engdeu.dat.new-\\x1b[2J\\x1b[H\\xe4\": left over from"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

TEST_F(DictCommand, DataDefaultsToTheCommandsOwnDirectory)
{
    // Files in the current directory must not be the ones used.
    writePair(dir.path(), {{"hxqzv", {0}}}, {{"Hxqzv", 0}});
    const auto commandDir = std::filesystem::path(WB_DICT_COMMAND).parent_path();
    const auto explicitRun = dict({"lookup", "--data", commandDir.string(), "en", "h"});
    const auto defaultRun = dict({"lookup", "en", "h"}, dir.path());
    EXPECT_EQ(defaultRun.exitCode, explicitRun.exitCode);
    EXPECT_EQ(defaultRun.out, explicitRun.out);
    EXPECT_EQ(defaultRun.out.find("hxqzv"), std::string::npos);
    EXPECT_NE(defaultRun.out, "");
}

// A vocabulary for the options: umlauts and ß to fold, a misspelling to correct.
class LookupOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        writePair(dir.path(),
                  {{"accommodation", {0}},
                   {"accommodations", {0}},
                   {"apples", {1}},
                   {"hot", {5}},
                   {"hotel", {4}},
                   {"house", {3, 65535, 2}},
                   {"street", {6}}},
                  {{"Unterkunft", 0},
                   {"Äpfel", 2},
                   {"Gebäude", 5},
                   {"Haus", 5},
                   {"Hotel", 4},
                   {"heiß", 3},
                   {"Straße", 6},
                   {"Straßenbahn", 6}});
    }
    test::ProcessResult lookup(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"lookup", "--data", dir.path().string()});
        return dict(args);
    }
    TempDir dir;
};

TEST_F(LookupOptions, MatchingOptionsAndExitStatusesCombine)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const std::string house = "house\tHaus; Gebäude\n";
    for (const Case& c : std::vector<Case>{
             {{"en", "HO"}, 0, "hot\theiß\nhotel\tHotel\n" + house},
             {{"--exact", "en", "HOT"}, 0, "hot\theiß\n"},
             {{"--exact", "en", "hou"}, 0, ""},
             {{"--exact", "--status", "en", "hou"}, 1, ""},
             {{"--status", "en", "hou"}, 0, house},
             {{"de", "STRASSE"}, 0, ""}, // the window's folding knows a-z only
             {{"--status", "de", "strasse"}, 1, ""},
             {{"--fold", "de", "STRASSE"}, 0, "Straße\tstreet\nStraßenbahn\tstreet\n"},
             {{"--fold", "de", "Straße"}, 0, "Straße\tstreet\nStraßenbahn\tstreet\n"},
             {{"--fold", "--exact", "de", "strasse"}, 0, "Straße\tstreet\n"},
             {{"--fold", "de", "äpfel"}, 0, "Äpfel\tapples\n"},
             {{"--fold", "de", "AEPFEL"}, 0, "Äpfel\tapples\n"},
             {{"--fold", "--status", "de", ""}, 1, ""}, // an empty text matches nothing
             {{"en", "hot", "zzz", "house"}, 0, "hot\theiß\nhotel\tHotel\n" + house},
             {{"--status", "--exact", "en", "zzz", "house"}, 0, house}, // one matched
             {{"--status", "en", "--", "--fold"}, 1, ""},
         }) {
        const auto r = lookup(c.args);
        EXPECT_EQ(r.exitCode, c.status) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_EQ(r.out, c.out) << ::testing::PrintToString(c.args);
    }
}

TEST_F(LookupOptions, MissingVocabularyExitsThreeWhateverTheOptions)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"lookup", "--data", "/nonexistent", "en", "house"},
             {"lookup", "--data", "/nonexistent", "--status", "--json", "de", "Haus"},
             {"dump", "--data", "/nonexistent", "en"}}) {
        const auto r = dict(args);
        EXPECT_EQ(r.exitCode, 3) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Fehler: konnte Datei deueng.dat nicht öffnen!\n"
                         "Fehler: konnte Datei engdeu.dat nicht öffnen!\n");
    }
    // One readable file is a vocabulary, if a poor one.
    std::filesystem::remove(dir.path() / "deueng.dat");
    EXPECT_EQ(lookup({"--exact", "en", "zzz"}).exitCode, 0);
}

TEST_F(LookupOptions, JsonParsesBackToHeadwordsWithSeparateTranslations)
{
    auto r = lookup({"--json", "en", "ho"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(linesOf(r.out).size(), 1u);
    EXPECT_EQ(parseRows(r.out),
              (std::vector<JsonRow>{
                  {"hot", {"heiß"}}, {"hotel", {"Hotel"}}, {"house", {"Haus", "Gebäude"}}}));
    r = lookup({"--json", "--status", "en", "nothing"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "[]\n");

    // Several texts: one array a line, in the order of the texts.
    r = lookup({"--json", "--fold", "--exact", "de", "strasse", "nothing", "AEPFEL"});
    const auto lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(parseRows(lines[0]), (std::vector<JsonRow>{{"Straße", {"street"}}}));
    EXPECT_EQ(parseRows(lines[1]), std::vector<JsonRow>{});
    EXPECT_EQ(parseRows(lines[2]), (std::vector<JsonRow>{{"Äpfel", {"apples"}}}));
}

TEST_F(LookupOptions, FailingJsonLookupStaysParseableAndExitsTwo)
{
    writePair(dir.path(), {{"ant", {0}}, {"apple", {0, 9}}, {"axe", {0}}}, {{"Ameise", 0}});
    const auto r = lookup({"--json", "en", "a"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(parseRows(r.out), (std::vector<JsonRow>{{"ant", {"Ameise"}}, {"apple", {}}}));
    EXPECT_EQ(r.err, "Der Index der Liste überschreitet das Maximum (9)\n");
}

TEST_F(LookupOptions, NothingFoundSuggestsHeadwordsWithinTwoEdits)
{
    auto r = lookup({"en", "acommodation"}); // one edit, and two
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "woerterbuch-dict: no match for \"acommodation\"; did you mean: "
                     "accommodation, accommodations\n");
    r = lookup({"--exact", "en", "hotl"});
    EXPECT_EQ(r.err, "woerterbuch-dict: no match for \"hotl\"; did you mean: hot, hotel\n");
    r = lookup({"--quiet", "--status", "en", "acommodation"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "");
    r = lookup({"en", "qqqqqqqqqqqq"}); // nothing near: silence, as before
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(lookup({"en", "hous"}).err, ""); // a match needs no hint
}

TEST_F(LookupOptions, StandardInputGivesOneLookupPerLineInOrder)
{
    const std::vector<std::string> cycle{"house", "nothing", "hot", "STRASSE", ""};
    std::string input;
    for (int i = 0; i < 10000; ++i)
        input += cycle[std::size_t(i) % cycle.size()] + (i % 7 == 0 ? "\r\n" : "\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--stdin"}, std::vector<std::string>{"-"}}) {
        std::vector<std::string> all{"lookup",  "--data", dir.path().string(), "--json",
                                     "--exact", "--fold", "--quiet",           "en"};
        if (args[0] == "--stdin")
            all.insert(all.begin() + 3, "--stdin");
        else
            all.push_back("-");
        const auto r = dictWithInput(all, input);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err, "");
        const auto lines = linesOf(r.out);
        ASSERT_EQ(lines.size(), 10000u);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto rows = parseRows(lines[i]);
            const std::string& text = cycle[i % cycle.size()];
            const bool found = text == "house" || text == "hot";
            ASSERT_EQ(rows.size(), found ? 1u : 0u) << "line " << i << ": " << lines[i];
            if (found) {
                ASSERT_EQ(rows[0].first, text);
            }
        }
    }
    // Texts given around "-" keep their places.
    const auto r = dictWithInput(
        {"lookup", "--data", dir.path().string(), "--exact", "en", "hotel", "-", "hot"}, "house\n");
    EXPECT_EQ(r.out, "hotel\tHotel\nhouse\tHaus; Gebäude\nhot\theiß\n");
}

// Lines of standard input made on the fly: "house", a line of `length` letters that is
// never held anywhere, "hot".
struct LongLineInput : std::streambuf {
    explicit LongLineInput(std::size_t length)
        : m_left(length)
    {
    }
    int_type underflow() override
    {
        if (m_stage == 0)
            return serve("house\n", 1);
        if (m_stage == 1 && m_left > 0) {
            const std::size_t n = std::min(m_left, m_letters.size());
            m_left -= n;
            setg(m_letters.data(), m_letters.data(), m_letters.data() + n);
            return 'a';
        }
        if (m_stage == 1)
            return serve("\nhot\n", 2);
        return traits_type::eof();
    }

private:
    int_type serve(const char* text, int next)
    {
        m_text = text;
        m_stage = next;
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
        return m_text[0];
    }
    std::size_t m_left;
    int m_stage = 0;
    std::string m_text;
    std::string m_letters = std::string(1 << 16, 'a');
};

TEST_F(LookupOptions, ALineLongerThanAnyHeadwordFindsNothingAndIsCountedOnce)
{
    for (const bool json : {false, true}) {
        LongLineInput input(std::size_t(64) << 20);
        std::istream in(&input);
        std::ostringstream out, err;
        std::vector<std::string> args{"--data", dir.path().string(), "--exact", "--stdin", "en"};
        if (json)
            args.insert(args.begin(), "--json");
        EXPECT_EQ(cli::lookupCommand(args, in, out, err), cli::kExitOk);
        EXPECT_EQ(out.str(), json ? "[{\"headword\":\"house\",\"translations\":[\"Haus\","
                                    "\"Gebäude\"]}]\n[]\n[{\"headword\":\"hot\","
                                    "\"translations\":[\"heiß\"]}]\n"
                                  : "house\tHaus; Gebäude\nhot\theiß\n");
        EXPECT_EQ(err.str(), "woerterbuch-dict: 1 line(s) of standard input longer than 64 KiB "
                             "found nothing\n");
    }
    // The longest line that is still looked up.
    std::istringstream in(std::string(cli::kMaxInputLineBytes, 'h') + "\r\n");
    std::ostringstream out, err;
    const std::vector<std::string> args{"--data", dir.path().string(), "--quiet", "--stdin", "en"};
    EXPECT_EQ(cli::lookupCommand(args, in, out, err), cli::kExitOk);
    EXPECT_EQ(err.str(), "");
}

TEST_F(LookupOptions, ControlBytesInHeadwordsArePrintedEscaped)
{
    writePair(dir.path(), {{"a\tfake\nb", {0}}, {"esc\x1b[31m\\", {0}}}, {{"X\x7f", 0}});
    auto r = lookup({"en", "a"});
    EXPECT_EQ(r.out, "a\\tfake\\nb\tX\\x7f\n");
    r = lookup({"en", "esc"});
    EXPECT_EQ(r.out, "esc\\x1b[31m\\\\\tX\\x7f\n");
    r = dict({"dump", "--data", dir.path().string(), "en"});
    EXPECT_EQ(r.out, "0\ta\\tfake\\nb\t0 65535 65535\n1\tesc\\x1b[31m\\\\\t0 65535 65535\n");
    // JSON carries the bytes themselves, escaped as JSON.
    r = lookup({"--json", "en", "e"});
    EXPECT_EQ(parseRows(r.out), (std::vector<JsonRow>{{"esc\x1b[31m\\", {"X\x7f"}}}));
}

// Started from a copy that is deleted before it runs, as through /proc/self/fd/N: the
// kernel's link to the executable then names no file, and a pair planted in the
// current directory must not be read instead.
TEST_F(DictCommand, AnExecutableWhoseDirectoryCannotBeFoundReadsNothing)
{
    TempDir copyDir;
    const auto copy = copyDir.path() / "woerterbuch-dict";
    std::filesystem::copy_file(WB_DICT_COMMAND, copy);
    const int program = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(program, 0);
    std::filesystem::remove(copy);
    test::ProcessResult last;
    const auto run = [&](const std::vector<std::string>& args) {
        test::ProcessOptions options;
        options.workingDirectory = dir.path();
        options.programDescriptor = program;
        last = runProcess(copy, args, options);
        return last.exitCode;
    };
    for (const auto& verb :
         std::vector<std::vector<std::string>>{{"lookup", "en", "h"}, {"dump", "en"}, {"check"}}) {
        SCOPED_TRACE(verb[0]);
        EXPECT_EQ(run(verb), 3);
        EXPECT_EQ(last.out, "");
        EXPECT_TRUE(last.err.starts_with(
            "woerterbuch-dict: cannot find the program's own directory: /proc/self/exe: "))
            << last.err;
    }
    // Told where the data lies, it needs no directory of its own.
    EXPECT_EQ(run({"lookup", "--data", data(), "en", "hou"}), 0);
    EXPECT_EQ(last.out, "house\tHaus; Gebäude\n");
    ::close(program);
}

TEST(DictCommandUsage, WrongUsageExitsSixtyFourWithUsageOnStderr)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"lookup", "en"},
                                                                  {"lookup", "fr", "x"},
                                                                  {"dump"},
                                                                  {"check", "extra"},
                                                                  {"lookup", "--data"},
                                                                  {"dump", "--colour", "en"},
                                                                  {"lookup", "--stdin", "en", "x"},
                                                                  {"lookup", "--stdin"},
                                                                  {"lookup", "--exact", "en"},
                                                                  {"dump", "--json", "en"}}) {
        const auto r = dict(args);
        EXPECT_EQ(r.exitCode, 64) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("usage: woerterbuch-dict lookup"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    const auto help = dict({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: woerterbuch-dict lookup"), std::string::npos);
}

} // namespace
} // namespace wb
