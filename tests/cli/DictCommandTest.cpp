// Runs the built woerterbuch-dict on generated data files and compares its output.
#include "dictionary/RecordEncoder.h"
#include "dictionary/Windows1252.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

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

// Started from a copy that is deleted before it runs, as through /proc/self/fd/N: the
// kernel's link to the executable then names no file, and a pair planted in the
// current directory must not be read instead.
TEST_F(DictCommand, AnExecutableWhoseDirectoryCannotBeFoundReadsNothing)
{
    TempDir copyDir, capture;
    const auto copy = copyDir.path() / "woerterbuch-dict";
    std::filesystem::copy_file(WB_DICT_COMMAND, copy);
    const int program = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(program, 0);
    std::filesystem::remove(copy);
    const auto outPath = capture.path() / "out", errPath = capture.path() / "err";
    const auto text = [](const std::filesystem::path& path) {
        const auto bytes = test::readAll(path);
        return std::string(bytes.begin(), bytes.end());
    };

    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "woerterbuch-dict");
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
                ::chdir(dir.path().c_str()) != 0)
                ::_exit(127);
            ::fexecve(program, argv.data(), environ);
            ::_exit(126);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    for (const auto& verb :
         std::vector<std::vector<std::string>>{{"lookup", "en", "h"}, {"dump", "en"}, {"check"}}) {
        SCOPED_TRACE(verb[0]);
        EXPECT_EQ(run(verb), 3);
        EXPECT_EQ(text(outPath), "");
        EXPECT_TRUE(text(errPath).starts_with(
            "woerterbuch-dict: cannot find the program's own directory: /proc/self/exe: "))
            << text(errPath);
    }
    // Told where the data lies, it needs no directory of its own.
    EXPECT_EQ(run({"lookup", "--data", data(), "en", "hou"}), 0);
    EXPECT_EQ(text(outPath), "house\tHaus; Gebäude\n");
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
