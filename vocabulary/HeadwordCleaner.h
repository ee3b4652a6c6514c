#pragma once
// Turns one alternative of the word list into a headword as the dictionary shows it,
// or says why it cannot be one. It knows the conventions of the list's notation; it
// does not decide which headwords are worth keeping (see Ranking).
#include "vocabulary/SourceLine.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wb::vocab {

enum class SkipReason {
    Empty,          // nothing left once annotations and placeholders are gone, or
                    // only the "or" that joined two of them
    Malformed,      // unbalanced brackets
    Sentence,       // an example sentence or a clause, not a headword
    Slash,          // "he/she", "welche/r/s": several words folded into one
    Ellipsis,       // an incomplete phrase
    NotWindows1252, // a character the data files cannot store
    TooLong,        // longer than any record of its file can hold
    Conditional,    // "I/he/she would go" and its German side: not a form a reader looks up
    LostObject,     // "an festgehalten": a preposition whose object the list left out
};
constexpr int kSkipReasonCount = 9;
const char* describe(SkipReason reason);

struct CleanResult {
    std::string headword; // Windows-1252
    std::optional<SkipReason> skipped;
    bool exclamation = false; // written as one ("Hallo!"), so its capital may be the sentence's
};

// `verb` says that the German side of the sub-entry is a verb, so that a leading
// "to " of an English alternative is the infinitive marker and goes.
CleanResult cleanHeadword(std::string_view alternative, Language language, bool verb);

// "an festgehalten" beside "an etw. festhalten": the list writes the forms of a verb
// with a prepositional object without the object, which leaves a bare preposition
// before a participle or an infinitive. `headword` is Windows-1252, `lineHeadwords`
// the raw German alternatives of the line's first sub-entry.
bool lostItsObject(std::string_view headword, std::span<const std::string_view> lineHeadwords);

// The alternatives that the list runs together into one where it would otherwise
// part them with "; ": exclamations one after the other ("Thank you! Thanks!") and, on
// the English side, short phrases parted by commas ("at a minimum, at least"). The
// views point into `alternative`; it comes back alone when it holds nothing of the kind.
std::vector<std::string_view> separateAlternatives(std::string_view alternative, Language language);

// Whether a German alternative names a verb: it is marked {v...}, or its headword
// ends in a lower-case word ending in "n" (the infinitive: gehen, sein, ändern).
bool isGermanVerb(std::string_view alternative, const CleanResult& cleaned);

} // namespace wb::vocab
