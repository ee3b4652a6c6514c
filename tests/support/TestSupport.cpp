#include "tests/support/TestSupport.h"

#include "dictionary/RecordEncoder.h"
#include "tests/support/Words.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace wb::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "wb-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::vector<std::uint8_t>> snapshot(const std::filesystem::path& directory)
{
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        files[entry.path().filename().string()] =
            entry.is_directory() ? std::vector<std::uint8_t>{'/'} : readAll(entry.path());
    return files;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    writeFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void GeneratedDictionary::writeTo(const std::filesystem::path& directory) const
{
    writeFile(directory / fileName(DictionaryFile::English), engdeu);
    writeFile(directory / fileName(DictionaryFile::German), deueng);
}

void encode(GeneratedDictionary& dictionary)
{
    RecordEncoder english(DictionaryFile::English);
    for (const auto& entry : dictionary.english)
        if (!english.append(entry.headword, entry.references))
            throw std::logic_error("generated English entry cannot be encoded: " + entry.headword);
    RecordEncoder german(DictionaryFile::German);
    for (const auto& entry : dictionary.german) {
        const std::uint16_t reference[] = {entry.reference};
        if (!german.append(entry.headword, reference))
            throw std::logic_error("generated German entry cannot be encoded: " + entry.headword);
    }
    dictionary.engdeu = english.bytes();
    dictionary.deueng = german.bytes();
}

GeneratedDictionary generateDictionary(std::size_t englishCount, std::size_t germanCount,
                                       std::uint32_t seed)
{
    std::mt19937 rng(seed);
    GeneratedDictionary dictionary;
    std::uniform_int_distribution<int> slots(1, 3);
    std::uniform_int_distribution<std::size_t> pickGerman(0, germanCount ? germanCount - 1 : 0);
    std::uniform_int_distribution<std::size_t> pickEnglish(0, englishCount ? englishCount - 1 : 0);

    for (auto& word : randomWords(englishCount, 15, rng)) {
        GeneratedDictionary::English entry{std::move(word), {}};
        const int n = germanCount ? slots(rng) : 0;
        for (int i = 0; i < n; ++i)
            entry.references.push_back(std::uint16_t(pickGerman(rng)));
        if (entry.references.empty())
            entry.references.push_back(kNoTranslation);
        dictionary.english.push_back(std::move(entry));
    }
    for (auto& word : randomWords(germanCount, 30, rng)) {
        const auto reference = englishCount ? std::uint16_t(pickEnglish(rng)) : kNoTranslation;
        dictionary.german.push_back({std::move(word), reference});
    }
    encode(dictionary);
    return dictionary;
}

} // namespace wb::test
