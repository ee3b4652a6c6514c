#pragma once
// The whole compile: read a word list, collect its candidates, rank and select, encode
// and write the two data files, and account for every headword left out.
#include "dictionary/RecordDecoder.h"
#include "vocabulary/Candidates.h"
#include "vocabulary/FormsBuilder.h"
#include "vocabulary/Scorecard.h"
#include "vocabulary/Selection.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>

namespace wb::vocab {

enum class SourceFormat { Ding, Tsv };

// A line is held whole only up to this length; a longer one is skipped as it streams
// past. No real entry comes near it (Debian's longest line is under 1 KiB).
constexpr std::size_t kMaxLineBytes = 64 * 1024;
// A source that goes on past this is refused: no word list is that large (Debian's is
// 25 MB), and an endless stream such as /dev/zero must end.
constexpr std::uintmax_t kMaxSourceBytes = std::uintmax_t(1) << 30;

struct CompileOptions {
    std::filesystem::path source;
    SourceFormat format = SourceFormat::Ding;
    std::filesystem::path outputDirectory;
    std::size_t maxRecords = kMaxRecords; // per file
    // Word frequency lists (`word<TAB>count`), each optional; see Commonness.h.
    std::filesystem::path englishFrequencies;
    std::filesystem::path germanFrequencies;
    // What the scorecard measures by (see Scorecard.h), each optional: the frequency
    // lists whose breadth it gives (by default the ranking's own), and the judged lists
    // of first translations.
    std::filesystem::path englishBreadth;
    std::filesystem::path germanBreadth;
    std::filesystem::path englishJudged;
    std::filesystem::path germanJudged;
    // Source tables of inflected forms (`base<TAB>forms`), each optional; see
    // FormsBuilder.h. Without one, that language's forms file holds no form.
    std::filesystem::path englishForms;
    std::filesystem::path germanForms;
    // Whether to wait for another compile into the same directory to finish, or to
    // fail at once.
    bool wait = true;
    // Told once when the compile has to wait for another one.
    std::function<void()> onWait;
};

// Lines that never reach the parser.
struct RefusedLines {
    std::size_t tooLong = 0;           // over kMaxLineBytes
    std::size_t controlCharacters = 0; // a byte below 0x20 (other than the TSV tab) or 0x7F
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
    // Of the kFrequentWords most frequent words of the language's frequency list (when
    // one was given), how many the list has as headwords, and how many of those were
    // left out.
    std::size_t frequentListed = 0;
    std::size_t frequentLeftOut = 0;
};

constexpr std::size_t kFrequentWords = 10000;

struct CompileSummary {
    RefusedLines refused;
    std::size_t entryLines = 0;
    std::size_t ignoredLines = 0;
    std::size_t malformedLines = 0;
    std::size_t unpairedLines = 0;
    int rounds = 0;
    LanguageSummary english;
    LanguageSummary german;
    Scorecard scorecard;
    FormsSummary englishForms;
    FormsSummary germanForms;
};

// Reads every line of `in` into a candidate set with its translation lists, not yet
// scored or ranked, skipping a leading UTF-8 byte-order mark and counting in
// `refused` the lines it leaves out. `poll` runs between blocks of input (a
// termination request throws from it). Throws std::runtime_error when the input goes
// on past kMaxSourceBytes.
Candidates readCandidates(std::istream& in, SourceFormat format, RefusedLines& refused,
                          const std::function<void()>& poll = {});

// The stages, in order: read lines and collect candidates, score commonness, rank
// translations, rank headwords, select, encode, write; then the summary and the
// scorecard of what was written.
// Throws std::runtime_error when the source or a frequency list cannot be read, yields no record
// for one of the files, or the output cannot be written; the output directory is then untouched.
CompileSummary compileVocabulary(const CompileOptions& options);

void printSummary(std::ostream& out, const CompileSummary& summary);

} // namespace wb::vocab
