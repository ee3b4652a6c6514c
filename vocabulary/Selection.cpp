#include "vocabulary/Selection.h"

#include "vocabulary/RecordOrder.h"

#include <algorithm>

namespace wb::vocab {
namespace {

struct Side {
    Language language;
    const std::vector<HeadwordId>& rank;
    std::vector<Fate> fate; // RankedOut until something else is known
    std::vector<HeadwordId> chosen;
    std::vector<bool> isChosen;
};

bool hasChosenTranslation(const Candidates& candidates, const Side& side, HeadwordId id,
                          const Side& other)
{
    const auto translations = candidates.translations(side.language, id);
    return std::any_of(translations.begin(), translations.end(),
                       [&](const Translation& t) { return other.isChosen[t.other]; });
}

// Takes the most common headwords still in the running; with `translating`, only
// those with a translation among its choice (the others drop out for good).
void takeMostCommon(const Candidates& candidates, Side& side, std::size_t maxRecords,
                    const Side* translating)
{
    side.chosen.clear();
    side.isChosen.assign(side.fate.size(), false);
    for (HeadwordId id : side.rank) {
        if (side.chosen.size() == maxRecords)
            break;
        if (side.fate[id] != Fate::RankedOut)
            continue;
        if (translating && !hasChosenTranslation(candidates, side, id, *translating)) {
            side.fate[id] = Fate::NoTranslation;
            continue;
        }
        side.chosen.push_back(id);
        side.isChosen[id] = true;
    }
}

void sortInDictionaryOrder(const Candidates& candidates, Side& side)
{
    const auto& headwords = candidates.headwords(side.language);
    std::sort(side.chosen.begin(), side.chosen.end(), [&](HeadwordId a, HeadwordId b) {
        return inDictionaryOrder(headwords[a].text, headwords[b].text);
    });
}

// Marks what the encoder refuses; returns how many.
std::size_t dropUnencodable(const Candidates& candidates, Side& side)
{
    const auto& headwords = candidates.headwords(side.language);
    std::vector<std::string_view> texts;
    texts.reserve(side.chosen.size());
    for (HeadwordId id : side.chosen)
        texts.push_back(headwords[id].text);
    const auto file =
        side.language == Language::German ? DictionaryFile::German : DictionaryFile::English;
    const auto refused = refusedHeadwords(file, texts);
    for (std::size_t position : refused)
        side.fate[side.chosen[position]] = Fate::CannotBeEncoded;
    return refused.size();
}

std::size_t dropUntranslated(const Candidates& candidates, Side& side, const Side& other)
{
    std::size_t dropped = 0;
    for (HeadwordId id : side.chosen) {
        if (!hasChosenTranslation(candidates, side, id, other)) {
            side.fate[id] = Fate::NoTranslation;
            ++dropped;
        }
    }
    return dropped;
}

} // namespace

std::size_t Selection::count(Language language, Fate fate) const
{
    const auto& fates = language == Language::German ? germanFate : englishFate;
    return std::size_t(std::count(fates.begin(), fates.end(), fate));
}

Selection selectVocabulary(const Candidates& candidates, const std::vector<HeadwordId>& germanRank,
                           const std::vector<HeadwordId>& englishRank, std::size_t maxRecords)
{
    Side german{Language::German,
                germanRank,
                std::vector<Fate>(candidates.headwords(Language::German).size(), Fate::RankedOut),
                {},
                {}};
    Side english{Language::English,
                 englishRank,
                 std::vector<Fate>(candidates.headwords(Language::English).size(), Fate::RankedOut),
                 {},
                 {}};
    Selection selection;
    // English is taken as ranked and German only where it translates the English
    // choice, so German never waits for an English headword that a later round would
    // bring. Every round that drops a headword lets a less common one in, which may in
    // turn lack a translation or break the encoding of its successor. Dropped
    // headwords never return, so the rounds end; a round without drops is consistent.
    for (;;) {
        ++selection.rounds;
        takeMostCommon(candidates, english, maxRecords, nullptr);
        takeMostCommon(candidates, german, maxRecords, &english);
        sortInDictionaryOrder(candidates, german);
        sortInDictionaryOrder(candidates, english);
        std::size_t dropped =
            dropUnencodable(candidates, german) + dropUnencodable(candidates, english);
        dropped += dropUntranslated(candidates, english, german);
        if (dropped == 0)
            break;
    }
    for (HeadwordId id : german.chosen)
        german.fate[id] = Fate::Chosen;
    for (HeadwordId id : english.chosen)
        english.fate[id] = Fate::Chosen;
    selection.german = std::move(german.chosen);
    selection.english = std::move(english.chosen);
    selection.germanFate = std::move(german.fate);
    selection.englishFate = std::move(english.fate);
    return selection;
}

} // namespace wb::vocab
