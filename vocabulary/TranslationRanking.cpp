#include "vocabulary/TranslationRanking.h"

#include "vocabulary/PairingWeights.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace wb::vocab {

double translationFit(Origin origin, double share, double commonness, double senseShare,
                      double ownCommonness)
{
    // The German sides of "to be afraid" all translate one phrase, so the list's own
    // pairing orders them.
    if (origin == Origin::BeAdjective)
        return share;
    const bool direct = origin == Origin::Listed || origin == Origin::VerbForm;
    // A derived pairing says nothing of the translation's senses.
    // A reader means the translation no more often than they use the headword itself:
    // "und" is said ten times as often as "then", so most of its uses mean something else.
    const double usedSo = std::min(
        commonness * (direct ? std::pow(senseShare, kSenseShareWeight) : 1.0), ownCommonness);
    return share * std::pow(1.0 + usedSo, direct ? kCommonnessWeight : kDerivedCommonnessWeight);
}

double translationCommonness(std::string_view text, double commonness)
{
    const auto further = std::count(text.begin(), text.end(), ' ');
    return commonness / std::pow(kTranslationPhraseFactor, double(further));
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

// "Blau {n}" beside "blau": a neuter noun that is a word written with a capital is
// that word used as a noun.
std::optional<std::string> wordOfNoun(const Headword& noun)
{
    if (noun.genders != kNeuter || noun.text.empty())
        return std::nullopt;
    auto word = foldedLowerCase(std::string_view(noun.text).substr(0, 1));
    if (word[0] == noun.text[0])
        return std::nullopt;
    return word.append(noun.text, 1);
}

// A noun made of a word means what the word means, so where both translate a headword
// the word comes first: "blue" is "blau" before "Blau", "shake" "schütteln" before
// "Schütteln". Sorting keeps a headword with very many translations from costing the
// square of their number.
void wordBeforeItsNoun(std::span<Translation> translations, const std::vector<Headword>& headwords)
{
    std::vector<std::uint32_t> direct, nouns;
    std::uint64_t pairing = 0, nounPairing = 0;
    for (std::uint32_t i = 0; i < translations.size(); ++i) {
        if (!isDirect(translations[i].origin))
            continue;
        direct.push_back(i);
        pairing += translations[i].pairing;
        if (headwords[translations[i].other].genders != 0)
            nounPairing += translations[i].pairing;
        if (headwords[translations[i].other].genders == kNeuter)
            nouns.push_back(i);
    }
    const bool mostlyNoun = 2 * nounPairing > pairing;
    if (nouns.empty())
        return;
    auto text = [&](std::uint32_t i) -> std::string_view {
        return headwords[translations[i].other].text;
    };
    std::sort(direct.begin(), direct.end(),
              [&](std::uint32_t a, std::uint32_t b) { return text(a) < text(b); });
    for (const std::uint32_t noun : nouns) {
        auto wanted = wordOfNoun(headwords[translations[noun].other]);
        if (!wanted)
            continue;
        auto find = [&](std::string_view value) {
            const auto at =
                std::lower_bound(direct.begin(), direct.end(), value,
                                 [&](std::uint32_t i, std::string_view v) { return text(i) < v; });
            return at != direct.end() && text(*at) == value ? at : direct.end();
        };
        auto word = find(*wanted);
        // "Gehen" is the noun of "gehen", and "going" is "gehend" before "Gehen".
        if (word == direct.end() && !mostlyNoun && wanted->ends_with("en"))
            word = find(wanted->append("d"));
        if (word == direct.end())
            continue;
        float& nounFit = translations[noun].fit;
        float& wordFit = translations[*word].fit;
        if (nounFit >= wordFit) {
            wordFit = nounFit;
            nounFit = std::nextafter(nounFit, 0.0f);
        }
    }
}

} // namespace

void rankTranslations(Candidates& candidates)
{
    for (const Language language : {Language::German, Language::English}) {
        const Language other = otherLanguage(language);
        const auto& commonness = candidates.commonness(other);
        const auto& own = candidates.commonness(language);
        const auto& senses = candidates.senses(other);
        const auto& otherWords = candidates.headwords(other);
        const auto totals = totalPairings(candidates, language);
        for (HeadwordId id = 0; id < candidates.headwords(language).size(); ++id) {
            const auto list = candidates.translationsToRank(language, id);
            for (Translation& t : list) {
                const double senseShare =
                    senses[t.other] > 0 ? double(t.senses) / senses[t.other] : 0.0;
                t.fit = float(translationFit(
                    t.origin, totals[id] > 0 ? double(t.pairing) / totals[id] : 0.0,
                    translationCommonness(otherWords[t.other].text, commonness[t.other]),
                    senseShare, own[id]));
            }
            wordBeforeItsNoun(list, otherWords);
            orderTranslations(list);
        }
    }
}

} // namespace wb::vocab
