// The command's lookups for scripts over 65,535 headwords per direction: one forgiving
// whole-word lookup across both lists, the did-you-mean search for a 12-letter
// misspelling, and woerterbuch-dict itself answering 10,000 texts on standard input
// (one load, many searches, process start included).
#include "bench/BenchSupport.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/ForgivingMatch.h"
#include "dictionary/NearWords.h"
#include "tests/support/Process.h"
#include "tests/support/TestSupport.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The first headword of `length` bytes after the middle of the list.
std::string headwordOfLength(const wb::WordList& words, std::size_t length)
{
    for (std::size_t i = words.size() / 2; i < words.size(); ++i)
        if (words[i].size() == length)
            return std::string(words[i]);
    throw std::runtime_error("no headword of that length");
}

void BM_FoldExactBothLists(benchmark::State& state)
{
    const auto& store = wb::bench::fullSizeStore();
    std::string text = headwordOfLength(store.germanWords(), 8);
    for (char& c : text)
        c = char(c >= 'a' && c <= 'z' ? c - 32 : c);
    std::size_t found = 0;
    for (auto _ : state) {
        found = wb::forgivingMatches(store.englishWords(), text, wb::MatchScope::Whole).size() +
                wb::forgivingMatches(store.germanWords(), text, wb::MatchScope::Whole).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}

void BM_DidYouMeanTwelveLetters(benchmark::State& state)
{
    const auto& words = wb::bench::fullSizeStore().englishWords();
    // Three letters changed: more than the two edits a hint may be away.
    std::string text = headwordOfLength(words, 12);
    text[2] = text[6] = text[10] = '#';
    std::size_t near = 0;
    for (auto _ : state) {
        near = wb::nearHeadwords(words, text, 2, 3).size();
        benchmark::DoNotOptimize(near);
    }
    state.counters["suggestions"] = double(near);
}

// Runs the command with `input` on standard input and its output thrown away.
int runCommand(const std::vector<std::string>& args, const std::filesystem::path& input)
{
    wb::test::ProcessOptions options;
    options.input = input;
    options.output = "/dev/null";
    return wb::test::runProcess(WB_DICT_COMMAND, args, options).exitCode;
}

// range(0): 0 prefix lookups, 1 --fold --exact --json; one text in ten matches nothing
// (with --quiet, so no hint is searched for).
void BM_StdinTenThousandTexts(benchmark::State& state)
{
    const wb::test::TempDir scratch;
    wb::bench::writeDataFiles(scratch.path(), wb::bench::fullSizeFiles());
    const auto& words = wb::bench::fullSizeStore().englishWords();
    {
        std::ofstream input(scratch.path() / "input");
        for (std::size_t i = 0; i < 10000; ++i)
            input << (i % 10 == 9 ? std::string("qqq") : std::string(words[i * 6 % words.size()]))
                  << '\n';
    }
    std::vector<std::string> args{"lookup", "--data", scratch.path().string(), "--quiet"};
    if (state.range(0) == 1)
        args.insert(args.end(), {"--fold", "--exact", "--json"});
    args.insert(args.end(), {"--stdin", "en"});
    for (auto _ : state) {
        if (runCommand(args, scratch.path() / "input") != 0)
            state.SkipWithError("the command failed");
    }
    state.SetLabel(state.range(0) == 1 ? "--fold --exact --json" : "prefix");
}

BENCHMARK(BM_FoldExactBothLists)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DidYouMeanTwelveLetters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StdinTenThousandTexts)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
BENCHMARK_MAIN();
