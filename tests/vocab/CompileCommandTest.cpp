// The compile verb as a user runs it: arguments, exit status, summary and files.
#include "dictionary/DictionaryCheck.h"
#include "tests/support/Process.h"
#include "tests/support/TestSupport.h"
#include "tests/vocab/VocabularyTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb::test {
namespace {

ProcessResult runDict(const std::vector<std::string>& args)
{
    return runProcess(WB_DICT_PROGRAM, args);
}

TEST(CompileCommand, WritesFilesThatPassTheCheckAndPrintsASummary)
{
    TempDir directory;
    writeFile(directory.path() / "list.tsv", "house\tHaus\ntrain\tZug\nhe/she\ter/sie\n");
    const auto out = directory.path() / "out";
    const ProcessResult run = runDict(
        {"compile", "--tsv", (directory.path() / "list.tsv").string(), "--out", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("engdeu.dat: 2 records"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 slash"), std::string::npos) << run.out;

    const ProcessResult check = runDict({"check", "--data", out.string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    const ProcessResult lookup = runDict({"lookup", "--data", out.string(), "en", "hou"});
    EXPECT_EQ(lookup.out, "house\tHaus\n");
}

TEST(CompileCommand, LimitsRecords)
{
    TempDir directory;
    writeFile(directory.path() / "list.tsv", "a\tA\nb\tB\nb\tB\nc\tC\nc\tC\nc\tC\n");
    const auto out = directory.path() / "out";
    const ProcessResult run = runDict({"compile", "--tsv", (directory.path() / "list.tsv").string(),
                                       "--out", out.string(), "--max", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readVocabulary(out).english, (std::vector<std::string>{"b", "c"}));
}

TEST(CompileCommand, UnreadableSourceFails)
{
    TempDir directory;
    const ProcessResult run = runDict({"compile", "--ding", (directory.path() / "missing").string(),
                                       "--out", directory.path().string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(directory.path() / "engdeu.dat"));
}

// A file's path is the user's to choose, and a directory named with escapes must not
// drive the terminal that reads why the compile failed: the source, each kind of list,
// the output directory.
TEST(CompileCommand, APathInAMessageHasItsEscapesShownAsText)
{
    TempDir directory;
    const auto hostile = directory.path() / "\x1b]0;PWNED\a\x1b[2J\xE4";
    std::filesystem::create_directory(hostile);
    writeFile(hostile / "list.tsv", "house\tHaus\n");
    writeFile(hostile / "counts.tsv", "house\tmany\n");
    writeFile(hostile / "file", "");
    const std::string source = (hostile / "list.tsv").string();
    const std::string out = (directory.path() / "out").string();
    const std::string shown = "\\x1b]0;PWNED\\x07\\x1b[2J\\xe4/";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--tsv", (hostile / "missing.tsv").string(), "--out", out}, "missing.tsv\""},
        {{"--tsv", source, "--out", (hostile / "file" / "out").string()}, "file/out\""},
        {{"--frequencies", "en=" + (hostile / "missing.tsv").string()}, "missing.tsv\""},
        {{"--frequencies", "de=" + (hostile / "counts.tsv").string()}, "counts.tsv\":1: "},
        {{"--breadth", "en=" + (hostile / "missing.tsv").string()}, "missing.tsv\""},
        {{"--forms", "de=" + (hostile / "missing.tsv").string()}, "missing.tsv\""},
        {{"--judged", "en=" + (hostile / "missing.tsv").string()}, "missing.tsv\""},
    };
    for (const auto& [options, end] : cases) {
        std::vector<std::string> args = {"compile"};
        args.insert(args.end(), options.begin(), options.end());
        if (options[0] != "--tsv")
            args.insert(args.end(), {"--tsv", source, "--out", out});
        const ProcessResult run = runDict(args);
        EXPECT_EQ(run.exitCode, 1) << options[0];
        EXPECT_NE(run.err.find(shown + end), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find_first_of("\x1b\a\xE4"), std::string::npos) << run.err;
    }
}

TEST(CompileCommand, UsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"compile"},
        {"compile", "--out", "x"},
        {"compile", "--tsv", "a"},
        {"compile", "--tsv", "a", "--ding", "b", "--out", "x"},
        {"compile", "--tsv", "a", "--out"},
        {"compile", "--tsv", "a", "--out", "x", "--max", "0"},
        {"compile", "--tsv", "a", "--out", "x", "--max", "65536"},
        {"compile", "--tsv", "a", "--out", "x", "--max", "12x"},
        {"compile", "--tsv", "a", "--out", "x", "extra"},
        {"compile", "--tsv", "a", "--out", "x", "--frequencies", "fr=f.tsv"},
        {"compile", "--tsv", "a", "--out", "x", "--frequencies", "en="},
        {"compile", "--tsv", "a", "--out", "x", "--frequencies", "f.tsv"},
        {"compile", "--tsv", "a", "--out", "x", "--frequencies", "en=a", "--frequencies", "en=b"},
    };
    for (const auto& args : cases) {
        const ProcessResult run = runDict(args);
        EXPECT_EQ(run.exitCode, 64) << testing::PrintToString(args);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
}

} // namespace
} // namespace wb::test
