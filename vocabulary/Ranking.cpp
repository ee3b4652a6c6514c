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

// A main translation carries its word's sense, so it is about half as often looked
// up as the word itself: its synonyms share the rest.
constexpr double kLiftShare = 0.5;

std::vector<RankKey> ownKeys(const Candidates& candidates, Language language)
{
    const auto& headwords = candidates.headwords(language);
    const auto& commonness = candidates.commonness(language);
    std::vector<RankKey> keys(headwords.size());
    for (HeadwordId id = 0; id < headwords.size(); ++id)
        keys[id] = ownRankKey(headwords[id], candidates.rankSource(language, id), commonness[id]);
    return keys;
}

std::vector<HeadwordId> sortedByKey(const std::vector<RankKey>& keys,
                                    const std::vector<double>& bestTranslation,
                                    const std::vector<std::uint64_t>& hashes)
{
    std::vector<HeadwordId> order(keys.size());
    std::iota(order.begin(), order.end(), HeadwordId(0));
    std::sort(order.begin(), order.end(), [&](HeadwordId a, HeadwordId b) {
        if (ranksBefore(keys[a], keys[b]) != ranksBefore(keys[b], keys[a]))
            return ranksBefore(keys[a], keys[b]);
        if (bestTranslation[a] != bestTranslation[b])
            return bestTranslation[a] > bestTranslation[b];
        return hashes[a] != hashes[b] ? hashes[a] < hashes[b] : a < b;
    });
    return order;
}

struct Ties {
    std::vector<double> bestTranslation;
    std::vector<std::uint64_t> hashes;
};

Ties ties(const Candidates& candidates, Language language)
{
    const auto& headwords = candidates.headwords(language);
    const auto& other = candidates.commonness(otherLanguage(language));
    Ties result{std::vector<double>(headwords.size(), 0.0),
                std::vector<std::uint64_t>(headwords.size())};
    for (HeadwordId id = 0; id < headwords.size(); ++id) {
        for (const Translation& t : candidates.translations(language, id))
            result.bestTranslation[id] = std::max(result.bestTranslation[id], other[t.other]);
        result.hashes[id] = fnv1a(headwords[id].text);
    }
    return result;
}

} // namespace

RankKey ownRankKey(const Headword& headword, RankSource source, double commonness)
{
    // A phrase is looked up as a unit only as far as the list treats it as one: the
    // frequency of its words says nothing of that ("a child" is not "agricultural").
    // A count of the word itself is surer than one borrowed from a translation, which
    // every synonym shares.
    if (!isPhrase(headword.text) && source == RankSource::Frequencies)
        return {RankTier::Counted, commonness};
    if (!isPhrase(headword.text) && source == RankSource::OtherLanguage)
        return {RankTier::Estimated, commonness};
    // Lines that give it whole first, then how much the list uses it.
    return {RankTier::Evidence, double(headword.entryLines) + commonness / (1.0 + commonness)};
}

bool ranksBefore(const RankKey& a, const RankKey& b)
{
    if (a.tier != b.tier)
        return a.tier < b.tier;
    return a.score > b.score;
}

std::vector<HeadwordId> rankHeadwords(const Candidates& candidates, Language language,
                                      std::size_t places)
{
    const Language otherSide = otherLanguage(language);
    auto keys = ownKeys(candidates, language);
    const auto otherKeys = ownKeys(candidates, otherSide);
    const auto otherTies = ties(candidates, otherSide);
    const auto otherOrder = sortedByKey(otherKeys, otherTies.bestTranslation, otherTies.hashes);
    for (std::size_t i = 0; i < otherOrder.size() && i < places; ++i) {
        const auto translations = candidates.translations(otherSide, otherOrder[i]);
        if (translations.empty())
            continue;
        const RankKey& word = otherKeys[otherOrder[i]];
        const RankKey lifted{word.tier, word.tier == RankTier::Evidence ? word.score
                                                                        : word.score * kLiftShare};
        RankKey& own = keys[translations.front().other];
        if (ranksBefore(lifted, own))
            own = lifted;
    }
    const auto own = ties(candidates, language);
    return sortedByKey(keys, own.bestTranslation, own.hashes);
}

} // namespace wb::vocab
