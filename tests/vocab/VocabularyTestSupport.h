#pragma once
// Compiling small word lists inside a test, and reading the result back through the
// program's own reader, so that tests compare what a user would see.
#include "dictionary/DictionaryStore.h"
#include "vocabulary/VocabularyCompiler.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace wb::test {

// Headwords and translations as the decoder returns them (Windows-1252), in file order.
struct DecodedVocabulary {
    std::vector<std::string> english;
    std::vector<std::vector<std::string>> germanOf; // per English headword, slot order
    std::vector<std::string> german;
    std::vector<std::string> englishOf; // per German headword

    // The translations of a headword; empty when it is not in the vocabulary.
    std::vector<std::string> translationsOf(std::string_view english) const;
    std::string translationOf(std::string_view german) const;
};

DecodedVocabulary decodeVocabulary(const DictionaryStore& store);
DecodedVocabulary readVocabulary(const std::filesystem::path& directory);

struct CompiledVocabulary {
    vocab::CompileSummary summary;
    std::vector<std::uint8_t> engdeu;
    std::vector<std::uint8_t> deueng;
    DecodedVocabulary decoded;
};

// Compiles `source` (UTF-8 text in the given format) with at most `maxRecords`
// records per file, ranked by the frequency lists given (`word<TAB>count` text; none
// when empty).
CompiledVocabulary compileText(std::string_view source, vocab::SourceFormat format,
                               std::size_t maxRecords = kMaxRecords,
                               std::string_view englishFrequencies = {},
                               std::string_view germanFrequencies = {});

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

} // namespace wb::test
