#include "vocabulary/Ranking.h"

#include <algorithm>
#include <numeric>

namespace wb::vocab {
namespace {

std::uint64_t fnv1a(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::vector<double> rankScores(const Candidates& candidates, Language language)
{
    std::vector<double> scores = candidates.commonness(language);
    const Language otherSide = otherLanguage(language);
    const auto& other = candidates.commonness(otherSide);
    for (HeadwordId id = 0; id < other.size(); ++id) {
        const auto translations = candidates.translations(otherSide, id);
        if (!translations.empty())
            scores[translations.front().other] =
                std::max(scores[translations.front().other], other[id] / 2);
    }
    return scores;
}

} // namespace

std::vector<HeadwordId> rankHeadwords(const Candidates& candidates, Language language)
{
    const auto& headwords = candidates.headwords(language);
    const auto own = rankScores(candidates, language);
    const auto& other = candidates.commonness(otherLanguage(language));
    std::vector<double> bestTranslation(headwords.size(), 0.0);
    std::vector<std::uint64_t> hashes(headwords.size());
    for (HeadwordId id = 0; id < headwords.size(); ++id) {
        for (const Translation& t : candidates.translations(language, id))
            bestTranslation[id] = std::max(bestTranslation[id], other[t.other]);
        hashes[id] = fnv1a(headwords[id].text);
    }
    std::vector<HeadwordId> order(headwords.size());
    std::iota(order.begin(), order.end(), HeadwordId(0));
    std::sort(order.begin(), order.end(), [&](HeadwordId a, HeadwordId b) {
        if (own[a] != own[b])
            return own[a] > own[b];
        if (bestTranslation[a] != bestTranslation[b])
            return bestTranslation[a] > bestTranslation[b];
        return hashes[a] != hashes[b] ? hashes[a] < hashes[b] : a < b;
    });
    return order;
}

} // namespace wb::vocab
