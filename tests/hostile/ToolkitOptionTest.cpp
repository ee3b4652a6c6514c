// The window's command line is the user's alone: a word Qt would take for one of its
// own options ("-reverse", "-style=fusion", "-testability") is a word to look up after
// "--", and without "--" an option the program does not know.
#include "tests/hostile/ProgramRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace wb {
namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kToolkitOptions = {
    "-reverse", "-style=fusion", "-widgetcount", "-platform",       "-plugin",
    "-session", "-testability",  "-nograb",      "-qwindowgeometry"};

test::Launch windowOn(const std::vector<std::string>& args, const std::filesystem::path& output)
{
    return {WB_PROGRAM, args, test::environmentWith({"QT_QPA_PLATFORM=offscreen"}), {}, output};
}

TEST(ToolkitOptions, AfterTheEndOfOptionsAToolkitOptionIsTheWordLookedUp)
{
    test::TempDir capture;
    std::vector<std::unique_ptr<test::ChildProcess>> windows;
    for (std::size_t i = 0; i < kToolkitOptions.size(); ++i)
        windows.push_back(std::make_unique<test::ChildProcess>(
            windowOn({"--", kToolkitOptions[i]}, capture.path() / std::to_string(i))));
    // Refused as usage, the program would end at once; with its window up it waits.
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_FALSE(windows[i]->wait(i == 0 ? 10s : 1s).has_value())
            << kToolkitOptions[i] << ": " << test::readText(capture.path() / std::to_string(i));
    for (auto& window : windows)
        ::kill(window->pid(), SIGTERM);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(windows[i]->wait(60s), 0) << kToolkitOptions[i];
        const std::string output = test::readText(capture.path() / std::to_string(i));
        EXPECT_EQ(output.find("usage"), std::string::npos) << kToolkitOptions[i] << ": " << output;
        // What Qt prints at exit when it took "-widgetcount" for itself.
        EXPECT_EQ(output.find("Widgets left"), std::string::npos) << output;
    }
}

TEST(ToolkitOptions, WithoutTheEndOfOptionsAToolkitOptionIsRefusedAsUsage)
{
    test::TempDir capture;
    for (const char* option : {"-reverse", "-style=fusion", "-widgetcount", "-testability"}) {
        const auto output = capture.path() / "out";
        EXPECT_EQ(test::runToEnd(windowOn({option}, output), 60s), 64) << option;
        EXPECT_NE(test::readText(output).find("usage: woerterbuch"), std::string::npos) << option;
        EXPECT_EQ(test::runToEnd(windowOn({"--de", option}, output), 60s), 64) << option;
    }
}

} // namespace
} // namespace wb
