#include "vocabulary/Commonness.h"

#include <algorithm>

namespace wb::vocab {
namespace {

double score(const Headword& headword, std::uint32_t mentions)
{
    const auto& text = headword.text;
    const auto spaces = std::count(text.begin(), text.end(), ' ');
    const double phrasePenalty = 1.0 + 2.0 * double(spaces);
    const double lengthPenalty = 1.0 + double(std::max<std::size_t>(text.size(), 12) - 12) / 8.0;
    // The first sub-entry of a line holds its headwords; later ones hold inflected
    // forms and phrases.
    const double mainFactor = headword.main ? 1.0 : 0.5;
    const double generalFactor = headword.generalLines > 0 ? 1.0 : 0.5;
    return double(std::max(mentions, headword.lines)) * mainFactor * generalFactor /
           (phrasePenalty * lengthPenalty);
}

} // namespace

std::vector<double> commonness(const std::vector<Headword>& headwords,
                               const MentionCounter& mentions)
{
    std::vector<double> scores(headwords.size());
    for (std::size_t i = 0; i < headwords.size(); ++i)
        scores[i] = score(headwords[i], mentions.linesMentioning(headwords[i].text));
    return scores;
}

} // namespace wb::vocab
