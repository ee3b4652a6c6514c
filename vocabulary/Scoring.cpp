#include "vocabulary/Scoring.h"

#include <algorithm>

namespace wb::vocab {

void scoreCommonness(Candidates& candidates, const FrequencyTable* english,
                     const FrequencyTable* german)
{
    for (const auto& [language, own, other] : {std::tuple{Language::English, english, german},
                                               std::tuple{Language::German, german, english}})
        candidates.setCommonness(language,
                                 commonness(candidates.headwords(language),
                                            candidates.mentions(language), own, own ? own : other));
    // A reader who meets "overthrew" cannot find it under "overthrow" without knowing
    // the verb: a form the list gives only in braces is looked up as often as its verb.
    const auto& scores = candidates.commonness(Language::English);
    for (const auto& [form, verb] : candidates.irregularForms())
        if (candidates.origin(Language::English, form) == Origin::IrregularForm)
            candidates.raiseCommonness(Language::English, form, scores[verb],
                                       candidates.rankSource(Language::English, verb));
    candidates.releaseMentions();
}

void borrowCommonness(Candidates& candidates, const FrequencyTable& english)
{
    const auto& englishCommonness = candidates.commonness(Language::English);

    // A noun that English says more often in the plural than in the singular
    // ("siblings", "parents") is one whose German plural is the word people use
    // ("Geschwister", "Eltern"), for the singular's sense as well.
    auto mainSense = [&](HeadwordId german, HeadwordId main) {
        const double plural = englishCommonness[main];
        if (!candidates.headwords(Language::German)[german].plural)
            return plural;
        const auto singular = englishSingular(candidates.headwords(Language::English)[main].text);
        const double count = singular ? textFrequency(*singular, english).value_or(0) : 0;
        return count < plural ? plural + count : plural;
    };
    // Synonyms share their translation's frequency: the commonest by its own measure
    // takes the full share, the next half of it, and so on ("Hallo" before "Moin").
    std::vector<std::pair<HeadwordId, HeadwordId>> byMain; // main translation, headword
    for (HeadwordId id = 0; id < candidates.headwords(Language::German).size(); ++id) {
        const auto list = candidates.translations(Language::German, id);
        if (!list.empty() &&
            candidates.rankSource(Language::English, list.front().other) == RankSource::Frequencies)
            byMain.emplace_back(list.front().other, id);
    }
    const auto& own = candidates.commonness(Language::German);
    std::sort(byMain.begin(), byMain.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return own[a.second] != own[b.second] ? own[a.second] > own[b.second] : a.second < b.second;
    });
    std::vector<std::pair<HeadwordId, double>> estimates;
    for (std::size_t i = 0, rank = 0; i < byMain.size(); ++i) {
        rank = i > 0 && byMain[i - 1].first == byMain[i].first ? rank + 1 : 0;
        estimates.emplace_back(byMain[i].second, kMainSenseShare *
                                                     mainSense(byMain[i].second, byMain[i].first) /
                                                     double(rank + 1));
    }
    for (const auto& [id, estimate] : estimates) {
        // A word its own list counts stays counted: the estimate only says it is
        // more common than the list's text made it seem.
        const bool counted = candidates.rankSource(Language::German, id) == RankSource::Frequencies;
        candidates.raiseCommonness(Language::German, id, estimate,
                                   counted ? RankSource::Frequencies : RankSource::OtherLanguage);
    }
}

} // namespace wb::vocab
