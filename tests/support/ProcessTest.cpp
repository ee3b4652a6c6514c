// The process runner that the other tests trust to tell them how a program ended and
// what it wrote: a fault here would pass or fail them for the wrong reason.
#include "tests/support/Process.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace wb::test {
namespace {

using namespace std::chrono_literals;

ProcessResult shell(const std::string& script, const ProcessOptions& options = {})
{
    return runProcess("/bin/sh", {"-c", script}, options);
}

TEST(Process, TellsAnExitFromASignalAndKillsAtTheTimeLimit)
{
    const ProcessResult exited = shell("exit 7");
    EXPECT_EQ(exited.exitCode, 7);
    EXPECT_EQ(exited.signal, 0);
    EXPECT_FALSE(exited.timedOut);

    const ProcessResult killed = shell("kill -TERM $$");
    EXPECT_EQ(killed.signal, SIGTERM);
    EXPECT_EQ(killed.exitCode, 128 + SIGTERM);

    ProcessOptions limited;
    limited.timeLimit = 200ms;
    const auto started = std::chrono::steady_clock::now();
    const ProcessResult slow = shell("sleep 30", limited);
    EXPECT_TRUE(slow.timedOut);
    EXPECT_EQ(slow.signal, SIGKILL);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
}

TEST(Process, CollectsEachStreamWholeHoweverMuchAndWhateverLimitsTheChild)
{
    // More than a pipe holds, on both streams, so the child stalls unless both are read
    // while it runs.
    const ProcessResult big =
        shell("head -c 300000 /dev/zero; head -c 200000 /dev/zero >&2; echo end >&2");
    EXPECT_EQ(big.exitCode, 0);
    EXPECT_EQ(big.out, std::string(300000, '\0'));
    EXPECT_EQ(big.err, std::string(200000, '\0') + "end\n");

    // A file-size limit in the child stops its files, not what it says.
    ProcessOptions limited;
    limited.inChild = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
    };
    EXPECT_EQ(shell("echo message >&2", limited).err, "message\n");

    // A descendant that keeps the streams open does not hold up the end.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(shell("echo quick; (sleep 5 &)").out, "quick\n");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 4s);
}

TEST(Process, GivesTheChildItsInputEnvironmentAndDirectory)
{
    TempDir dir;
    writeFile(dir.path() / "input", std::string_view("from the file\n"));
    ProcessOptions options;
    options.input = dir.path() / "input";
    options.workingDirectory = dir.path();
    options.environment = std::vector<std::string>{"WB_ONLY=this"};
    const ProcessResult run =
        runProcess("/bin/sh", {"-c", "read line; echo \"$line\"; env; /bin/pwd -P"}, options);
    EXPECT_TRUE(run.out.starts_with("from the file\n")) << run.out;
    EXPECT_NE(run.out.find("\nWB_ONLY=this\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("\nHOME="), std::string::npos) << run.out; // nothing of the test's
    EXPECT_TRUE(run.out.ends_with("\n" + std::filesystem::canonical(dir.path()).string() + "\n"))
        << run.out;

    options = {};
    options.environment = environmentWith({"WB_ADDED=1"}, {"HOME"});
    const std::string environment = runProcess("/usr/bin/env", {}, options).out;
    EXPECT_NE(environment.find("WB_ADDED=1\n"), std::string::npos);
    EXPECT_EQ(("\n" + environment).find("\nHOME="), std::string::npos);
    EXPECT_EQ(shell("exec 0<&-; cat").out, ""); // /dev/null by default
}

TEST(Process, AddsTheChildSanitizerOptionsToWhatTheTestHas)
{
    // The test's own values come back at the end: the quick loop sets the child's.
    auto saved = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    auto restore = [](const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    };
    const auto asan = saved("ASAN_OPTIONS"), child = saved("WB_CHILD_ASAN_OPTIONS");
    ::setenv("ASAN_OPTIONS", "abort_on_error=0", 1);
    ::setenv("WB_CHILD_ASAN_OPTIONS", "detect_leaks=0", 1);
    const std::string inherited = runProcess("/usr/bin/env", {}).out;
    const auto built = environmentWith({"WB_ADDED=1"});
    ::unsetenv("WB_CHILD_ASAN_OPTIONS");
    const std::string plain = runProcess("/usr/bin/env", {}).out;
    restore("ASAN_OPTIONS", asan);
    restore("WB_CHILD_ASAN_OPTIONS", child);

    const std::string both = "ASAN_OPTIONS=abort_on_error=0:detect_leaks=0";
    EXPECT_NE(("\n" + inherited).find("\n" + both + "\n"), std::string::npos) << inherited;
    EXPECT_NE(std::find(built.begin(), built.end(), both), built.end());
    EXPECT_NE(("\n" + plain).find("\nASAN_OPTIONS=abort_on_error=0\n"), std::string::npos) << plain;
}

TEST(Process, RunsAProgramByItsDescriptorAndAFunctionInACopyOfTheTest)
{
    TempDir dir;
    const auto copy = dir.path() / "sh";
    std::filesystem::copy_file("/bin/sh", copy);
    const int descriptor = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(descriptor, 0);
    std::filesystem::remove(copy);
    ProcessOptions byDescriptor;
    byDescriptor.programDescriptor = descriptor;
    EXPECT_EQ(runProcess(copy, {"-c", "exit 5"}, byDescriptor).exitCode, 5);
    ::close(descriptor);

    // What the test had buffered stays the test's; the child reports only its own.
    std::printf("buffered by the test");
    const ProcessResult child = runInChild([] {
        std::printf("from the child");
        return 4;
    });
    std::printf("\n");
    EXPECT_EQ(child.exitCode, 4);
    EXPECT_EQ(child.out, "from the child");
}

TEST(Process, FindsAProgramOnPathAndLeavesTheOutputToTheTestWhenAsked)
{
    EXPECT_EQ(runProcess("sh", {"-c", "exit 3"}).exitCode, 3);
    EXPECT_EQ(runProcess("wb-no-such-program", {}).exitCode, 127);
    ProcessOptions noPath;
    noPath.environment = std::vector<std::string>{"PATH=/nonexistent"};
    EXPECT_EQ(runProcess("sh", {"-c", "exit 3"}, noPath).exitCode, 3)
        << "the test's PATH finds the program, the child's is the child's";

    // The copy of the test stands in for the test: what the program writes while it
    // keeps the test's streams is what the test's runner collects.
    const ProcessResult test = runInChild([] {
        ProcessOptions inherit;
        inherit.inheritOutput = true;
        const ProcessResult program =
            runProcess("/bin/sh", {"-c", "echo out; echo err >&2"}, inherit);
        return program.out.empty() && program.err.empty() ? program.exitCode : 1;
    });
    EXPECT_EQ(test.exitCode, 0);
    EXPECT_EQ(test.out, "out\n");
    EXPECT_EQ(test.err, "err\n");
}

TEST(Process, ABackgroundChildIsReadWhileItRunsAndKilledWithItsObject)
{
    pid_t pid = -1;
    {
        ChildProcess child("/bin/sh", {"-c", "echo early >&2; exec sleep 30"});
        pid = child.pid();
        for (int i = 0; i < 500 && child.errorSoFar() != "early\n"; ++i)
            std::this_thread::sleep_for(10ms);
        EXPECT_EQ(child.errorSoFar(), "early\n");
        EXPECT_FALSE(child.wait(50ms).has_value());
    }
    EXPECT_NE(::kill(pid, 0), 0); // reaped, so the pid is free

    // Polled without waiting, as from an event loop, a child that writes more than a
    // pipe holds still gets to its end.
    ChildProcess writer("/bin/sh", {"-c", "head -c 300000 /dev/zero"});
    for (int i = 0; i < 2000 && !writer.wait(0ms); ++i)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(writer.wait(0ms), std::optional<int>(0));
    EXPECT_EQ(writer.outputSoFar().size(), 300000u);
}

} // namespace
} // namespace wb::test
