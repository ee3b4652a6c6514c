// Runs the built woerterbuch-dict on generated data files and compares its output.
#include "dictionary/RecordEncoder.h"
#include "dictionary/Windows1252.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace wb {
namespace {

using test::runProcess;
using test::TempDir;

test::ProcessResult dict(const std::vector<std::string>& args,
                         const std::filesystem::path& cwd = {})
{
    return runProcess(WB_DICT_COMMAND, args, cwd);
}

// A small pair of files written from entries in file order.
void writePair(const std::filesystem::path& dir,
               const std::vector<std::pair<std::string, std::vector<std::uint16_t>>>& english,
               const std::vector<std::pair<std::string, std::uint16_t>>& german)
{
    RecordEncoder en(DictionaryFile::English), de(DictionaryFile::German);
    for (const auto& [word, refs] : english)
        ASSERT_TRUE(en.append(utf8ToWindows1252(word), refs));
    for (const auto& [word, ref] : german) {
        const std::uint16_t refs[] = {ref};
        ASSERT_TRUE(de.append(utf8ToWindows1252(word), refs));
    }
    test::writeFile(dir / "engdeu.dat", en.bytes());
    test::writeFile(dir / "deueng.dat", de.bytes());
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
    EXPECT_EQ(r.out,
              "deueng.dat: 5 records, 38 bytes\nengdeu.dat: 3 records, 24 bytes\nwell formed\n");

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

TEST(DictCommandUsage, WrongUsageExitsSixtyFourWithUsageOnStderr)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"lookup", "en"},
                                                                  {"lookup", "fr", "x"},
                                                                  {"dump"},
                                                                  {"check", "extra"},
                                                                  {"lookup", "--data"},
                                                                  {"dump", "--colour", "en"}}) {
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
