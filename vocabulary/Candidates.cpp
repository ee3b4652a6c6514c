#include "vocabulary/Candidates.h"

#include <algorithm>
#include <cmath>

namespace wb::vocab {
namespace {

// A translation's pairing with a headword sums, over the sub-entries the two share,
// the weight of each one's place in its list of alternatives (the first is the main
// word: 1, 1/2, 1/3, ...) times the headword's emphasis in that line. A line that
// uses the headword in many phrases is about its principal sense: the railway train
// fills a long line with "Zug", the draught of air a short one. Integer units keep
// the sums exact.
constexpr std::uint64_t kPlaceUnit = 27720; // divides evenly by every place up to 12

std::uint64_t placeWeight(std::size_t position)
{
    return kPlaceUnit / (position + 1);
}

// The list pairs the two itself, as alternatives of one sub-entry.
bool isDirect(Origin origin)
{
    return origin == Origin::Listed || origin == Origin::VerbForm;
}

// A headword's own place among its synonyms says how usual the word is for that
// sense, not how usual the sense is for the word: "hound" comes fourth after
// "hunting dog", yet a hound is a hunting dog. So its own place counts for little.
std::uint64_t ownPlaceWeight(std::size_t position)
{
    return std::uint64_t(
        std::llround(double(kPlaceUnit) / std::sqrt(std::sqrt(double(position + 1)))));
}

// The square root of how often the line's side mentions the headword, in thousandths.
std::uint64_t emphasis(std::uint32_t occurrences)
{
    return std::uint64_t(std::lround(1000.0 * std::sqrt(double(std::max(occurrences, 1u)))));
}

// Of two translations the list pairs about equally strongly with a headword, the
// common word is the one a reader expects: "Zug" gives "train" before "pull". The
// square root keeps commonness from outweighing a clearly stronger pairing.
double fit(double pairing, double commonness)
{
    return pairing * std::sqrt(1.0 + commonness);
}

// How much the share of the translation's senses that a pair covers counts (see
// orderSenses): enough that "Jagdhund" comes before "verfolgen" for "hound", not so
// much that a narrow compound ("Eisenbahnzug") comes before the word itself ("Zug").
constexpr double kSharedSenseWeight = 0.6;

// A German headword is likely as common as the English word of its main sense, but
// it shares that sense with its synonyms ("Kugelschreiber", "Kuli").
constexpr double kTranslationShare = 0.5;

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
        }
    }
    return added;
}

// The irregular forms in braces, the adjective of "to be X" and the verb of "to V P
// sth.", each paired with the German side of the sub-entry from the place of the
// alternative it came from.
void Candidates::addEnglishDerivations(std::span<const std::string_view> raw,
                                       const AddedAlternatives& german,
                                       const AddedAlternatives& english, std::size_t entry,
                                       const LineWords& words, bool specialist)
{
    if (german.ids.empty())
        return;
    for (auto alternative : raw) {
        const bool braces = alternative.find('{') != std::string_view::npos;
        const bool toBe = alternative.starts_with("to be ");
        const bool phrase = german.verb && alternative.starts_with("to ");
        if (!braces && !toBe && !phrase)
            continue;
        const auto cleaned = cleanHeadword(alternative, Language::English, german.verb);
        if (cleaned.skipped)
            continue;
        const auto found = m_english.ids.find(m_english.headwords, cleaned.headword);
        if (!found)
            continue;
        const auto place = std::size_t(std::find(english.ids.begin(), english.ids.end(), *found) -
                                       english.ids.begin());
        // "broke" is a form of "break", not of "break off".
        if (braces && cleaned.headword.find(' ') == std::string::npos) {
            for (auto form : irregularForms(alternative)) {
                auto formCleaned = cleanHeadword(form, Language::English, false);
                if (formCleaned.skipped)
                    continue;
                if (const auto id =
                        addDerived(std::move(formCleaned.headword), Origin::IrregularForm, place,
                                   german, entry, words, specialist))
                    m_irregularForms.emplace_back(*id, *found);
            }
        }
        if (const auto complement = beComplement(alternative, cleaned.headword)) {
            const auto id = addDerived(std::string(*complement), Origin::BeAdjective, place, german,
                                       entry, words, specialist);
            if (id)
                addGermanAdjectives(*id, place, german, entry, specialist);
        } else if (const auto verb =
                       phrase ? phraseVerb(alternative, cleaned.headword) : std::nullopt)
            addDerived(std::string(*verb), Origin::PhraseVerb, place, german, entry, words,
                       specialist);
    }
}

// "kultiviert sein :: to be cultured": the adjectives of "sein" and "to be" translate
// each other.
void Candidates::addGermanAdjectives(HeadwordId english, std::size_t place,
                                     const AddedAlternatives& german, std::size_t entry,
                                     bool specialist)
{
    for (std::size_t g = 0; g < german.ids.size(); ++g) {
        const std::string_view text = m_german.headwords[german.ids[g]].text;
        if (!text.ends_with(" sein"))
            continue;
        auto adjective = std::string(text.substr(0, text.size() - 5));
        if (!MentionCounter::isSingleWord(adjective))
            continue;
        const HeadwordId id =
            intern(Language::German, std::move(adjective), false, specialist, false);
        // After the phrases it came from, which the list gives as the translation.
        addPairs({{id}, {emphasis(1)}, false, {german.ids.size() + german.places[g]}},
                 {{english}, {emphasis(1)}, false, {place}}, entry, Origin::BeAdjective, true);
    }
}

// "Daten herunterladen :: to download data": the verb with its object noun, where the
// list has no entry for the verb alone.
void Candidates::addGermanPhraseVerbs(const AddedAlternatives& german,
                                      const AddedAlternatives& english, std::size_t entry,
                                      bool specialist)
{
    if (english.ids.empty())
        return;
    for (std::size_t g = 0; g < german.ids.size(); ++g) {
        auto verb = germanPhraseVerb(m_german.headwords[german.ids[g]].text);
        if (!verb)
            continue;
        const HeadwordId id =
            intern(Language::German, std::string(*verb), false, specialist, false);
        addPairs({{id}, {emphasis(1)}, true, {german.places[g]}}, english, entry,
                 Origin::PhraseVerb, true);
    }
}

// "Erdbeeren {pl} :: strawberries": the list gives some nouns only in the plural,
// where its German side is.
void Candidates::addSingulars(const AddedAlternatives& english, const AddedAlternatives& german,
                              std::size_t entry, const LineWords& words, bool specialist)
{
    if (german.ids.empty())
        return;
    for (std::size_t e = 0; e < english.ids.size(); ++e) {
        auto singular = englishSingular(m_english.headwords[english.ids[e]].text);
        // A singular the list already has, it has in an entry of its own: "houses"
        // comes after "house".
        if (singular && !m_english.ids.find(m_english.headwords, *singular))
            addDerived(std::move(*singular), Origin::Singular, english.places[e], german, entry,
                       words, specialist);
    }
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

std::optional<HeadwordId> Candidates::addDerived(std::string&& headword, Origin origin,
                                                 std::size_t place, const AddedAlternatives& german,
                                                 std::size_t entry, const LineWords& words,
                                                 bool specialist)
{
    if (!MentionCounter::isSingleWord(headword))
        return std::nullopt;
    // "to be afraid | being afraid | been afraid" repeats the adjective because the
    // phrase is conjugated, which says nothing about its sense.
    const auto occurrences = origin == Origin::BeAdjective || origin == Origin::PhraseVerb
                                 ? 1
                                 : words.occurrences(headword);
    const HeadwordId id = intern(Language::English, std::move(headword), false, specialist, false);
    addPairs(german, {{id}, {emphasis(occurrences)}, false, {place}}, entry, origin);
    return id;
}

HeadwordId Candidates::intern(Language language, std::string&& text, bool main, bool specialist,
                              bool alternative)
{
    Side& words = side(language);
    auto found = words.ids.find(words.headwords, text);
    if (!found) {
        found = HeadwordId(words.headwords.size());
        words.headwords.push_back({std::move(text)});
        words.senseWeights.push_back(0);
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
    if (direct && !german.ids.empty() && !english.ids.empty()) {
        for (std::size_t g = 0; g < german.ids.size(); ++g)
            m_german.senseWeights[german.ids[g]] +=
                float(placeWeight(german.places[g]) * german.emphasis[g]);
        for (std::size_t e = 0; e < english.ids.size(); ++e)
            m_english.senseWeights[english.ids[e]] +=
                float(placeWeight(english.places[e]) * english.emphasis[e]);
    }
    for (std::size_t g = 0; g < german.ids.size(); ++g) {
        for (std::size_t e = 0; e < english.ids.size(); ++e) {
            const std::size_t gPlace = german.places[g], ePlace = english.places[e];
            m_occurrences.push_back({german.ids[g], english.ids[e],
                                     placeWeight(gPlace) * ownPlace(ePlace) * english.emphasis[e],
                                     placeWeight(ePlace) * ownPlace(gPlace) * german.emphasis[g],
                                     listingPosition(m_line, entry, gPlace),
                                     listingPosition(m_line, entry, ePlace), origin,
                                     germanDerived});
        }
    }
}

void Candidates::finish(const FrequencyTable* english, const FrequencyTable* german)
{
    // What only the reading needed goes before the translation lists are built, and
    // the headwords give back what their growth left over: the lists are the largest
    // part of a compile, and this keeps its peak down.
    for (Side* words : {&m_german, &m_english}) {
        words->ids.release();
        words->headwords.shrink_to_fit();
        words->senseWeights.shrink_to_fit();
    }
    auto score = [](Side& side, const FrequencyTable* own, const FrequencyTable* other) {
        auto scores = vocab::commonness(side.headwords, side.mentions, own, own ? own : other);
        side.commonness = std::move(scores.values);
        side.sources = std::move(scores.sources);
    };
    score(m_english, english, german);
    score(m_german, german, english);
    // Senses are told apart by how much the word list uses each translation, as
    // without frequency lists: text counts do not know which sense a word is used
    // in, and "pull" is said more often than "train" but is not what "Zug" first means.
    const auto englishSenses =
        vocab::commonness(m_english.headwords, m_english.mentions, nullptr).values;
    const auto germanSenses =
        vocab::commonness(m_german.headwords, m_german.mentions, nullptr).values;
    // The mention counts live on in the commonness alone.
    m_german.mentions = {};
    m_english.mentions = {};
    buildLists(m_german, m_occurrences, Language::German);
    buildLists(m_english, m_occurrences, Language::English);
    orderSenses(m_german, m_english, englishSenses);
    orderSenses(m_english, m_german, germanSenses);
    sortTranslations(m_german);
    sortTranslations(m_english);
    // A reader who meets "overthrew" cannot find it under "overthrow" without knowing
    // the verb: a form the list gives only in braces is looked up as often as its verb.
    for (const auto& [form, verb] : m_irregularForms) {
        if (origin(Language::English, form) == Origin::IrregularForm &&
            m_english.commonness[verb] > m_english.commonness[form]) {
            m_english.commonness[form] = m_english.commonness[verb];
            m_english.sources[form] = m_english.sources[verb];
        }
    }
    m_irregularForms = {};
    if (english)
        estimateFromTranslations(*english);
    m_occurrences = {};
}

void Candidates::estimateFromTranslations(const FrequencyTable& english)
{
    // A noun that English says more often in the plural than in the singular
    // ("siblings", "parents") is one whose German plural is the word people use
    // ("Geschwister", "Eltern"), for the singular's sense as well.
    auto mainSense = [&](HeadwordId german, HeadwordId main) {
        const double plural = m_english.commonness[main];
        if (!m_german.headwords[german].plural)
            return plural;
        const auto singular = englishSingular(m_english.headwords[main].text);
        const double count = singular ? textFrequency(*singular, english).value_or(0) : 0;
        return count < plural ? plural + count : plural;
    };
    // Synonyms share their translation's frequency: the commonest by its own measure
    // takes the full share, the next half of it, and so on ("Hallo" before "Moin").
    std::vector<std::pair<HeadwordId, HeadwordId>> byMain; // main translation, headword
    for (HeadwordId id = 0; id < m_german.headwords.size(); ++id) {
        const auto list = translations(Language::German, id);
        if (!list.empty() && m_english.sources[list.front().other] == RankSource::Frequencies)
            byMain.emplace_back(list.front().other, id);
    }
    const auto& own = m_german.commonness;
    std::sort(byMain.begin(), byMain.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return own[a.second] != own[b.second] ? own[a.second] > own[b.second] : a.second < b.second;
    });
    std::vector<std::pair<HeadwordId, double>> estimates;
    for (std::size_t i = 0, rank = 0; i < byMain.size(); ++i) {
        rank = i > 0 && byMain[i - 1].first == byMain[i].first ? rank + 1 : 0;
        estimates.emplace_back(byMain[i].second, kTranslationShare *
                                                     mainSense(byMain[i].second, byMain[i].first) /
                                                     double(rank + 1));
    }
    for (const auto& [id, estimate] : estimates) {
        if (estimate > m_german.commonness[id]) {
            m_german.commonness[id] = estimate;
            // A word its own list counts stays counted: the estimate only says it is
            // more common than the list's text made it seem.
            if (m_german.sources[id] != RankSource::Frequencies)
                m_german.sources[id] = RankSource::OtherLanguage;
        }
    }
}

void Candidates::buildLists(Side& side, std::deque<Occurrence>& occurrences, Language language)
{
    // Seen from `language`: the headword is `self`, its translation `other`, and it
    // collects the other side's share and listing position.
    const bool german = language == Language::German;
    auto self = [german](const Occurrence& o) { return german ? o.german : o.english; };
    auto other = [german](const Occurrence& o) { return german ? o.english : o.german; };
    // The other word's weight in the sub-entry: its place's and its emphasis, which is
    // what the pair's weight for the other side holds beside this side's place.
    auto otherShare = [german](const Occurrence& o) {
        const auto [weight, first] = german ? std::pair(o.germanAsTranslation, o.germanFirst)
                                            : std::pair(o.englishAsTranslation, o.englishFirst);
        const auto selfPlace = first & 4095;
        const auto otherPlace = (german ? o.englishFirst : o.germanFirst) & 4095;
        return double(weight) / double(placeWeight(selfPlace)) * double(placeWeight(otherPlace)) /
               double(ownPlaceWeight(otherPlace));
    };
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
        const bool derivedHere = german == o.germanDerived;
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
        // Until the senses are ordered, `fit` collects the weight the translation's
        // senses have where the two are paired directly.
        const double otherSense = isDirect(o.origin) ? otherShare(o) : 0.0;
        if (!side.translations.empty() && lastSelf == self(o) &&
            side.translations.back().other == other(o)) {
            Translation& last = side.translations.back();
            last.pairing += share;
            last.fit += otherSense;
            last.first = std::min(last.first, first);
            last.origin = std::min(last.origin, o.origin);
        } else {
            side.translations.push_back({other(o), o.origin, share, otherSense, first});
            ++side.offsets[self(o) + 1];
            lastSelf = self(o);
        }
    }
    for (std::size_t i = 1; i < side.offsets.size(); ++i)
        side.offsets[i] += side.offsets[i - 1];
}

namespace {

// How strongly the list pairs `self` with each translation, summed.
std::vector<double> totalPairing(const std::vector<std::uint32_t>& offsets,
                                 const std::vector<Translation>& translations)
{
    std::vector<double> totals(offsets.size() - 1, 0.0);
    for (std::size_t id = 0; id + 1 < offsets.size(); ++id)
        for (std::uint32_t i = offsets[id]; i < offsets[id + 1]; ++i)
            totals[id] += double(translations[i].pairing);
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

// For each of `translations` that is a noun made of another of them, the two
// positions: the noun's and the word's. Sorting keeps a headword with very many
// translations from costing the square of their number.
std::vector<std::pair<std::uint32_t, std::uint32_t>>
nounsOfWords(std::span<const Translation> translations, const std::vector<Headword>& headwords)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> found;
    std::vector<std::uint32_t> direct, nouns;
    for (std::uint32_t i = 0; i < translations.size(); ++i) {
        if (!isDirect(translations[i].origin))
            continue;
        direct.push_back(i);
        if (headwords[translations[i].other].genders == kNeuter)
            nouns.push_back(i);
    }
    if (nouns.empty())
        return found;
    auto text = [&](std::uint32_t i) -> std::string_view {
        return headwords[translations[i].other].text;
    };
    std::sort(direct.begin(), direct.end(),
              [&](std::uint32_t a, std::uint32_t b) { return text(a) < text(b); });
    for (const std::uint32_t noun : nouns) {
        const auto wanted = wordOfNoun(headwords[translations[noun].other]);
        if (!wanted)
            continue;
        const auto word = std::lower_bound(
            direct.begin(), direct.end(), std::string_view(*wanted),
            [&](std::uint32_t i, std::string_view value) { return text(i) < value; });
        if (word != direct.end() && text(*word) == *wanted)
            found.emplace_back(noun, *word);
    }
    return found;
}

} // namespace

void Candidates::orderSenses(Side& side, const Side& other, const std::vector<double>& otherSenses)
{
    // A translation is a headword's main sense when each word is the other's first
    // thought: "Jagdhund" means nothing but a hound, while "Jäger" is a hunter and a
    // hound only as a keen collector. So the share the translation has of the
    // headword's pairings is weighed by the share of the translation's senses that
    // the two have in common.
    //
    // A noun made of a word ("das Blau" of "blau") means what the word means: alone
    // it would seem to mean nothing but the headword ("blue") and come before the word
    // itself. So the two count as one word for the senses they share with the headword:
    // the noun takes the pair's share, and the word at least that.
    const auto ownTotals = totalPairing(side.offsets, side.translations);
    std::vector<double> shared; // of one headword's translations
    for (HeadwordId self = 0; self + 1 < side.offsets.size(); ++self) {
        const std::uint32_t begin = side.offsets[self], end = side.offsets[self + 1];
        shared.clear();
        for (std::uint32_t i = begin; i < end; ++i) {
            const Translation& t = side.translations[i];
            const double senses = other.senseWeights[t.other];
            shared.push_back(senses > 0 ? t.fit / senses : 1.0);
        }
        const auto list = std::span(side.translations).subspan(begin, end - begin);
        for (const auto& [i, j] : nounsOfWords(list, other.headwords)) {
            const double senses =
                double(other.senseWeights[list[i].other]) + other.senseWeights[list[j].other];
            const double both = senses > 0 ? (list[i].fit + list[j].fit) / senses : 1.0;
            shared[i] = both;
            shared[j] = std::max(shared[j], both);
        }
        for (std::uint32_t i = begin; i < end; ++i) {
            Translation& t = side.translations[i];
            const double share = ownTotals[self] > 0 ? double(t.pairing) / ownTotals[self] : 0.0;
            if (t.origin == Origin::BeAdjective) {
                // The German sides of "to be afraid" all translate one phrase, so
                // the list's own pairing orders them.
                t.fit = share;
                continue;
            }
            if (!isDirect(t.origin)) {
                // A derived pairing says nothing of the translation's senses; how
                // much the list uses the translation counts only a little, since a
                // phrase ("von einer Sache abhängen") is always used less than a word.
                t.fit = share * std::cbrt(1.0 + otherSenses[t.other]);
                continue;
            }
            t.fit =
                fit(share * std::pow(shared[i - begin], kSharedSenseWeight), otherSenses[t.other]);
        }
    }
}

void Candidates::sortTranslations(Side& side)
{
    for (std::size_t i = 0; i + 1 < side.offsets.size(); ++i)
        std::sort(side.translations.begin() + side.offsets[i],
                  side.translations.begin() + side.offsets[i + 1],
                  [](const Translation& a, const Translation& b) {
                      if (precedence(a.origin) != precedence(b.origin))
                          return precedence(a.origin) < precedence(b.origin);
                      return a.fit != b.fit ? a.fit > b.fit : a.first < b.first;
                  });
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
