#pragma once
// What the benchmarks share: a full-size pair of data files (65,535 records each, the
// most the indices can address) of generated headwords, and a scratch directory to
// put them in. Built without any test framework, so the benchmarks build with the
// tests switched off.
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

// A fresh directory under the system's temporary directory, removed with the object.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return m_path; }

    // Writes both files under their own names.
    void write(const DataFiles& files) const;

private:
    std::filesystem::path m_path;
};

} // namespace wb::bench
