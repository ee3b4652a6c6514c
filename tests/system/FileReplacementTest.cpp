// Replacing a pair of files: whatever goes wrong on the way, the directory holds exactly
// what it held before, byte for byte and name for name. Each failure is arranged in a
// child process (a file-size limit, another user, a pending signal) that reports the
// outcome of the replacement through its exit status and its standard output.
#include "system/FileReplacement.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <pwd.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wb {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes randomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& byte : bytes)
        byte = std::uint8_t(random());
    return bytes;
}

using test::readAll;
using test::snapshot;

struct Outcome {
    bool replaced = false;
    std::string message; // what() of the failure
    int killedBy = 0;    // the signal that ended the child, if one did
    std::string skipped; // why the situation could not be arranged
};

// Runs `arrange` and then the replacement of engdeu.dat and deueng.dat in a child.
// `arrange` returns a reason to skip, or nothing; `after` runs once the replacement is
// over, in the child too.
Outcome replaceInChild(const fs::path& directory, const Bytes& english, const Bytes& german,
                       const std::function<std::string()>& arrange,
                       const std::function<void()>& after = {})
{
    // The child reports the failure's text, or why it skipped, on its standard output.
    const test::ProcessResult run = test::runInChild([&] {
        std::string report = arrange();
        int status = 2;
        if (report.empty()) {
            const FileContent files[] = {{"engdeu.dat", english}, {"deueng.dat", german}};
            try {
                replaceFiles(directory, files);
                status = 0;
            } catch (const FileReplaceError& error) {
                report = error.what();
                status = 1;
            }
            if (after)
                after();
        }
        if (::write(1, report.data(), report.size()) < 0)
            status = 3;
        return status;
    });
    Outcome outcome;
    outcome.message = run.out;
    outcome.killedBy = run.signal;
    if (run.signal == 0 && run.exitCode == 0)
        outcome.replaced = true;
    else if (run.signal == 0 && run.exitCode == 2)
        outcome.skipped = outcome.message;
    return outcome;
}

std::string limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? "" : "cannot limit the file size";
}

using test::becomeNobody;

class FileReplacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::permissions(temp.path(), fs::perms(0755));
        test::writeFile(dir / "engdeu.dat", oldEnglish);
        test::writeFile(dir / "deueng.dat", oldGerman);
        test::writeFile(dir / "notes.txt", std::string_view("not ours"));
        before = snapshot(dir);
    }
    void expectUnchanged() { EXPECT_TRUE(snapshot(dir) == before) << "the directory changed"; }

    test::TempDir temp;
    const fs::path dir = temp.path();
    const Bytes oldEnglish = randomBytes(5000, 1), oldGerman = randomBytes(7000, 2);
    // The second file is the larger, so that a limit between the two sizes fails it after
    // the first is complete.
    const Bytes newEnglish = randomBytes(100'000, 3), newGerman = randomBytes(200'000, 4);
    std::map<std::string, Bytes> before;
};

TEST_F(FileReplacement, ReplacesBothFilesAndLeavesNothingElse)
{
    const FileContent files[] = {{"engdeu.dat", newEnglish}, {"deueng.dat", newGerman}};
    replaceFiles(dir, files);
    auto expected = before;
    expected["engdeu.dat"] = newEnglish;
    expected["deueng.dat"] = newGerman;
    EXPECT_TRUE(snapshot(dir) == expected);

    // Into an empty directory, and with an empty file.
    test::TempDir empty;
    const FileContent more[] = {{"engdeu.dat", {}}, {"deueng.dat", newGerman}};
    replaceFiles(empty.path(), more);
    EXPECT_TRUE(snapshot(empty.path()) ==
                (std::map<std::string, Bytes>{{"engdeu.dat", {}}, {"deueng.dat", newGerman}}));
}

TEST_F(FileReplacement, FullDiskAtAnyPointOfEitherFileChangesNothing)
{
    struct Point {
        rlim_t limit;
        const char* failing;
    };
    const rlim_t chunk = 64 * 1024;
    for (const Point& point :
         {Point{0, "engdeu.dat"}, Point{1, "engdeu.dat"}, Point{chunk, "engdeu.dat"},
          Point{99'999, "engdeu.dat"}, Point{100'000, "deueng.dat"}, Point{2 * chunk, "deueng.dat"},
          Point{199'999, "deueng.dat"}}) {
        SCOPED_TRACE("limit " + std::to_string(point.limit));
        const Outcome outcome =
            replaceInChild(dir, newEnglish, newGerman, [&] { return limitFileSize(point.limit); });
        ASSERT_EQ(outcome.skipped, "");
        EXPECT_FALSE(outcome.replaced);
        EXPECT_EQ(outcome.message,
                  "cannot write " + (dir / point.failing).string() + ": File too large");
        expectUnchanged();
    }
    // At the size of the larger file everything fits.
    const Outcome fits =
        replaceInChild(dir, newEnglish, newGerman, [] { return limitFileSize(200'000); });
    EXPECT_TRUE(fits.replaced) << fits.message;
}

TEST_F(FileReplacement, UnwritableDirectoryChangesNothing)
{
    fs::permissions(dir, fs::perms(0555));
    const Outcome outcome = replaceInChild(dir, newEnglish, newGerman, becomeNobody);
    fs::permissions(dir, fs::perms(0755));
    if (!outcome.skipped.empty())
        GTEST_SKIP() << outcome.skipped;
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(outcome.message,
              "cannot write " + (dir / "engdeu.dat").string() + ": Permission denied");
    expectUnchanged();
}

TEST_F(FileReplacement, DirectoryInTheWayIsFoundBeforeAnythingIsWritten)
{
    fs::remove(dir / "deueng.dat");
    fs::create_directory(dir / "deueng.dat");
    before = snapshot(dir);
    const FileContent files[] = {{"engdeu.dat", newEnglish}, {"deueng.dat", newGerman}};
    EXPECT_THROW(replaceFiles(dir, files), FileReplaceError);
    expectUnchanged();
}

// The directory is the user's to name; its escapes come out as text.
TEST_F(FileReplacement, AFailureNamesAPathWithEscapesAsText)
{
    const fs::path hostile = dir / "\x1b]0;PWNED\a\xE4";
    fs::create_directory(hostile);
    fs::create_directory(hostile / "engdeu.dat");
    const FileContent files[] = {{"engdeu.dat", newEnglish}, {"deueng.dat", newGerman}};
    const std::string shown = "\\x1b]0;PWNED\\x07\\xe4";
    try {
        replaceFiles(hostile, files);
        ADD_FAILURE() << "replaced a directory";
    } catch (const FileReplaceError& error) {
        EXPECT_EQ(error.what(),
                  "cannot write \"" + dir.string() + "/" + shown + "/engdeu.dat\": Is a directory");
    }
    try {
        DirectoryLock lock(hostile / "gone");
        ADD_FAILURE() << "locked a directory that is not there";
    } catch (const FileReplaceError& error) {
        EXPECT_EQ(error.what(), "cannot lock \"" + dir.string() + "/" + shown +
                                    "/gone\": No such file or directory");
    }
}

// In a sticky directory nobody may not rename over root's deueng.dat, so the second
// rename fails after the first has put nobody's new engdeu.dat in place; that one must
// get its previous version back.
TEST_F(FileReplacement, FailedSecondRenameRestoresTheFirstFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to arrange files of two owners";
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        GTEST_SKIP() << "there is no user nobody";
    fs::permissions(dir, fs::perms(01777));
    ASSERT_EQ(::chown((dir / "engdeu.dat").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const Outcome outcome = replaceInChild(dir, newEnglish, newGerman, becomeNobody);
    ASSERT_EQ(outcome.skipped, "");
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(outcome.message,
              "cannot write " + (dir / "deueng.dat").string() + ": Operation not permitted");
    expectUnchanged();
}

TEST_F(FileReplacement, TerminationRequestAbandonsTheWriteAndIsDeliveredAfterwards)
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGPIPE, SIGALRM,
                       SIGXCPU, SIGPROF, SIGRTMIN, SIGRTMAX}) {
        SCOPED_TRACE(signal);
        // The request is pending when the write starts, as if it had come during it.
        const auto request = [signal] {
            sigset_t set;
            sigemptyset(&set);
            sigaddset(&set, signal);
            ::sigprocmask(SIG_BLOCK, &set, nullptr);
            std::signal(signal, SIG_DFL);
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::raise(signal);
            return std::string();
        };
        const auto unblock = [signal] {
            sigset_t set;
            sigemptyset(&set);
            sigaddset(&set, signal);
            ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
        };
        const Outcome outcome = replaceInChild(dir, newEnglish, newGerman, request, unblock);
        EXPECT_EQ(outcome.killedBy, signal);
        expectUnchanged();
    }
}

TEST_F(FileReplacement, FileSizeLimitIsAnErrorNotTheEndOfTheProcess)
{
    const Outcome outcome = replaceInChild(dir, newEnglish, newGerman, [] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{150'000, 150'000};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? "" : "cannot limit the file size";
    });
    EXPECT_EQ(outcome.killedBy, 0);
    EXPECT_EQ(outcome.message,
              "cannot write " + (dir / "deueng.dat").string() + ": File too large");
    expectUnchanged();
}

TEST_F(FileReplacement, RecoveryPutsBackTheOlderPairOfAnInterruptedSwap)
{
    const std::string names[] = {"engdeu.dat", "deueng.dat"};
    // Killed after the first rename: new engdeu.dat, old deueng.dat, both old links.
    ASSERT_EQ(::link((dir / "engdeu.dat").c_str(), (dir / ".engdeu.dat.old-abcd1234").c_str()), 0);
    ASSERT_EQ(::link((dir / "deueng.dat").c_str(), (dir / ".deueng.dat.old-abcd1234").c_str()), 0);
    fs::remove(dir / "engdeu.dat");
    test::writeFile(dir / "engdeu.dat", newEnglish);
    test::writeFile(dir / ".deueng.dat.new-00000000", newGerman);
    EXPECT_EQ(leftoverTemporaries(dir, names),
              (std::vector<std::string>{".deueng.dat.new-00000000", ".deueng.dat.old-abcd1234",
                                        ".engdeu.dat.old-abcd1234"}));
    EXPECT_EQ(recoverReplacement(dir, names), 3u);
    expectUnchanged();

    // Killed after both renames, while the links went: the new pair is whole and stays.
    for (const auto& [name, bytes] :
         {std::pair{"engdeu.dat", &newEnglish}, {"deueng.dat", &newGerman}}) {
        test::writeFile(dir / "staged", *bytes);
        fs::rename(dir / "staged", dir / name);
    }
    test::writeFile(dir / ".deueng.dat.old-ffff0000", oldGerman);
    EXPECT_EQ(recoverReplacement(dir, names), 1u);
    EXPECT_EQ(readAll(dir / "engdeu.dat"), newEnglish);
    EXPECT_EQ(readAll(dir / "deueng.dat"), newGerman);
    EXPECT_TRUE(leftoverTemporaries(dir, names).empty());
    // Other files of the same look are not ours.
    test::writeFile(dir / ".notes.txt.new-00000000", std::string_view("x"));
    EXPECT_EQ(recoverReplacement(dir, names), 0u);
    EXPECT_TRUE(fs::exists(dir / ".notes.txt.new-00000000"));
}

TEST_F(FileReplacement, IgnoredSignalDoesNotStopTheWrite)
{
    const Outcome outcome = replaceInChild(dir, newEnglish, newGerman, [] {
        std::signal(SIGHUP, SIG_IGN); // as under nohup
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGHUP);
        ::sigprocmask(SIG_BLOCK, &set, nullptr);
        ::raise(SIGHUP);
        return std::string();
    });
    EXPECT_TRUE(outcome.replaced) << outcome.message;
    EXPECT_EQ(readAll(dir / "deueng.dat"), newGerman);
}

} // namespace
} // namespace wb
