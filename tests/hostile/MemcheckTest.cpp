// The programs under Valgrind's memcheck, built without sanitizers: a start, load and
// close of the window program on a display of the test's own, and a series of
// woerterbuch-dict calls, including ones that take the error paths. Memcheck must find
// no error, counting definite and indirect leaks; toolkit.supp lists the toolkit's own
// reports, each with the reason it is not ours.
#include "tests/hostile/ProgramRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

namespace wb {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

constexpr int kMemcheckFound = 99; // exit code valgrind gives when it found an error

// The number in memcheck's "ERROR SUMMARY: N errors" line, or -1 without one.
int errorSummary(const std::string& log)
{
    static const std::regex summary(R"(ERROR SUMMARY: (\d+) errors)");
    std::smatch match;
    return std::regex_search(log, match, summary) ? std::stoi(match[1]) : -1;
}

class Memcheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "home/runtime");
        std::filesystem::permissions(dir.path() / "home/runtime",
                                     std::filesystem::perms::owner_all);
        for (const char* program : {"woerterbuch", "woerterbuch-dict"})
            std::filesystem::copy_file(std::filesystem::path(WB_MEMCHECK_BIN_DIR) / program,
                                       dir.path() / program);
        test::generateDictionary(2000, 2500, 5).writeTo(dir.path());
    }

    test::Launch underMemcheck(const std::string& program, std::vector<std::string> args,
                               const std::vector<std::string>& environment)
    {
        ++m_runs;
        const auto log = capture.path() / ("memcheck-" + std::to_string(m_runs) + ".log");
        std::vector<std::string> valgrindArgs = {"--tool=memcheck",
                                                 "--error-exitcode=" +
                                                     std::to_string(kMemcheckFound),
                                                 "--leak-check=full",
                                                 "--show-leak-kinds=definite,indirect",
                                                 "--errors-for-leak-kinds=definite,indirect",
                                                 "--num-callers=40",
                                                 "--gen-suppressions=all",
                                                 "--suppressions=" WB_MEMCHECK_SUPPRESSIONS,
                                                 "--log-file=" + log.string(),
                                                 (dir.path() / program).string()};
        valgrindArgs.insert(valgrindArgs.end(), args.begin(), args.end());
        m_logs.push_back(log);
        return {WB_VALGRIND, valgrindArgs, environment, dir.path(),
                capture.path() / ("output-" + std::to_string(m_runs))};
    }

    // Expects the last run's log to report no error; shows the log when it does.
    void expectClean(const std::string& what)
    {
        const std::string log = test::readText(m_logs.back());
        EXPECT_EQ(errorSummary(log), 0) << what << "\n" << log;
    }

    std::string output() const
    {
        return test::readText(capture.path() / ("output-" + std::to_string(m_runs)));
    }

    TempDir dir;
    TempDir capture;

private:
    int m_runs = 0;
    std::vector<std::filesystem::path> m_logs;
};

TEST_F(Memcheck, ProgramStartsLoadsAndCloses)
{
    if (!test::VirtualDisplay::available())
        GTEST_SKIP() << "Xvfb is not installed (./dev.sh test installs it)";
    test::VirtualDisplay display;
    const std::string home = (dir.path() / "home").string();
    test::ChildProcess program(underMemcheck(
        "woerterbuch", {},
        test::environmentWith({"HOME=" + home, "XDG_RUNTIME_DIR=" + home + "/runtime",
                               "XDG_CACHE_HOME=" + home + "/.cache",
                               "DBUS_SESSION_BUS_ADDRESS=unix:path=" + home + "/runtime/bus",
                               "DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb"})));
    const int closer = test::runToEnd({WB_CLOSE_WINDOW,
                                       {std::to_string(program.pid()), "300"},
                                       test::environmentWith({"DISPLAY=" + display.name()}),
                                       {},
                                       capture.path() / "closer"},
                                      310s);
    ASSERT_EQ(closer, 0) << test::readText(capture.path() / "closer") << output();
    const auto status = program.wait(180s);
    ASSERT_TRUE(status.has_value()) << "the program did not end when its window closed";
    EXPECT_EQ(*status, 0) << output();
    expectClean("woerterbuch");
}

TEST_F(Memcheck, DictionaryCommandLookups)
{
    const auto environment = test::environmentWith({});
    const std::vector<std::pair<std::vector<std::string>, int>> calls = {{{"lookup", "en", "a"}, 0},
                                                                         {{"lookup", "de", "H"}, 0},
                                                                         {{"dump", "de"}, 0},
                                                                         {{"check"}, 0}};
    for (const auto& [args, expected] : calls) {
        EXPECT_EQ(test::runToEnd(underMemcheck("woerterbuch-dict", args, environment), 300s),
                  expected)
            << args[0] << "\n"
            << output();
        expectClean(args[0]);
    }

    // Without deueng.dat: an open error, a search that fails on a translation, a check
    // that finds problems.
    std::filesystem::remove(dir.path() / "deueng.dat");
    for (const auto& [args, expected] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{"lookup", "en", "a"}, 2}, {{"check"}, 1}}) {
        EXPECT_EQ(test::runToEnd(underMemcheck("woerterbuch-dict", args, environment), 300s),
                  expected)
            << args[0] << "\n"
            << output();
        expectClean(args[0] + " without deueng.dat");
    }
}

} // namespace
} // namespace wb
