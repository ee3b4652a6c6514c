#include "vocabulary/TranslationRanking.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace wb::vocab {

double translationFit(Origin origin, double share, double commonness, double senseShare)
{
    // The German sides of "to be afraid" all translate one phrase, so the list's own
    // pairing orders them.
    if (origin == Origin::BeAdjective)
        return share;
    const bool direct = origin == Origin::Listed || origin == Origin::VerbForm;
    // A derived pairing says nothing of the translation's senses.
    const double usedSo = commonness * (direct ? std::pow(senseShare, kSenseShareWeight) : 1.0);
    return share * std::pow(1.0 + usedSo, direct ? kCommonnessWeight : kDerivedCommonnessWeight);
}

void orderTranslations(std::span<Translation> translations)
{
    std::sort(translations.begin(), translations.end(),
              [](const Translation& a, const Translation& b) {
                  if (precedence(a.origin) != precedence(b.origin))
                      return precedence(a.origin) < precedence(b.origin);
                  return a.fit != b.fit ? a.fit > b.fit : a.first < b.first;
              });
}

namespace {

std::vector<double> totalPairings(const Candidates& candidates, Language language)
{
    std::vector<double> totals(candidates.headwords(language).size(), 0.0);
    for (HeadwordId id = 0; id < totals.size(); ++id)
        for (const Translation& t : candidates.translations(language, id))
            totals[id] += double(t.pairing);
    return totals;
}

// How strongly `translation`'s own list pairs it with `headword`; the lists are still
// in the order of the other side's ids.
double reversePairing(const Candidates& candidates, Language language, HeadwordId headword,
                      HeadwordId translation)
{
    const auto list = candidates.translations(otherLanguage(language), translation);
    const auto found =
        std::lower_bound(list.begin(), list.end(), headword,
                         [](const Translation& t, HeadwordId id) { return t.other < id; });
    return found != list.end() && found->other == headword ? double(found->pairing) : 0.0;
}

} // namespace

void rankTranslations(Candidates& candidates)
{
    const std::array totals = {totalPairings(candidates, Language::German),
                               totalPairings(candidates, Language::English)};
    auto total = [&](Language language, HeadwordId id) {
        return totals[language == Language::German ? 0 : 1][id];
    };
    // Every fit first, while each list is still in id order for reversePairing().
    for (const Language language : {Language::German, Language::English}) {
        const Language other = otherLanguage(language);
        const auto& commonness = candidates.commonness(other);
        for (HeadwordId id = 0; id < candidates.headwords(language).size(); ++id) {
            const double own = total(language, id);
            for (Translation& t : candidates.translationsToRank(language, id)) {
                const double theirs = total(other, t.other);
                const double senseShare =
                    theirs > 0 ? reversePairing(candidates, language, id, t.other) / theirs : 0.0;
                t.fit = translationFit(t.origin, own > 0 ? double(t.pairing) / own : 0.0,
                                       commonness[t.other], senseShare);
            }
        }
    }
    for (const Language language : {Language::German, Language::English})
        for (HeadwordId id = 0; id < candidates.headwords(language).size(); ++id)
            orderTranslations(candidates.translationsToRank(language, id));
}

} // namespace wb::vocab
