#include "bench/BenchSupport.h"

#include "dictionary/AsciiCase.h"
#include "dictionary/RecordEncoder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace wb::bench {
namespace {

constexpr std::size_t kRecords = kMaxRecords;

std::vector<std::string> sortedWords(std::size_t maxLength, std::mt19937& rng)
{
    static const std::string alphabet = "aaeeiioournsthlmbHHAAUU\xE4\xF6\xFC\xDF\xC4";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::normal_distribution<double> length(8.0, 3.0);
    std::vector<std::string> words(kRecords);
    for (auto& word : words) {
        const auto n =
            std::clamp<std::size_t>(std::size_t(std::max(0.0, length(rng))), 1, maxLength);
        for (std::size_t i = 0; i < n; ++i)
            word += alphabet[letter(rng)];
    }
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return std::pair(asciiUpperCase(a), a) < std::pair(asciiUpperCase(b), b);
    });
    return words;
}

DataFiles generate()
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> slots(1, 3);
    std::uniform_int_distribution<std::uint16_t> pick(0, std::uint16_t(kRecords - 1));

    RecordEncoder english(DictionaryFile::English);
    for (const auto& word : sortedWords(kMaxEnglishSuffix, rng)) {
        std::vector<std::uint16_t> references(std::size_t(slots(rng)));
        for (auto& reference : references)
            reference = pick(rng);
        if (!english.append(word, references))
            throw std::logic_error("generated English headword cannot be encoded: " + word);
    }
    RecordEncoder german(DictionaryFile::German);
    for (const auto& word : sortedWords(30, rng)) {
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
