#pragma once
// Headwords that the word list gives only inside other entries: the forms of a verb
// in its conjugation sub-entries ("I/he/she went" beside "ich/er/sie ging") and in
// braces ("to go {went; gone}"), and the adjectives English uses with "to be" ("to be
// afraid"). It reads the list's notation; pairing and counting are Candidates' work.
#include "vocabulary/SourceLine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wb::vocab {

// Where a pairing of two headwords comes from, the most direct first: when one pair
// arises several ways it keeps the first of these.
enum class Origin : std::uint8_t {
    Listed,        // alternatives of one sub-entry
    VerbForm,      // paired forms of a conjugation sub-entry, pronouns removed
    BeAdjective,   // "to be afraid" gives "afraid" the German side as translation
    IrregularForm, // a form in braces, translated by its verb for want of a paired form
    PhraseVerb,    // "to depend on sth." gives "depend", "Daten herunterladen" "herunterladen"
    Singular,      // "strawberries" beside a German plural gives "strawberry"
    Phrases,       // a headword whose own side is empty takes the next sub-entry's
    Preposition,   // "to prey (on; upon)" beside "Beute machen (auf)" gives "upon" "auf"
    SearchWord,    // "keine {pron} <kein> :: no": a word the list names to be found by
};
constexpr int kOriginCount = 9;
const char* describe(Origin origin);

// A verb does not translate its irregular forms: "gehen" is not "went".
constexpr bool translatesGerman(Origin origin)
{
    return origin != Origin::IrregularForm;
}

// A derivation that stands in for translations of the headword's own: it counts only
// where the list pairs the headword with nothing directly ("afraid", but not "be" of
// "to be on sth.").
constexpr bool onlyForWantOfOwn(Origin origin)
{
    return origin == Origin::BeAdjective || origin == Origin::PhraseVerb ||
           origin == Origin::Singular || origin == Origin::Preposition ||
           origin == Origin::SearchWord;
}

// A derivation whose headwords on both sides come from inside phrases: it translates
// neither a German nor an English headword that the list pairs directly ("auf" keeps
// its own "on" and gains no "upon").
constexpr bool derivedOnBothSides(Origin origin)
{
    return origin == Origin::Preposition;
}

// Translations derived from the wider context come after the direct ones: "Angst
// haben" is first "be afraid", and only then "afraid".
constexpr int precedence(Origin origin)
{
    switch (origin) {
    case Origin::Listed:
    case Origin::VerbForm:
        return 0;
    case Origin::BeAdjective:
    case Origin::PhraseVerb:
    case Origin::Singular:
    case Origin::Phrases:
    case Origin::Preposition:
    case Origin::SearchWord:
        return 1;
    case Origin::IrregularForm:
        break;
    }
    return 2;
}

// The form after the personal pronouns of a conjugation sub-entry ("went" of
// "I/he/she went", "ging" of "ich/er/sie ging"); nothing when there are none.
std::optional<std::string_view> withoutPronoun(std::string_view alternative, Language language);

// "would go": the conditional, which the list pairs with the German subjunctive. It is
// not one of the forms a reader looks up.
bool isConditional(std::string_view form);

// The past tense and participle forms in the braces after an English verb, as written
// ("went", "gone" of "to go {went; gone}"), without labels; forms marked as obsolete,
// archaic or rare are left out.
std::vector<std::string_view> irregularForms(std::string_view alternative);

// The X of an English alternative "to be X" whose cleaned headword is `headword`
// ("be X" once the infinitive marker went); nothing unless X is a single word.
std::optional<std::string_view> beComplement(std::string_view alternative,
                                             std::string_view headword);

// The verb V of an English alternative "to V P sth." (or "sb.") whose cleaned
// headword is `headword` ("V P" once the infinitive marker and the placeholder went):
// "depend" of "to depend on sth."; nothing for any other shape.
std::optional<std::string_view> phraseVerb(std::string_view alternative, std::string_view headword);

// The verb of a German headword (Windows-1252) made of an object noun and an
// infinitive: "herunterladen" of "Daten herunterladen"; nothing for any other shape.
std::optional<std::string_view> germanPhraseVerb(std::string_view headword);

// The prepositions in the brackets that end an alternative, where the list names what
// a verb or noun governs: "on", "upon" of "to prey (on; upon)", "auf" of "Beute
// machen (auf)". Nothing unless every word in the brackets is a preposition of
// `language`.
std::vector<std::string_view> governedPrepositions(std::string_view alternative, Language language);

// The single words in the angle brackets of an alternative, which the list gives for
// a reader to find the entry by, as written: "kein" of "keines {pron} <kein>",
// "Tintenfisch" of "Kalmare {pl} <Kalmar> <Tintenfisch>". Phrases ("<am vollsten>")
// are left out.
std::vector<std::string_view> searchWords(std::string_view alternative);

// The singular of an English plural written as one word: "strawberries" gives
// "strawberry", "boxes" "box", "trees" "tree"; nothing for a word that does not end
// in a plural "s" ("glass", "bus", "analysis").
std::optional<std::string> englishSingular(std::string_view plural);

} // namespace wb::vocab
