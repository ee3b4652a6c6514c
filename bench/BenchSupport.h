#pragma once
// What the benchmarks share: a full-size pair of data files (65,535 records each, the
// most the indices can address) of generated headwords, written where a benchmark
// wants them (a test::TempDir). Built without any test framework, so the benchmarks
// build with the tests switched off.
#include "dictionary/DictionaryStore.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace wb::bench {

struct DataFiles {
    std::vector<std::uint8_t> engdeu;
    std::vector<std::uint8_t> deueng;
};

// Headwords of realistic lengths over a small alphabet with umlauts and mixed case, so
// that prefixes repeat and case folding matters; in dictionary order, every reference
// valid. The same files every time.
const DataFiles& fullSizeFiles();

// Those files loaded into a store, once.
const DictionaryStore& fullSizeStore();

// Writes both files into `directory` under their own names.
void writeDataFiles(const std::filesystem::path& directory, const DataFiles& files);

} // namespace wb::bench
