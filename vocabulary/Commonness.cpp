#include "vocabulary/Commonness.h"

#include <algorithm>
#include <cmath>

namespace wb::vocab {

double mentionScore(const Headword& headword, std::uint32_t mentions)
{
    const auto& text = headword.text;
    const auto spaces = std::count(text.begin(), text.end(), ' ');
    const double phrasePenalty = 1.0 + kMentionPhrasePenalty * double(spaces);
    const double lengthPenalty =
        1.0 +
        double(std::max(text.size(), kMentionFreeLength) - kMentionFreeLength) / kMentionLengthStep;
    const double mainFactor = headword.main ? 1.0 : kLaterEntryFactor;
    const double generalFactor = headword.generalLines > 0 ? 1.0 : kSpecialistOnlyFactor;
    return double(std::max(mentions, headword.lines)) * mainFactor * generalFactor /
           (phrasePenalty * lengthPenalty);
}

namespace {

// A phrase is rarer than its rarest word: "ballpoint pen" is said less often than
// "ballpoint". The factor per word keeps phrases of common words ("to go home") from
// crowding out the single words a reader looks up.
constexpr double kPhraseFactor = 8.0;

} // namespace

const char* describe(RankSource source)
{
    switch (source) {
    case RankSource::Frequencies:
        return "by the frequency list";
    case RankSource::OtherLanguage:
        return "by the frequency of their main translation";
    case RankSource::Mentions:
        return "by mentions in the word list";
    }
    return "?";
}

std::optional<double> textFrequency(std::string_view text, const FrequencyTable& frequencies)
{
    std::optional<double> rarest;
    int words = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ' ' && text[i] != '-')
            continue;
        const auto word = text.substr(start, i - start);
        start = i + 1;
        if (word.empty() || word.find('.') != std::string_view::npos)
            continue;
        const double perMillion = frequencies.perMillion(word);
        if (perMillion == 0)
            return std::nullopt;
        rarest = std::min(rarest.value_or(perMillion), perMillion);
        ++words;
    }
    if (!rarest)
        return std::nullopt;
    return *rarest / std::pow(kPhraseFactor, words - 1);
}

CommonnessScores commonness(const std::vector<Headword>& headwords, const MentionCounter& mentions,
                            const FrequencyTable* frequencies, const FrequencyTable* scale)
{
    if (!scale)
        scale = frequencies;
    // A word the frequency list lacks occurs less than once in its text: one mention
    // counts as half an occurrence there.
    const double perMention =
        scale && scale->total() > 0 ? 0.5 * 1e6 / double(scale->total()) : 1.0;
    CommonnessScores scores{std::vector<double>(headwords.size()),
                            std::vector<RankSource>(headwords.size(), RankSource::Mentions)};
    for (std::size_t i = 0; i < headwords.size(); ++i) {
        const auto& headword = headwords[i];
        const auto counted =
            frequencies ? textFrequency(lookupWord(headword.text), *frequencies) : std::nullopt;
        if (counted) {
            scores.values[i] = *counted;
            scores.sources[i] = RankSource::Frequencies;
        } else {
            scores.values[i] =
                mentionScore(headword, mentions.linesMentioning(headword.text)) * perMention;
        }
    }
    return scores;
}

} // namespace wb::vocab
