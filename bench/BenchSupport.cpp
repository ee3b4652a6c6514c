#include "bench/BenchSupport.h"

#include "dictionary/RecordEncoder.h"
#include "tests/support/TestSupport.h"
#include "tests/support/Words.h"

#include <random>
#include <string>

namespace wb::bench {
namespace {

constexpr std::size_t kRecords = kMaxRecords;

DataFiles generate()
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> slots(1, 3);
    std::uniform_int_distribution<std::uint16_t> pick(0, std::uint16_t(kRecords - 1));

    RecordEncoder english(DictionaryFile::English);
    for (const auto& word : test::randomWords(kRecords, kMaxEnglishSuffix, rng)) {
        std::vector<std::uint16_t> references(std::size_t(slots(rng)));
        for (auto& reference : references)
            reference = pick(rng);
        if (!english.append(word, references))
            throw std::logic_error("generated English headword cannot be encoded: " + word);
    }
    RecordEncoder german(DictionaryFile::German);
    for (const auto& word : test::randomWords(kRecords, 30, rng)) {
        const std::uint16_t reference[] = {pick(rng)};
        if (!german.append(word, reference))
            throw std::logic_error("generated German headword cannot be encoded: " + word);
    }
    return {english.bytes(), german.bytes()};
}

} // namespace

const DataFiles& fullSizeFiles()
{
    static const DataFiles files = generate();
    return files;
}

const DictionaryStore& fullSizeStore()
{
    static const DictionaryStore store = [] {
        DictionaryStore loaded;
        loaded.loadEnglish(fullSizeFiles().engdeu);
        loaded.loadGerman(fullSizeFiles().deueng);
        return loaded;
    }();
    return store;
}

void writeDataFiles(const std::filesystem::path& directory, const DataFiles& files)
{
    test::writeFile(directory / fileName(DictionaryFile::English), files.engdeu);
    test::writeFile(directory / fileName(DictionaryFile::German), files.deueng);
}

} // namespace wb::bench
