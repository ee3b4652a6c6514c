// Loading both files of a full-size vocabulary (65,535 records each) from memory and
// from disk, and the store's heap for that data.
#include "bench/BenchSupport.h"
#include "dictionary/DictionaryStore.h"
#include "system/ErrorReporter.h"
#include "tests/support/TestSupport.h"

#include <benchmark/benchmark.h>

namespace {

class CountingReporter : public wb::ErrorReporter {
public:
    void reportError(std::string_view) override { ++errors; }
    int errors = 0;
};

void BM_DecodeBothFiles(benchmark::State& state)
{
    const auto& dictionary = wb::bench::fullSizeFiles();
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
    const wb::test::TempDir dir;
    wb::bench::writeDataFiles(dir.path(), wb::bench::fullSizeFiles());
    CountingReporter reporter;
    for (auto _ : state) {
        wb::DictionaryStore store;
        store.OpenDistNow(dir.path(), reporter);
        benchmark::DoNotOptimize(store);
    }
    if (reporter.errors != 0)
        state.SkipWithError("a file could not be opened");
}
BENCHMARK(BM_OpenDistNowFromDisk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
