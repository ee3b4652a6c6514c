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

// Occurrences per million words of `text` (Windows-1252) by the list: a phrase counts
// as its rarest word, divided by 8 for every word after the first; placeholders
// ("etw.", "sb.") are not counted. Nothing when a word is missing.
std::optional<double> textFrequency(std::string_view text, const FrequencyTable& frequencies);

} // namespace wb::vocab
