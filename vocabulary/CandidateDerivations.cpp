// The headwords Candidates takes from inside other entries (see DerivedHeadwords):
// each is paired with the German side of the sub-entry it came from.
#include "vocabulary/Candidates.h"

#include "dictionary/Windows1252.h"
#include "vocabulary/PairingWeights.h"

#include <algorithm>

namespace wb::vocab {

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
            for (auto form : vocab::irregularForms(alternative)) {
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
        addPairs({{id}, {emphasis(1)}, false, {german.ids.size() + german.places[g]}, {}},
                 {{english}, {emphasis(1)}, false, {place}, {}}, entry, Origin::BeAdjective, true);
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
        addPairs({{id}, {emphasis(1)}, true, {german.places[g]}, {}}, english, entry,
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

// "Beute machen (auf) :: to prey (on; upon)": the prepositions a verb or noun takes
// translate each other; the list has no entry of its own for some ("upon").
void Candidates::addPrepositions(std::span<const std::string_view> germanRaw,
                                 std::span<const std::string_view> englishRaw, std::size_t entry,
                                 bool specialist)
{
    const AddedAlternatives german = governed(Language::German, germanRaw, specialist);
    if (german.ids.empty())
        return;
    const AddedAlternatives english = governed(Language::English, englishRaw, specialist);
    if (!english.ids.empty())
        addPairs(german, english, entry, Origin::Preposition);
}

// The prepositions of the first alternative that names some, in its order.
Candidates::AddedAlternatives
Candidates::governed(Language language, std::span<const std::string_view> raw, bool specialist)
{
    AddedAlternatives added;
    for (const std::string_view alternative : raw) {
        for (const std::string_view word : governedPrepositions(alternative, language)) {
            std::string text;
            if (!utf8ToWindows1252Exact(word, text))
                continue;
            const HeadwordId id = intern(language, std::move(text), false, specialist, false);
            if (std::find(added.ids.begin(), added.ids.end(), id) != added.ids.end())
                continue;
            added.places.push_back(added.ids.size());
            added.ids.push_back(id);
            added.emphasis.push_back(emphasis(1));
        }
        if (!added.ids.empty())
            break;
    }
    return added;
}

// "keine; keiner; keines {pron} <kein> :: no": a word the list gives only for finding
// the entry by is translated by the entry, where it has no entry of its own.
void Candidates::addSearchWords(std::span<const std::string_view> germanRaw,
                                std::span<const std::string_view> englishRaw,
                                const AddedAlternatives& german, const AddedAlternatives& english,
                                std::size_t entry, bool specialist)
{
    const auto derive = [&](Language language, std::span<const std::string_view> raw,
                            const AddedAlternatives& other) {
        if (other.ids.empty())
            return;
        for (std::size_t place = 0; place < raw.size(); ++place)
            for (const std::string_view word : searchWords(raw[place])) {
                std::string text;
                if (!utf8ToWindows1252Exact(word, text) || !MentionCounter::isSingleWord(text))
                    continue;
                const HeadwordId id = intern(language, std::move(text), false, specialist, false);
                const AddedAlternatives self{{id}, {emphasis(1)}, false, {place}, {}};
                const bool germanDerived = language == Language::German;
                addPairs(germanDerived ? self : other, germanDerived ? other : self, entry,
                         Origin::SearchWord, germanDerived);
            }
    };
    derive(Language::German, germanRaw, english);
    derive(Language::English, englishRaw, german);
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
    addPairs(german, {{id}, {emphasis(occurrences)}, false, {place}, {}}, entry, origin);
    return id;
}

} // namespace wb::vocab
