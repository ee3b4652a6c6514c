// The compile's memory stays bounded by what it keeps, not by what it reads: the
// uninstrumented command (a sanitizer reserves terabytes of address space) under a
// 300 MB address-space limit meets input that never ends and a line of a gigabyte.
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace wb {
namespace {

namespace fs = std::filesystem;

constexpr rlim_t kAddressSpace = 300u << 20;

using CompileRun = test::ProcessResult;

CompileRun compile(const fs::path& source, const fs::path& out,
                   const std::vector<std::string>& extra = {})
{
    test::ProcessOptions options;
    options.inChild = [] {
        const rlimit limit{kAddressSpace, kAddressSpace};
        if (::setrlimit(RLIMIT_AS, &limit) != 0)
            ::_exit(127);
    };
    // Whatever happens, a test that hangs is worse than one that fails.
    options.timeLimit = std::chrono::seconds(120);
    std::vector<std::string> args = {"compile", "--tsv", source.string(), "--out", out.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return test::runProcess(WB_PLAIN_DICT, args, options);
}

// Writes `before`, a line of `bytes` letters and `after` into a pipe, from a thread of
// its own, while the command reads it.
class PipeSource {
public:
    PipeSource(const fs::path& path, std::string before, std::size_t bytes, std::string after)
    {
        ::mkfifo(path.c_str(), 0600);
        m_writer = std::thread([=] {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd < 0)
                return;
            const std::string block(1 << 20, 'a');
            bool open = ::write(fd, before.data(), before.size()) >= 0;
            for (std::size_t left = bytes; open && left > 0;) {
                const auto n = ::write(fd, block.data(), std::min(left, block.size()));
                open = n > 0;
                left -= open ? std::size_t(n) : 0;
            }
            if (open) [[maybe_unused]]
                const auto ignored = ::write(fd, after.data(), after.size());
            ::close(fd);
        });
    }
    ~PipeSource() { m_writer.join(); }

private:
    std::thread m_writer;
};

class BoundedMemory : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::signal(SIGPIPE, SIG_IGN); // the command may stop reading a pipe early
        test::writeFile(temp.path() / "old.tsv", std::string_view("house\tHaus\n"));
        ASSERT_EQ(compile(temp.path() / "old.tsv", out).exitCode, 0);
        before = test::snapshot(out);
    }
    void TearDown() override { std::signal(SIGPIPE, SIG_DFL); }

    test::TempDir temp;
    const fs::path out = temp.path() / "out";
    std::map<std::string, std::vector<std::uint8_t>> before;
};

TEST_F(BoundedMemory, AnEndlessSourceIsRefusedAndThePairStays)
{
    const CompileRun run = compile("/dev/zero", out);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "woerterbuch-dict: /dev/zero: the word list goes on past 1024 MiB, more "
                       "than any word list holds; nothing was written\n");
    EXPECT_TRUE(test::snapshot(out) == before);
}

TEST_F(BoundedMemory, AnEndlessFormTableIsRefusedAtItsFirstLine)
{
    const CompileRun run = compile(temp.path() / "old.tsv", out, {"--forms", "de=/dev/zero"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "woerterbuch-dict: /dev/zero:1: the line is longer than 64 KiB, which no "
                       "word's forms are\n");
    EXPECT_TRUE(test::snapshot(out) == before);
}

TEST_F(BoundedMemory, AGigabyteLineIsSkippedAndCounted)
{
    const fs::path pipe = temp.path() / "list.tsv";
    {
        // Alone, it leaves nothing to compile.
        PipeSource source(pipe, "", 1'000'000'000, "\n");
        const CompileRun run = compile(pipe, out);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "woerterbuch-dict: " + pipe.string() +
                               " yields no pair of an English and a German headword; nothing "
                               "was written\n");
        EXPECT_TRUE(test::snapshot(out) == before);
    }
    fs::remove(pipe);
    {
        PipeSource source(pipe, "tree\tBaum\n", 1'000'000'000, "\ncat\tKatze\n");
        const CompileRun run = compile(pipe, out);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("  skipped: 1 too long (over 64 KiB), 0 with control characters\n"),
                  std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("engdeu.dat: 2 records"), std::string::npos) << run.out;
    }
}

} // namespace
} // namespace wb
