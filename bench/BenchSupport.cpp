#include "bench/BenchSupport.h"

#include "dictionary/RecordEncoder.h"
#include "tests/support/Words.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
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

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
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

ScratchDirectory::ScratchDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "wb-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

void ScratchDirectory::write(const DataFiles& files) const
{
    writeBytes(m_path / fileName(DictionaryFile::English), files.engdeu);
    writeBytes(m_path / fileName(DictionaryFile::German), files.deueng);
}

} // namespace wb::bench
