#pragma once
// The whole compile: read a word list, collect its candidates, rank and select, encode
// and write the two data files, and account for every headword left out.
#include "dictionary/RecordDecoder.h"
#include "vocabulary/Candidates.h"
#include "vocabulary/Selection.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <ostream>

namespace wb::vocab {

enum class SourceFormat { Ding, Tsv };

struct CompileOptions {
    std::filesystem::path source;
    SourceFormat format = SourceFormat::Ding;
    std::filesystem::path outputDirectory;
    std::size_t maxRecords = kMaxRecords; // per file
    // Word frequency lists (`word<TAB>count`), each optional; see Commonness.h.
    std::filesystem::path englishFrequencies;
    std::filesystem::path germanFrequencies;
};

struct LanguageSummary {
    std::size_t candidates = 0;
    std::size_t chosen = 0;
    std::array<std::size_t, kSkipReasonCount> skippedAlternatives{}; // by SkipReason
    std::size_t rankedOut = 0;
    std::size_t noTranslation = 0;
    std::size_t cannotBeEncoded = 0;
    std::size_t fileBytes = 0;
    // Headwords the list gives only inside other entries, by Origin.
    std::array<std::size_t, kOriginCount> derivedCandidates{};
    std::array<std::size_t, kOriginCount> derivedChosen{};
    // Chosen headwords by what ranked them, by RankSource.
    std::array<std::size_t, kRankSourceCount> rankedBy{};
};

struct CompileSummary {
    std::size_t entryLines = 0;
    std::size_t ignoredLines = 0;
    std::size_t malformedLines = 0;
    std::size_t unpairedLines = 0;
    int rounds = 0;
    LanguageSummary english;
    LanguageSummary german;
};

// Reads every line of `in` into a finished candidate set, ranked by the frequency
// lists given (either may be null).
Candidates readCandidates(std::istream& in, SourceFormat format,
                          const FrequencyTable* english = nullptr,
                          const FrequencyTable* german = nullptr);

// Throws std::runtime_error when the source or a frequency list cannot be read, yields no record
// for one of the files, or the output cannot be written; the output directory is then untouched.
CompileSummary compileVocabulary(const CompileOptions& options);

void printSummary(std::ostream& out, const CompileSummary& summary);

} // namespace wb::vocab
