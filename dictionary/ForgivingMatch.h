#pragma once
// Matching that forgives what people type into a launcher or a terminal: the case of
// every letter Windows-1252 has, and "ae", "oe", "ue", "ss" typed for "ä", "ö", "ü",
// "ß" (or the other way round). The window's own search keeps its a-z folding
// (AsciiCase.h); this serves the desktop's search service and the command's --fold.
// Pure functions over a word list: they return indices and know nothing of
// translations or of who shows the result.
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"
#include "dictionary/WordList.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

// The lower-case letter of the code page for `c`, or `c` itself. "ß" has no capital
// in the code page and stays.
unsigned char foldCase(unsigned char c);

// Every letter lower-cased, then "ä ö ü ß" spelt "ae oe ue ss". Windows-1252 in and
// out. Two texts match under the forgiving rules when their folds are equal.
std::string forgivingFold(std::string_view text);

enum class MatchScope {
    Prefix, // the headword's fold begins with the text's fold
    Whole,  // the folds are equal
};

// Every headword of `words` that matches `text` (Windows-1252), in file order. An
// empty text is a prefix of every headword.
std::vector<std::uint32_t> forgivingMatches(const WordList& words, std::string_view text,
                                            MatchScope scope);

// How close a launcher result is to what was typed; a lower tier ranks first.
enum class MatchTier : std::uint8_t {
    Spelling,     // byte for byte the typed text
    CaseOnly,     // the same but for the case of its letters
    Folded,       // the same under the forgiving rules ("Strasse" for "Straße")
    PrefixCase,   // begins with the text, but for case
    PrefixFolded, // begins with the text under the forgiving rules
    InnerWord,    // a later word of the headword begins with it ("house" in "open house")
};

struct LauncherMatch {
    std::uint32_t index = 0; // in the word list searched
    MatchTier tier = MatchTier::Spelling;
    std::uint32_t length = 0; // of the headword, in bytes
    std::uint16_t weight = 0; // how common the headword is, where the caller knows
};

// The ranking order: tier, then the shorter headword, then the heavier one, then file
// order. Results of two word lists merge with it too.
bool rankedBefore(const LauncherMatch& a, const LauncherMatch& b);

// A launcher answers nothing to texts shorter than this, counted in letters typed.
constexpr std::size_t kLauncherMinimumLength = 2;

// The best `limit` matches of `text` in `words`, ranked. Blanks around the text are
// ignored; a text shorter than kLauncherMinimumLength answers nothing. The inner-word
// tier is only searched when the others leave room. `weights`, one per headword where
// given, break ties between headwords of one tier and length.
std::vector<LauncherMatch> launcherMatches(const WordList& words, std::string_view text,
                                           std::size_t limit,
                                           std::span<const std::uint16_t> weights = {});

// A measure of how common each headword of one direction is that the files give: how
// many headwords of the other language name it as a translation ("house" is named by
// "Haus", "Gebäude", "Wohnhaus", ...). Counts stop at 65,535; references that name no
// headword are passed over.
std::vector<std::uint16_t> translationReferenceCounts(const DictionaryStore& store,
                                                      Direction direction);

} // namespace wb
