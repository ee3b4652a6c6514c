#pragma once
// Measures the two files a compile writes by what readers look up: how many of the
// words of a frequency list that the source has the files hold, how many headwords
// are not in the form a reader types, and how often a headword's first translation
// is one a good dictionary prints first. It judges; it changes nothing it measures.
#include "dictionary/DictionaryStore.h"
#include "vocabulary/FrequencyTable.h"
#include "vocabulary/Headword.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wb::vocab {

// How deep into a frequency list the breadth is measured; a shorter list is also
// measured whole.
constexpr std::array<std::size_t, 5> kBreadthDepths = {1000, 5000, 10000, 20000, 40000};

// Of the `depth` most frequent words of the list, those the source has as a
// single-word headword with a translation, and of those, the ones in the file.
struct BreadthDepth {
    std::size_t depth = 0;
    std::size_t inSource = 0;
    std::size_t present = 0;
    double share() const { return inSource == 0 ? 1.0 : double(present) / double(inSource); }
};

// Headwords of a file that a reader would not type as they stand.
struct FormCounts {
    std::size_t phrases = 0;  // more than one word ("freuen (sich)" is one)
    std::size_t articles = 0; // beginning with an article
    std::size_t sich = 0;     // beginning with "sich"
    std::size_t to = 0;       // beginning with "to"
    std::size_t broken = 0;   // a preposition before a bare verb form ("an festgehalten")
};

// Headwords with the translations a good dictionary prints first, any of which is
// right as a file's first translation. Windows-1252.
struct JudgedEntry {
    std::string headword;
    std::vector<std::string> accepted;
};
using JudgedList = std::vector<JudgedEntry>;

// UTF-8 lines `headword<TAB>accepted|accepted|...`; blank lines and lines starting
// with '#' are ignored. Throws std::runtime_error naming `name` and the line for a
// line without a tab or without a headword or translation, a text Windows-1252
// cannot store, or a headword given twice.
JudgedList readJudgedList(std::istream& in, std::string_view name);
JudgedList readJudgedList(const std::filesystem::path& path);

struct JudgedScore {
    std::size_t judged = 0;
    std::size_t right = 0;
    // "headword: first translation" of each wrong one, "headword: -" when missing.
    std::vector<std::string> wrong;
    // Of the missing ones, those the source has no translation for at all.
    std::size_t notInSource = 0;
    // Of the missing ones, those for which a reader who types them sees a right first
    // translation first: a headword but for its case ("Du", "du"), or the first base
    // the forms file gives ("kannst", "können").
    std::size_t rightAsTyped = 0;
    double share() const { return judged == 0 ? 1.0 : double(right) / double(judged); }
    double asTypedShare() const
    {
        return judged == 0 ? 1.0 : double(right + rightAsTyped) / double(judged);
    }
};

struct LanguageScorecard {
    std::vector<BreadthDepth> breadth; // empty without a frequency list to measure by
    std::vector<std::string> missing;  // of the deepest depth, the most frequent first
    FormCounts forms;
    std::optional<JudgedScore> judged;
};

struct Scorecard {
    LanguageScorecard english;
    LanguageScorecard german;
};

// What one language is measured against: the source's headwords that have a
// translation (Windows-1252, any order), and the lists, each may be null.
struct ScorecardInputs {
    std::vector<std::string> sourceWords;
    std::vector<std::string> sourceHeadwords; // every one with a translation, as written
    const FrequencyTable* breadth = nullptr;
    const JudgedList* judged = nullptr;
    // The language's forms file as the compile wrote it; empty without one.
    std::span<const std::uint8_t> formsFile;
};

Scorecard measureVocabulary(const DictionaryStore& files, const ScorecardInputs& english,
                            const ScorecardInputs& german);

bool beginsWithArticle(std::string_view headword, Language language);
// "an festgehalten": a preposition left before a participle or an infinitive when
// the list took out the object between them.
bool isBrokenPhrase(std::string_view headword);

void printScorecard(std::ostream& out, const Scorecard& scorecard);

} // namespace wb::vocab
