#include "vocabulary/Candidates.h"

#include "vocabulary/PairingWeights.h"

#include <algorithm>

namespace wb::vocab {
namespace {

std::uint64_t listingPosition(std::uint32_t line, std::size_t entry, std::size_t position)
{
    return (std::uint64_t(line) << 24) | (std::min<std::uint64_t>(entry, 4095) << 12) |
           std::min<std::uint64_t>(position, 4095);
}

bool isBlank(std::span<const std::string_view> alternatives)
{
    return std::all_of(alternatives.begin(), alternatives.end(), [](std::string_view text) {
        return text.find_first_not_of(" \t") == std::string_view::npos;
    });
}

bool isConjugation(const SourceEntry& entry)
{
    auto hasPronoun = [](Language language) {
        return [language](std::string_view alternative) {
            return withoutPronoun(alternative, language).has_value();
        };
    };
    return std::any_of(entry.german.begin(), entry.german.end(), hasPronoun(Language::German)) ||
           std::any_of(entry.english.begin(), entry.english.end(), hasPronoun(Language::English));
}

} // namespace

void Candidates::addLine(const SourceLine& line)
{
    ++m_line;
    if (line.unpaired)
        ++m_unpairedLines;
    const LineWords germanWords(line.germanText);
    const LineWords englishWords(line.englishText);
    m_german.mentions.addLine(germanWords);
    m_english.mentions.addLine(englishWords);
    m_lineHeadwords = line.entries.empty() ? std::span<const std::string_view>()
                                           : std::span(line.entries[0].german);
    std::array<AddedAlternatives, 2> first, second; // German and English side
    for (std::size_t k = 0; k < line.entries.size(); ++k) {
        auto added = addEntry(line.entries[k], k, germanWords, englishWords, line.specialist);
        if (k == 0)
            first = std::move(added);
        else if (k == 1)
            second = std::move(added);
    }
    // "Geduldsfaden {m} | jdm. reißt der Geduldsfaden :: | sb. is at the end of his
    // tether": the list leaves a headword's other side empty where the word is only
    // used in the phrases after it, and those phrases' translations are what it means.
    if (line.entries.size() > 1) {
        if (isBlank(line.entries[0].english) && !isBlank(line.entries[1].english))
            addPairs(first[0], second[1], 1, Origin::Phrases);
        if (isBlank(line.entries[0].german) && !isBlank(line.entries[1].german))
            addPairs(second[0], first[1], 1, Origin::Phrases);
    }
}

std::array<Candidates::AddedAlternatives, 2>
Candidates::addEntry(const SourceEntry& entry, std::size_t k, const LineWords& germanWords,
                     const LineWords& englishWords, bool specialist)
{
    const auto germanAlternatives = separated(entry.german, Language::German);
    const auto englishAlternatives = separated(entry.english, Language::English);
    if (isConjugation(entry)) {
        addConjugation(germanAlternatives, englishAlternatives, k, germanWords, englishWords,
                       specialist);
        return {};
    }
    // The German side tells whether a leading "to " on the English side is the
    // infinitive marker, so it is cleaned first.
    auto german =
        addAlternatives(Language::German, germanAlternatives, k, false, germanWords, specialist);
    auto english = addAlternatives(Language::English, englishAlternatives, k, german.verb,
                                   englishWords, specialist);
    addPairs(german, english, k, Origin::Listed);
    addEnglishDerivations(englishAlternatives, german, english, k, englishWords, specialist);
    if (german.verb)
        addGermanPhraseVerbs(german, english, k, specialist);
    if (std::all_of(germanAlternatives.begin(), germanAlternatives.end(),
                    [](std::string_view alternative) {
                        return alternative.find("{pl}") != std::string_view::npos;
                    }))
        addSingulars(english, german, k, englishWords, specialist);
    addPrepositions(germanAlternatives, englishAlternatives, k, specialist);
    addSearchWords(germanAlternatives, englishAlternatives, german, english, k, specialist);
    return {std::move(german), std::move(english)};
}

// "he/she goes" beside "er/sie geht": the forms pair up like any alternatives, but
// they are no entry's headwords.
void Candidates::addConjugation(std::span<const std::string_view> germanAlternatives,
                                std::span<const std::string_view> englishAlternatives,
                                std::size_t k, const LineWords& germanWords,
                                const LineWords& englishWords, bool specialist)
{
    const bool conditional = std::any_of(
        englishAlternatives.begin(), englishAlternatives.end(), [](std::string_view english) {
            return isConditional(withoutPronoun(english, Language::English).value_or(english));
        });
    if (conditional) {
        m_german.skipped[std::size_t(SkipReason::Conditional)] += germanAlternatives.size();
        m_english.skipped[std::size_t(SkipReason::Conditional)] += englishAlternatives.size();
        return;
    }
    const auto german = addAlternatives(Language::German, germanAlternatives, k, false, germanWords,
                                        specialist, true);
    const auto english = addAlternatives(Language::English, englishAlternatives, k, false,
                                         englishWords, specialist, true);
    addPairs(german, english, k, Origin::VerbForm);
}

Candidates::AddedAlternatives Candidates::addAlternatives(Language language,
                                                          std::span<const std::string_view> raw,
                                                          std::size_t entry, bool verb,
                                                          const LineWords& words, bool specialist,
                                                          bool conjugation)
{
    AddedAlternatives added;
    for (auto alternative : raw) {
        if (conjugation)
            alternative = withoutPronoun(alternative, language).value_or(alternative);
        // "has/had gone" folds two tenses, neither of which a reader looks up; a phrase's
        // slash elsewhere only offers another word for the same sense.
        auto cleaned = conjugation && alternative.find('/') != std::string_view::npos
                           ? CleanResult{{}, SkipReason::Slash}
                           : cleanHeadword(alternative, language, verb);
        if (language == Language::German && isGermanVerb(alternative, cleaned))
            added.verb = true;
        if (!cleaned.skipped && language == Language::German && entry > 0 &&
            lostItsObject(cleaned.headword, m_lineHeadwords))
            cleaned.skipped = SkipReason::LostObject;
        if (cleaned.skipped) {
            ++side(language).skipped[std::size_t(*cleaned.skipped)];
            continue;
        }
        const auto occurrences = words.occurrences(cleaned.headword);
        const HeadwordId id =
            intern(language, std::move(cleaned.headword), entry == 0 && !conjugation, specialist);
        Headword& headword = side(language).headwords[id];
        // Once written otherwise, it is not only an exclamation.
        headword.exclamation = cleaned.exclamation && (headword.lines == 1 || headword.exclamation);
        if (alternative.find("{pl}") != std::string_view::npos)
            headword.plural = true;
        for (const auto& [mark, gender] :
             {std::pair{"{m}", kMasculine}, {"{f}", kFeminine}, {"{n}", kNeuter}})
            if (alternative.find(mark) != std::string_view::npos)
                headword.genders |= gender;
        if (std::find(added.ids.begin(), added.ids.end(), id) == added.ids.end()) {
            added.places.push_back(added.ids.size());
            added.ids.push_back(id);
            added.emphasis.push_back(emphasis(occurrences));
            added.technical.push_back(hasTechnicalLabel(alternative));
        }
    }
    return added;
}

std::vector<std::string_view> Candidates::separated(std::span<const std::string_view> raw,
                                                    Language language)
{
    std::vector<std::string_view> alternatives;
    alternatives.reserve(raw.size());
    for (auto alternative : raw)
        for (auto part : separateAlternatives(alternative, language))
            alternatives.push_back(part);
    return alternatives;
}

HeadwordId Candidates::intern(Language language, std::string&& text, bool main, bool specialist,
                              bool alternative)
{
    Side& words = side(language);
    auto found = words.ids.find(words.headwords, text);
    if (!found) {
        found = HeadwordId(words.headwords.size());
        words.headwords.push_back({std::move(text)});
        words.senses.push_back(0);
        words.ids.add(words.headwords, *found);
    }
    Headword& headword = words.headwords[*found];
    // A headword derived from another alternative is not one more line that lists it:
    // "fix" of "to fix on sth." says nothing of how much the list uses "fix".
    if (alternative && headword.lastLine != m_line) {
        headword.lastLine = m_line;
        ++headword.lines;
        if (!specialist)
            ++headword.generalLines;
        if (main)
            ++headword.entryLines;
    }
    headword.main = headword.main || main;
    return *found;
}

void Candidates::addPairs(const AddedAlternatives& german, const AddedAlternatives& english,
                          std::size_t entry, Origin origin, bool germanDerived)
{
    const bool direct = isDirect(origin);
    // Of a derived pairing the headword's place is what the list gives for the phrase
    // it came from, and counts in full.
    auto ownPlace = [direct](std::size_t place) {
        return direct ? ownPlaceWeight(place) : placeWeight(place);
    };
    auto technical = [](const AddedAlternatives& added, std::size_t i) {
        return i < added.technical.size() && added.technical[i];
    };
    if (direct && !german.ids.empty() && !english.ids.empty()) {
        for (std::size_t g = 0; g < german.ids.size(); ++g)
            m_german.senses[german.ids[g]] +=
                float(lineWeight(technical(german, g)) * entryWeight(entry) *
                      placeWeight(german.places[g]));
        for (std::size_t e = 0; e < english.ids.size(); ++e)
            m_english.senses[english.ids[e]] +=
                float(lineWeight(technical(english, e)) * entryWeight(entry) *
                      placeWeight(english.places[e]));
    }
    for (std::size_t g = 0; g < german.ids.size(); ++g) {
        for (std::size_t e = 0; e < english.ids.size(); ++e) {
            const std::uint64_t line =
                lineWeight(technical(german, g) || technical(english, e)) * entryWeight(entry);
            const std::size_t gPlace = german.places[g], ePlace = english.places[e];
            m_occurrences.push_back(
                {german.ids[g], english.ids[e],
                 line * placeWeight(gPlace) * ownPlace(ePlace) * english.emphasis[e],
                 line * placeWeight(ePlace) * ownPlace(gPlace) * german.emphasis[g],
                 listingPosition(m_line, entry, gPlace), listingPosition(m_line, entry, ePlace),
                 origin, germanDerived, std::uint8_t(line)});
        }
    }
}

void Candidates::finishReading()
{
    respellExclamations(m_english);
    respellExclamations(m_german);
    // What only the reading needed goes before the translation lists are built, and
    // the headwords give back what their growth left over: the lists are the largest
    // part of a compile, and this keeps its peak down.
    for (Side* words : {&m_german, &m_english}) {
        words->ids.release();
        words->headwords.shrink_to_fit();
        words->senses.shrink_to_fit();
    }
    buildLists(m_german, m_occurrences, Language::German);
    buildLists(m_english, m_occurrences, Language::English);
    m_occurrences = {};
}

void Candidates::releaseMentions()
{
    m_german.mentions = {};
    m_english.mentions = {};
    m_irregularForms = {};
}

void Candidates::setCommonness(Language language, CommonnessScores&& scores)
{
    side(language).commonness = std::move(scores.values);
    side(language).sources = std::move(scores.sources);
}

void Candidates::raiseCommonness(Language language, HeadwordId id, double value, RankSource source)
{
    Side& words = side(language);
    if (value <= words.commonness[id])
        return;
    words.commonness[id] = value;
    words.sources[id] = source;
}

std::span<Translation> Candidates::translationsToRank(Language language, HeadwordId id)
{
    Side& words = side(language);
    return std::span(words.translations)
        .subspan(words.offsets[id], words.offsets[id + 1] - words.offsets[id]);
}

void Candidates::buildLists(Side& side, std::deque<Occurrence>& occurrences, Language language)
{
    // Seen from `language`: the headword is `self`, its translation `other`, and it
    // collects the other side's share and listing position.
    const bool german = language == Language::German;
    auto self = [german](const Occurrence& o) { return german ? o.german : o.english; };
    auto other = [german](const Occurrence& o) { return german ? o.english : o.german; };
    std::sort(occurrences.begin(), occurrences.end(),
              [&](const Occurrence& a, const Occurrence& b) {
                  return std::pair(self(a), other(a)) < std::pair(self(b), other(b));
              });

    // "to be afraid" translates "afraid" only where nothing else does.
    std::vector<bool> ownTranslations(side.headwords.size(), false);
    for (const Occurrence& o : occurrences)
        if (o.origin == Origin::Listed || o.origin == Origin::VerbForm)
            ownTranslations[self(o)] = true;
    auto counts = [&](const Occurrence& o) {
        if (german && !translatesGerman(o.origin))
            return false;
        const bool derivedHere = german == o.germanDerived || derivedOnBothSides(o.origin);
        return !derivedHere || !onlyForWantOfOwn(o.origin) || !ownTranslations[self(o)];
    };

    // One translation per distinct pair that counts, known before any is added, so
    // that the list takes its exact size instead of up to twice it.
    std::size_t pairs = 0;
    const Occurrence* previous = nullptr;
    for (const Occurrence& o : occurrences) {
        if (!counts(o))
            continue;
        if (!previous || self(*previous) != self(o) || other(*previous) != other(o))
            ++pairs;
        previous = &o;
    }
    side.offsets.assign(side.headwords.size() + 1, 0);
    side.translations.clear();
    side.translations.shrink_to_fit();
    side.translations.reserve(pairs);
    HeadwordId lastSelf = 0;
    for (const Occurrence& o : occurrences) {
        if (!counts(o))
            continue;
        const std::uint64_t share = german ? o.englishAsTranslation : o.germanAsTranslation;
        const std::uint64_t first = german ? o.englishFirst : o.germanFirst;
        // The translation's weight in the sub-entry, as in its senses.
        const float senses =
            isDirect(o.origin) ? float(o.weight * placeWeight(first & 4095)) : 0.0f;
        if (!side.translations.empty() && lastSelf == self(o) &&
            side.translations.back().other == other(o)) {
            Translation& last = side.translations.back();
            last.pairing += share;
            last.senses += senses;
            last.first = std::min(last.first, first);
            last.origin = std::min(last.origin, o.origin);
        } else {
            side.translations.push_back({other(o), senses, share, first, 0.0f, o.origin});
            ++side.offsets[self(o) + 1];
            lastSelf = self(o);
        }
    }
    for (std::size_t i = 1; i < side.offsets.size(); ++i)
        side.offsets[i] += side.offsets[i - 1];
}

std::span<const Translation> Candidates::translations(Language language, HeadwordId id) const
{
    const Side& words = side(language);
    return std::span(words.translations)
        .subspan(words.offsets[id], words.offsets[id + 1] - words.offsets[id]);
}

Origin Candidates::origin(Language language, HeadwordId id) const
{
    const auto list = translations(language, id);
    if (list.empty())
        return Origin::Listed;
    return std::min_element(
               list.begin(), list.end(),
               [](const Translation& a, const Translation& b) { return a.origin < b.origin; })
        ->origin;
}

} // namespace wb::vocab
