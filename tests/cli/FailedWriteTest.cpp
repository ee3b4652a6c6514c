// woerterbuch-dict when writing fails: compile keeps the previous pair of data files
// exactly as it was, and no verb reports success for output that never arrived.
#include "dictionary/RecordEncoder.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <pwd.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace wb {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using CommandRun = test::ProcessResult;

// Runs woerterbuch-dict; `inChild` runs just before the exec (to limit the process or to
// put something else on its standard output). `whileRunning` gets the child's pid.
CommandRun dict(const std::vector<std::string>& args, const std::function<void()>& inChild = {},
                const std::function<void(pid_t)>& whileRunning = {})
{
    // Opened before the child may give up root: the build tree can lie in a directory
    // that the user the child becomes cannot search, and an exec by descriptor needs no
    // search permission on the path.
    const int program = ::open(WB_DICT_COMMAND, O_RDONLY | O_CLOEXEC);
    if (program < 0)
        throw std::runtime_error("cannot open the command");
    test::ProcessOptions options;
    options.inChild = inChild;
    options.programDescriptor = program;
    test::ChildProcess child(WB_DICT_COMMAND, args, options);
    ::close(program);
    if (whileRunning)
        whileRunning(child.pid());
    return child.finish();
}

using test::readAll;
using test::snapshot;

std::string letters(std::mt19937& random, std::size_t count)
{
    std::string word;
    for (std::size_t i = 0; i < count; ++i)
        word += char('a' + random() % 26);
    return word;
}

// A list of distinct pairs of plain words; the German words are the longer, so that
// deueng.dat, written second, is the larger file.
std::string wordList(std::size_t pairs, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::string text;
    for (std::size_t i = 0; i < pairs; ++i)
        text += letters(random, 6) + std::to_string(i) + '\t' + letters(random, 12) +
                std::to_string(i) + '\n';
    return text;
}

void ignoreSigxfsz(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

const std::string kNoSpace = "No space left on device";

class Compile : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::permissions(temp.path(), fs::perms(0755));
        fs::create_directory(out);
        test::writeFile(source, wordList(3000, 7));
        test::writeFile(temp.path() / "old.tsv", std::string_view("house\tHaus\ntrain\tZug\n"));
        const CommandRun good = compile(temp.path() / "old.tsv");
        ASSERT_EQ(good.exitCode, 0) << good.err;
        test::writeFile(out / "README", std::string_view("kept beside the data"));
        before = snapshot(out);
    }
    CommandRun compile(const fs::path& list, const std::function<void()>& inChild = {},
                       const std::function<void(pid_t)>& whileRunning = {})
    {
        return dict({"compile", "--tsv", list.string(), "--out", out.string()}, inChild,
                    whileRunning);
    }
    void expectPreviousPair() const
    {
        EXPECT_TRUE(snapshot(out) == before) << "the output directory changed";
    }

    test::TempDir temp;
    const fs::path out = temp.path() / "out";
    const fs::path source = temp.path() / "list.tsv";
    std::map<std::string, Bytes> before;
};

TEST_F(Compile, FullDiskWhileWritingEitherFileKeepsThePreviousPair)
{
    // The sizes the new files have when nothing stops them.
    const fs::path sizes = temp.path() / "sizes";
    ASSERT_EQ(dict({"compile", "--tsv", source.string(), "--out", sizes.string()}).exitCode, 0);
    const auto english = rlim_t(fs::file_size(sizes / "engdeu.dat"));
    const auto german = rlim_t(fs::file_size(sizes / "deueng.dat"));
    ASSERT_LT(english, german);

    struct Point {
        rlim_t limit;
        const char* failing;
    };
    for (const Point& point : {Point{0, "engdeu.dat"}, Point{english / 2, "engdeu.dat"},
                               Point{english - 1, "engdeu.dat"}, Point{english, "deueng.dat"},
                               Point{german - 1, "deueng.dat"}}) {
        SCOPED_TRACE("limit " + std::to_string(point.limit));
        const CommandRun run = compile(source, [&] { ignoreSigxfsz(point.limit); });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "woerterbuch-dict: cannot write " + (out / point.failing).string() +
                               ": File too large\n");
        expectPreviousPair();
    }
}

TEST_F(Compile, ReadOnlyOutputDirectoryKeepsThePreviousPair)
{
    fs::permissions(out, fs::perms(0555));
    const CommandRun run = compile(source, [] {
        if (!test::becomeNobody().empty())
            ::_exit(126);
    });
    fs::permissions(out, fs::perms(0755));
    if (run.exitCode == 126 || (::geteuid() == 0 && !::getpwnam("nobody")))
        GTEST_SKIP() << "cannot drop privileges to nobody";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "woerterbuch-dict: cannot write " + (out / "engdeu.dat").string() +
                           ": Permission denied\n");
    expectPreviousPair();
}

TEST_F(Compile, InputWithoutAPairFailsAndWritesNothing)
{
    const fs::path comments = temp.path() / "comments.txt";
    test::writeFile(comments, std::string_view("# only a comment\n\n"));
    for (const fs::path& list : {fs::path("/dev/null"), comments}) {
        const CommandRun run = compile(list);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "woerterbuch-dict: " + list.string() +
                               " yields no pair of an English and a German headword; nothing "
                               "was written\n");
        expectPreviousPair();
    }
    const fs::path fresh = temp.path() / "fresh";
    EXPECT_EQ(dict({"compile", "--tsv", "/dev/null", "--out", fresh.string()}).exitCode, 1);
    EXPECT_FALSE(fs::exists(fresh));
}

// A termination request at any moment of a compile leaves the previous pair or a
// complete new one, and never a temporary file.
TEST_F(Compile, InterruptAtAnyMomentLeavesAWholePair)
{
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(compile(source).exitCode, 0);
    const auto duration = std::chrono::steady_clock::now() - started;
    const auto after = snapshot(out);
    ASSERT_EQ(dict({"compile", "--tsv", (temp.path() / "old.tsv").string(), "--out", out.string()})
                  .exitCode,
              0);

    for (int step = 0; step <= 10; ++step) {
        const auto delay = duration * step / 10;
        const CommandRun run =
            dict({"compile", "--tsv", source.string(), "--out", out.string()}, {}, [&](pid_t pid) {
                std::this_thread::sleep_for(delay);
                ::kill(pid, SIGINT);
            });
        const auto now = snapshot(out);
        EXPECT_TRUE(now == before || now == after) << "after " << step << "/10 of a compile";
        if (now == after) { // back to the previous pair for the next step
            ASSERT_EQ(compile(temp.path() / "old.tsv").exitCode, 0);
        }
        EXPECT_TRUE(run.signal == SIGINT || run.exitCode == 0);
    }
}

// The first compile reads its list from a pipe and so holds the directory for as long
// as the test keeps the pipe open.
TEST_F(Compile, ASecondCompileIntoTheDirectoryWaitsOrWithNoWaitFails)
{
    const fs::path pipe = temp.path() / "slow.tsv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    test::ChildProcess first(WB_DICT_COMMAND,
                             {"compile", "--tsv", pipe.string(), "--out", out.string()});
    // Once this opens, the first compile has the lock. No other child may inherit it, or
    // the first would never see its list end.
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);

    const CommandRun refused =
        dict({"compile", "--no-wait", "--tsv", source.string(), "--out", out.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "woerterbuch-dict: another compile is writing into " + out.string() +
                               "; not waiting for it (--no-wait)\n");
    expectPreviousPair();

    test::ChildProcess second(WB_DICT_COMMAND,
                              {"compile", "--tsv", source.string(), "--out", out.string()});
    const std::string waiting =
        "woerterbuch-dict: waiting for another compile into " + out.string() + " to finish\n";
    for (int i = 0; i < 3000 && second.errorSoFar() != waiting; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(second.errorSoFar(), waiting);
    expectPreviousPair();

    const std::string list = "cat\tKatze\n";
    ASSERT_EQ(::write(writer, list.data(), list.size()), ssize_t(list.size()));
    ::close(writer);
    const auto firstRun = first.finish(), secondRun = second.finish();
    EXPECT_EQ(firstRun.exitCode, 0) << firstRun.err;
    EXPECT_EQ(secondRun.exitCode, 0) << secondRun.err;
    // The second came after the first, so its pair is the one that stays, whole.
    const fs::path expected = temp.path() / "expected";
    ASSERT_EQ(dict({"compile", "--tsv", source.string(), "--out", expected.string()}).exitCode, 0);
    for (const char* file : {"engdeu.dat", "deueng.dat"})
        EXPECT_EQ(readAll(out / file), readAll(expected / file)) << file;
}

void defaultSignals()
{
    // The test's own dispositions and mask must not reach the command.
    for (int signal = 1; signal < NSIG; ++signal)
        std::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
}

// Every signal that ends a process and can be caught waits for the compile to end
// cleanly: one line on stderr, the previous pair as it was, no temporary file, and then
// the process ends by that signal.
TEST_F(Compile, EveryTerminationSignalEndsTheCompileCleanlyWithOneLine)
{
    const fs::path pipe = temp.path() / "slow.tsv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string list = wordList(3000, 11);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGPIPE, SIGALRM,
                             SIGXCPU, SIGVTALRM, SIGPROF, SIGRTMIN + 3}) {
        SCOPED_TRACE(strsignal(signal));
        const CommandRun run =
            dict({"compile", "--tsv", pipe.string(), "--out", out.string()}, defaultSignals,
                 [&](pid_t pid) {
                     const int writer = ::open(pipe.c_str(), O_WRONLY);
                     const auto half = list.size() / 2;
                     EXPECT_GT(::write(writer, list.data(), half), 0);
                     ::kill(pid, signal);
                     EXPECT_GT(::write(writer, list.data() + half, list.size() - half), 0);
                     ::close(writer);
                 });
        EXPECT_EQ(run.signal, signal);
        EXPECT_EQ(run.err, "woerterbuch-dict: cannot write " + out.string() +
                               ": interrupted by a termination request\n");
        expectPreviousPair();
    }
}

TEST_F(Compile, AFileSizeLimitFailsTheWriteInsteadOfKillingTheCommand)
{
    // SIGXFSZ left at its default, as a shell with `ulimit -f` leaves it.
    const CommandRun run = compile(source, [] {
        defaultSignals();
        const rlimit limit{20'000, 20'000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "woerterbuch-dict: cannot write " + (out / "engdeu.dat").string() +
                           ": File too large\n");
    expectPreviousPair();
}

// SIGKILL (or a crash) gives no chance to clean up; the next compile into the directory
// finishes the job under its lock, before it reads anything, even when it then fails.
TEST_F(Compile, WhatAKilledCompileLeftIsUndoneByTheNext)
{
    // Killed between the two renames: the new engdeu.dat beside the old deueng.dat,
    // both previous versions still linked, and a stray temporary of another run.
    ASSERT_EQ(::link((out / "engdeu.dat").c_str(), (out / ".engdeu.dat.old-k1ll3d00").c_str()), 0);
    ASSERT_EQ(::link((out / "deueng.dat").c_str(), (out / ".deueng.dat.old-k1ll3d00").c_str()), 0);
    fs::remove(out / "engdeu.dat");
    test::writeFile(out / "engdeu.dat", std::string_view("\x20zz\x05\x00\x00", 6));
    test::writeFile(out / ".deueng.dat.new-0a1b2c3d", std::string_view("half"));

    const CommandRun check = dict({"check", "--data", out.string()});
    EXPECT_EQ(check.exitCode, 1);
    const auto leftOver = [](const char* name) {
        return std::string(name) +
               ": left over from an interrupted compile (the next compile into this "
               "directory removes it)\n";
    };
    EXPECT_NE(check.out.find(leftOver(".deueng.dat.new-0a1b2c3d") +
                             leftOver(".deueng.dat.old-k1ll3d00") +
                             leftOver(".engdeu.dat.old-k1ll3d00")),
              std::string::npos)
        << check.out;

    EXPECT_EQ(compile("/dev/null").exitCode, 1);
    expectPreviousPair();
    EXPECT_EQ(dict({"check", "--data", out.string()}).exitCode, 0);

    // Killed for real at any moment: the next compile leaves a whole pair and nothing
    // else, whether it was the old one or the new.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(compile(source).exitCode, 0);
    const auto duration = std::chrono::steady_clock::now() - started;
    const auto after = snapshot(out);
    ASSERT_EQ(compile(temp.path() / "old.tsv").exitCode, 0);
    for (int step = 0; step <= 10; ++step) {
        compile(source, {}, [&](pid_t pid) {
            std::this_thread::sleep_for(duration * step / 10);
            ::kill(pid, SIGKILL);
        });
        EXPECT_EQ(compile("/dev/null").exitCode, 1);
        const auto now = snapshot(out);
        EXPECT_TRUE(now == before || now == after) << "after " << step << "/10 of a compile";
        if (now == after) {
            ASSERT_EQ(compile(temp.path() / "old.tsv").exitCode, 0);
        }
    }
}

void toDevFull()
{
    const int full = ::open("/dev/full", O_WRONLY);
    if (full < 0 || ::dup2(full, 1) < 0)
        ::_exit(125);
}

class Output : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordEncoder en(DictionaryFile::English), de(DictionaryFile::German);
        // Enough records that a dump fills any pipe buffer.
        std::vector<std::string> words;
        for (int i = 0; i < 5000; ++i)
            words.push_back("w" + std::to_string(100000 + i));
        for (const auto& word : words) {
            const std::uint16_t refs[] = {0};
            ASSERT_TRUE(en.append(word, refs));
            ASSERT_TRUE(de.append(word, refs));
        }
        test::writeFile(temp.path() / "engdeu.dat", en.bytes());
        test::writeFile(temp.path() / "deueng.dat", de.bytes());
        test::writeFile(temp.path() / "list.tsv", std::string_view("house\tHaus\n"));
    }
    std::vector<std::vector<std::string>> verbs() const
    {
        const std::string data = temp.path().string();
        return {{"lookup", "--data", data, "en", "w"},
                {"dump", "--data", data, "de"},
                {"check", "--data", data},
                {"compile", "--tsv", (temp.path() / "list.tsv").string(), "--out",
                 (temp.path() / "compiled").string()},
                {"--help"}};
    }
    test::TempDir temp;
};

TEST_F(Output, FullStandardOutputIsReportedForEveryVerb)
{
    for (const auto& args : verbs()) {
        SCOPED_TRACE(args[0]);
        const CommandRun run = dict(args, toDevFull);
        EXPECT_EQ(run.exitCode, 1);
        // "w" is no headword, so the lookup asks for its forms, and these data files
        // have none: it says so once, before it writes.
        const std::string note = args[0] == "lookup" ? "woerterbuch-dict: engforms.dat: cannot be "
                                                       "opened; looking up without its forms\n"
                                                     : "";
        EXPECT_EQ(run.err,
                  note + "woerterbuch-dict: cannot write to standard output: " + kNoSpace + "\n");
    }
}

TEST_F(Output, ClosedPipeEndsTheCommandQuietly)
{
    for (const bool ignored : {false, true}) {
        SCOPED_TRACE(ignored ? "SIGPIPE ignored" : "SIGPIPE by default");
        const CommandRun run = dict({"dump", "--data", temp.path().string(), "en"}, [ignored] {
            // A reader that has gone away before the first line, as `head -0` does.
            int reader[2];
            if (::pipe(reader) != 0 || ::dup2(reader[1], 1) < 0)
                ::_exit(125);
            ::close(reader[0]);
            std::signal(SIGPIPE, ignored ? SIG_IGN : SIG_DFL);
        });
        EXPECT_EQ(run.err, "");
        if (ignored)
            EXPECT_EQ(run.exitCode, 1);
        else
            EXPECT_EQ(run.signal, SIGPIPE);
    }
}

TEST_F(Output, CheckCountsFilesThatCannotBeOpened)
{
    // Each English record then points into the missing file: one line for them all,
    // not 5000.
    fs::remove(temp.path() / "deueng.dat");
    CommandRun run = dict({"check", "--data", temp.path().string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "deueng.dat: cannot be opened\n"
                       "engdeu.dat: 5000 records, " +
                           std::to_string(fs::file_size(temp.path() / "engdeu.dat")) +
                           " bytes\n"
                           "engdeu.dat: 5000 references into deueng.dat, which cannot be opened\n"
                           "2 problem(s)\n");

    run = dict({"check", "--data", (temp.path() / "nowhere").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              "deueng.dat: cannot be opened\nengdeu.dat: cannot be opened\n2 problem(s)\n");
}

// Standard input that cannot be read is an error with the system's reason, never an
// ordinary end of the texts.
TEST_F(Output, AStandardInputThatCannotBeReadIsReported)
{
    const std::vector<std::pair<std::function<void()>, std::string>> inputs = {
        {[] {
             const int directory = ::open("/", O_RDONLY);
             ::dup2(directory, 0);
         },
         "Is a directory"},
        {[] { ::close(0); }, "Bad file descriptor"}};
    for (const auto& [arrange, reason] : inputs) {
        for (const std::vector<std::string>& texts :
             {std::vector<std::string>{"--stdin", "en"}, std::vector<std::string>{"en", "-"}}) {
            std::vector<std::string> args{"lookup", "--data", temp.path().string()};
            args.insert(args.end(), texts.begin(), texts.end());
            const CommandRun run = dict(args, arrange);
            EXPECT_EQ(run.exitCode, 1) << reason;
            EXPECT_EQ(run.err, "woerterbuch-dict: cannot read standard input: " + reason + "\n");
        }
    }
}

// A frequency list is read as the word list is: in blocks, within a line length and a
// size, and a termination request is honoured while it is read.
TEST_F(Compile, AFrequencyListThatNeverEndsIsRefused)
{
    const CommandRun run = dict({"compile", "--tsv", source.string(), "--out", out.string(),
                                 "--frequencies", "en=/dev/zero"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "woerterbuch-dict: /dev/zero:1: the line is longer than 64 KiB, which no word is\n");
    expectPreviousPair();
}

TEST_F(Compile, ATerminationRequestStopsTheReadingOfAFrequencyList)
{
    const fs::path pipe = temp.path() / "frequencies.tsv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string lines;
    for (int i = 0; i < 20000; ++i)
        lines += "w" + std::to_string(i) + "\t" + std::to_string(i + 1) + "\n";
    std::size_t afterTheRequest = 0;
    const CommandRun run = dict({"compile", "--tsv", source.string(), "--out", out.string(),
                                 "--frequencies", "en=" + pipe.string()},
                                defaultSignals, [&](pid_t pid) {
                                    std::signal(SIGPIPE, SIG_IGN);
                                    const int writer = ::open(pipe.c_str(), O_WRONLY);
                                    EXPECT_GT(::write(writer, lines.data(), lines.size()), 0);
                                    ::kill(pid, SIGTERM);
                                    // Up to 256 MiB more, unless the command stops reading and
                                    // closes the pipe.
                                    for (int i = 0; i < 1000; ++i) {
                                        const auto n = ::write(writer, lines.data(), lines.size());
                                        if (n <= 0)
                                            break;
                                        afterTheRequest += std::size_t(n);
                                    }
                                    ::close(writer);
                                    std::signal(SIGPIPE, SIG_DFL);
                                });
    EXPECT_EQ(run.signal, SIGTERM);
    EXPECT_EQ(run.err, "woerterbuch-dict: cannot write " + out.string() +
                           ": interrupted by a termination request\n");
    EXPECT_LT(afterTheRequest, std::size_t(8) << 20) << "it read on after the request";
    expectPreviousPair();
}

} // namespace
} // namespace wb
