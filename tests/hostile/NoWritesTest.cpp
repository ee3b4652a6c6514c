// The program reads its two files and writes nothing anywhere. Both programs run from a
// directory of their own with a home directory of their own; every file under them is
// the same afterwards (type, size, modification time and content), save the font
// cache that the font library keeps on the desktop's behalf.
#include "tests/hostile/ProgramRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace wb {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

// Path (relative to the root) -> what is known of it.
using Snapshot = std::map<std::string, std::string>;

// Read and hashed a megabyte at a time by the standard library's own (optimised) hash:
// the two programs copied into the tree are some 75 MB, which a loop over their bytes
// in this unoptimised, sanitized build takes some 13 s a snapshot for.
std::size_t contentHash(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string block(std::size_t(1) << 20, '\0');
    std::size_t hash = 0;
    while (in.read(block.data(), std::streamsize(block.size())) || in.gcount() > 0) {
        const std::string_view read(block.data(), std::size_t(in.gcount()));
        hash = hash * 1099511628211ull ^ std::hash<std::string_view>{}(read);
    }
    return hash;
}

Snapshot snapshot(const std::filesystem::path& root)
{
    Snapshot files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        std::string what = std::to_string(info.st_mode) + " size " + std::to_string(info.st_size) +
                           " mtime " + std::to_string(info.st_mtim.tv_sec) + "." +
                           std::to_string(info.st_mtim.tv_nsec);
        if (S_ISREG(info.st_mode))
            what += " hash " + std::to_string(contentHash(entry.path()));
        files[std::filesystem::relative(entry.path(), root).string()] = what;
    }
    return files;
}

// What differs between the snapshots, one line a path; the font cache is left out.
std::string differences(const Snapshot& before, const Snapshot& after)
{
    const auto ignored = [](const std::string& path) {
        return path.rfind("home/.cache/fontconfig", 0) == 0 || path == "home/.cache";
    };
    std::string text;
    for (const auto& [path, what] : after) {
        const auto old = before.find(path);
        if (!ignored(path) && (old == before.end() || old->second != what))
            text += (old == before.end() ? "added " : "changed ") + path + "\n";
    }
    for (const auto& [path, what] : before)
        if (!after.contains(path))
            text += "removed " + path + "\n";
    return text;
}

class NothingWritten : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* sub : {"home/.config", "home/.cache", "home/.local/share",
                                "home/.local/state", "home/runtime", "data", "cwd"})
            std::filesystem::create_directories(root.path() / sub);
        std::filesystem::permissions(home() / "runtime", std::filesystem::perms::owner_all);
        for (const char* program : {WB_PROGRAM, WB_DICT_COMMAND})
            std::filesystem::copy_file(program, data() / std::filesystem::path(program).filename());
        test::generateDictionary(800, 1000, 17).writeTo(data());
    }

    std::filesystem::path home() const { return root.path() / "home"; }
    std::filesystem::path data() const { return root.path() / "data"; }

    // A desktop session's variables, all pointing into the test's home directory. The
    // session bus is named but not running, as after a crash of the bus: without an
    // address, the D-Bus library would try to start a bus of its own.
    std::vector<std::string> environment(const std::string& display) const
    {
        const std::string h = home().string();
        return test::environmentWith(
            {"HOME=" + h, "XDG_CONFIG_HOME=" + h + "/.config", "XDG_CACHE_HOME=" + h + "/.cache",
             "XDG_DATA_HOME=" + h + "/.local/share", "XDG_STATE_HOME=" + h + "/.local/state",
             "XDG_RUNTIME_DIR=" + h + "/runtime",
             "DBUS_SESSION_BUS_ADDRESS=unix:path=" + h + "/runtime/bus", "DISPLAY=" + display,
             "QT_QPA_PLATFORM=xcb"},
            {"WAYLAND_DISPLAY", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"});
    }

    test::Launch launch(const std::string& program, std::vector<std::string> args,
                        const std::string& display) const
    {
        return {(launchFrom.empty() ? data() : launchFrom) / program, std::move(args),
                environment(display), root.path() / "cwd", capture.path() / (program + ".out")};
    }

    TempDir root;
    TempDir capture;                  // the programs' output, outside the watched tree
    std::filesystem::path launchFrom; // where the programs are started from; data() if empty
};

TEST_F(NothingWritten, ByStartingAndClosingTheProgram)
{
    if (!test::VirtualDisplay::available())
        GTEST_SKIP() << "Xvfb is not installed (./dev.sh test installs it)";
    test::VirtualDisplay display;
    const Snapshot before = snapshot(root.path());

    test::ChildProcess program(launch("woerterbuch", {}, display.name()));
    const auto closer = test::runToEnd({WB_CLOSE_WINDOW,
                                        {std::to_string(program.pid()), "120"},
                                        test::environmentWith({"DISPLAY=" + display.name()}),
                                        {},
                                        capture.path() / "closer.out"},
                                       130s);
    ASSERT_EQ(closer, 0) << test::readText(capture.path() / "closer.out");
    const auto status = program.wait(60s);
    ASSERT_TRUE(status.has_value()) << "the program did not end when its window closed";
    EXPECT_EQ(*status, 0) << test::readText(capture.path() / "woerterbuch.out");

    EXPECT_EQ(differences(before, snapshot(root.path())), "");
}

TEST_F(NothingWritten, ByASeriesOfLookups)
{
    // A second copy beside engdeu.dat alone, whose lookups take the error paths: a
    // missing file, and a search that fails on a translation in it.
    const auto broken = root.path() / "broken";
    std::filesystem::create_directory(broken);
    std::filesystem::copy_file(data() / "woerterbuch-dict", broken / "woerterbuch-dict");
    std::filesystem::copy_file(data() / "engdeu.dat", broken / "engdeu.dat");
    const Snapshot before = snapshot(root.path());

    const std::vector<std::pair<std::vector<std::string>, int>> calls = {
        {{"lookup", "en", "a"}, 0}, {{"lookup", "de", "H"}, 0},   {{"lookup", "de", "ü"}, 0},
        {{"dump", "en"}, 0},        {{"lookup", "en", "zzz"}, 0}, {{"check"}, 0}};
    for (const auto& [args, expected] : calls)
        EXPECT_EQ(test::runToEnd(launch("woerterbuch-dict", args, ":0"), 60s), expected)
            << args[0] << ": " << test::readText(capture.path() / "woerterbuch-dict.out");
    launchFrom = broken;
    EXPECT_EQ(test::runToEnd(launch("woerterbuch-dict", {"lookup", "en", "a"}, ":0"), 60s), 2);
    EXPECT_EQ(test::runToEnd(launch("woerterbuch-dict", {"check"}, ":0"), 60s), 1);

    EXPECT_EQ(differences(before, snapshot(root.path())), "");
}

} // namespace
} // namespace wb
