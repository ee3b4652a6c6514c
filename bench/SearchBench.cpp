// A full walk over 65,535 headwords per direction, with keys that match nothing,
// about 12 % of the entries, and the empty key; and the memory-bound floor, a plain
// pass that reads every headword byte once.
#include "bench/BenchSupport.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>

namespace {

using wb::Direction;

const wb::WordList& wordsOf(Direction direction)
{
    return direction == Direction::EnglishToGerman ? wb::bench::fullSizeStore().englishWords()
                                                   : wb::bench::fullSizeStore().germanWords();
}

// The two-letter prefix whose share of the headwords lies closest to `share`.
std::string keyWithShare(Direction direction, double share)
{
    const auto& words = wordsOf(direction);
    std::map<std::string, std::size_t> counts;
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t length = 1; length <= 2 && length <= words[i].size(); ++length)
            ++counts[wb::asciiUpperCase(words[i].substr(0, length))];
    std::string best;
    double bestDistance = 1e9;
    for (const auto& [key, count] : counts) {
        const double distance = std::fabs(double(count) / double(words.size()) - share);
        if (distance < bestDistance)
            bestDistance = distance, best = key;
    }
    return best;
}

struct CountingRows final : wb::RowSink {
    std::size_t rows = 0;
    void addRow(std::string_view) override { ++rows; }
    void setTranslation(std::string_view translation) override
    {
        benchmark::DoNotOptimize(translation.data());
    }
};

struct NoProgress final : wb::ProgressSink {
    void setProgress(int percent) override { benchmark::DoNotOptimize(percent); }
};

void runSearch(benchmark::State& state, Direction direction, const std::string& key)
{
    const auto& store = wb::bench::fullSizeStore();
    CountingRows rows;
    NoProgress progress;
    for (auto _ : state) {
        rows.rows = 0;
        wb::searchWith(store, direction, key, rows, progress);
    }
    state.counters["rows"] = double(rows.rows);
    state.counters["match_share"] = double(rows.rows) / double(wordsOf(direction).size());
    state.SetLabel("key '" + key + "'");
}

void BM_SearchNoMatch(benchmark::State& state)
{
    runSearch(state, Direction(state.range(0)), "QX");
}
void BM_SearchTwelvePercent(benchmark::State& state)
{
    const auto direction = Direction(state.range(0));
    runSearch(state, direction, keyWithShare(direction, 0.12));
}
void BM_SearchEmptyKey(benchmark::State& state)
{
    runSearch(state, Direction(state.range(0)), "");
}

// What any walk must at least cost: every headword byte read once.
void BM_ScanFloor(benchmark::State& state)
{
    const auto& words = wordsOf(Direction(state.range(0)));
    const auto& bytes = words.bytes();
    for (auto _ : state) {
        unsigned sum = 0;
        for (unsigned char c : bytes)
            sum += c;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["bytes"] = double(bytes.size());
}

// range(0): 0 English to German, 1 German to English
BENCHMARK(BM_SearchNoMatch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchTwelvePercent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchEmptyKey)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
