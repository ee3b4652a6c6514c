#include "tests/vocab/VocabularyTestSupport.h"

#include "tests/support/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace wb::test {

std::vector<std::string> DecodedVocabulary::translationsOf(std::string_view headword) const
{
    const auto found = std::find(english.begin(), english.end(), headword);
    return found == english.end() ? std::vector<std::string>{}
                                  : germanOf[std::size_t(found - english.begin())];
}

std::string DecodedVocabulary::translationOf(std::string_view headword) const
{
    const auto found = std::find(german.begin(), german.end(), headword);
    return found == german.end() ? std::string() : englishOf[std::size_t(found - german.begin())];
}

DecodedVocabulary decodeVocabulary(const DictionaryStore& store)
{
    // References are resolved with at(): a dangling one fails the test loudly.
    DecodedVocabulary result;
    const WordList& english = store.englishWords();
    const WordList& german = store.germanWords();
    for (std::size_t i = 0; i < english.size(); ++i) {
        result.english.emplace_back(english[i]);
        std::vector<std::string> translations;
        for (int slot = 0; slot < 3; ++slot) {
            const auto index = store.translationSlot(slot)[i];
            if (index != kNoTranslation)
                translations.emplace_back(german[index]);
        }
        result.germanOf.push_back(std::move(translations));
    }
    for (std::size_t i = 0; i < german.size(); ++i) {
        result.german.emplace_back(german[i]);
        result.englishOf.emplace_back(english[store.reverseIndex().at(i)]);
    }
    return result;
}

DecodedVocabulary readVocabulary(const std::filesystem::path& directory)
{
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(directory, reporter);
    if (!reporter.messages.empty())
        throw std::runtime_error(reporter.messages.front());
    return decodeVocabulary(store);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CompiledVocabulary compileText(std::string_view source, vocab::SourceFormat format,
                               std::size_t maxRecords, std::string_view englishFrequencies,
                               std::string_view germanFrequencies)
{
    TempDir directory;
    writeFile(directory.path() / "source.txt", source);
    vocab::CompileOptions options;
    options.source = directory.path() / "source.txt";
    options.format = format;
    options.outputDirectory = directory.path() / "out";
    options.maxRecords = maxRecords;
    if (!englishFrequencies.empty()) {
        options.englishFrequencies = directory.path() / "en.tsv";
        writeFile(options.englishFrequencies, englishFrequencies);
    }
    if (!germanFrequencies.empty()) {
        options.germanFrequencies = directory.path() / "de.tsv";
        writeFile(options.germanFrequencies, germanFrequencies);
    }

    CompiledVocabulary result;
    result.summary = vocab::compileVocabulary(options);
    result.engdeu = readBytes(options.outputDirectory / "engdeu.dat");
    result.deueng = readBytes(options.outputDirectory / "deueng.dat");
    result.decoded = readVocabulary(options.outputDirectory);
    return result;
}

} // namespace wb::test
