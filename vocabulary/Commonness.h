#pragma once
// How common a headword is. With a frequency list of its language it is how often the
// headword occurs in real text (a phrase by its rarest word, lowered for each further
// word); without one, or for a headword the list lacks, how many lines of the word
// list mention it, lowered for long headwords, for phrases, and for words met only in
// specialist lines. The number only orders headwords; it means nothing on its own.
#include "vocabulary/FrequencyTable.h"
#include "vocabulary/Headword.h"
#include "vocabulary/MentionCounter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wb::vocab {

// What a headword's commonness rests on.
enum class RankSource : std::uint8_t {
    Frequencies,   // its language's frequency list
    OtherLanguage, // the frequency of its main translation
    Mentions,      // the lines of the word list that mention it
};
constexpr int kRankSourceCount = 3;
const char* describe(RankSource source);

struct CommonnessScores {
    std::vector<double> values; // by headword, in the order given
    std::vector<RankSource> sources;
};

// `frequencies` may be null: every headword is then ranked by its mentions.
// `scale` is the frequency list whose units a mention is expressed in (per million
// words, one mention worth half an occurrence); by default `frequencies` itself.
CommonnessScores commonness(const std::vector<Headword>& headwords, const MentionCounter& mentions,
                            const FrequencyTable* frequencies,
                            const FrequencyTable* scale = nullptr);

// A headword no frequency list counts is as common as the lines that mention it
// (at least the lines that list it), lowered by these factors:
// - each further word adds kMentionPhrasePenalty to the divisor: a line mentions a
//   phrase's words far more often than the phrase;
constexpr double kMentionPhrasePenalty = 2.0;
// - a headword longer than kMentionFreeLength characters adds one to the divisor per
//   kMentionLengthStep more: long words are rare words ("Donaudampfschifffahrt");
constexpr std::size_t kMentionFreeLength = 12;
constexpr double kMentionLengthStep = 8.0;
// - met only in the later sub-entries of its lines, which hold forms and phrases, not
//   the lines' headwords;
constexpr double kLaterEntryFactor = 0.5;
// - met only in lines of a specialist field.
constexpr double kSpecialistOnlyFactor = 0.5;
double mentionScore(const Headword& headword, std::uint32_t mentions);

// Occurrences per million words of `text` (Windows-1252) by the list: a phrase counts
// as its rarest word, divided by 8 for every word after the first; placeholders
// ("etw.", "sb.") are not counted. Nothing when a word is missing.
std::optional<double> textFrequency(std::string_view text, const FrequencyTable& frequencies);

} // namespace wb::vocab
