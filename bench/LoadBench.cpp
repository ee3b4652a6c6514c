// Loading both files of a full-size vocabulary (65,535 records each) from memory and
// from disk, and the store's heap for that data.
#include "DictionaryStore.h"
#include "TestSupport.h"

#include <benchmark/benchmark.h>

namespace {

const wb::test::GeneratedDictionary& fullDictionary()
{
    static const auto dictionary = wb::test::generateDictionary(65535, 65535, 2024);
    return dictionary;
}

void BM_DecodeBothFiles(benchmark::State& state)
{
    const auto& dictionary = fullDictionary();
    std::size_t heap = 0;
    for (auto _ : state) {
        wb::DictionaryStore store;
        store.loadGerman(dictionary.deueng);
        store.loadEnglish(dictionary.engdeu);
        heap = store.heapBytes();
        benchmark::DoNotOptimize(store);
    }
    state.counters["store_heap_KiB"] = double(heap) / 1024.0;
    state.counters["file_bytes"] = double(dictionary.deueng.size() + dictionary.engdeu.size());
}
BENCHMARK(BM_DecodeBothFiles)->Unit(benchmark::kMillisecond);

void BM_OpenDistNowFromDisk(benchmark::State& state)
{
    wb::test::TempDir dir;
    fullDictionary().writeTo(dir.path());
    wb::test::CollectingReporter reporter;
    for (auto _ : state) {
        wb::DictionaryStore store;
        store.OpenDistNow(dir.path(), reporter);
        benchmark::DoNotOptimize(store);
    }
    if (!reporter.messages.empty())
        state.SkipWithError("a file could not be opened");
}
BENCHMARK(BM_OpenDistNowFromDisk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
