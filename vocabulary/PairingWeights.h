#pragma once
// How strongly one line of the word list pairs two headwords: the rules that turn a
// headword's place in a sub-entry and its line's emphasis into a weight. Candidates
// sums them over the lines; the translation ranking compares the sums.
#include "vocabulary/DerivedHeadwords.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace wb::vocab {

// A translation's pairing with a headword sums, over the sub-entries the two share,
// the weight of each one's place in its list of alternatives (the first is the main
// word: 1, 1/2, 1/3, ...) times the headword's emphasis in that line. Integer units
// keep the sums exact.
constexpr std::uint64_t kPlaceUnit = 27720; // divides evenly by every place up to 12

constexpr std::uint64_t placeWeight(std::size_t position)
{
    return kPlaceUnit / (position + 1);
}

// A headword's own place among its synonyms says how usual the word is for that
// sense, not how usual the sense is for the word: "hound" comes fourth after
// "hunting dog", yet a hound is a hunting dog. So its own place counts for little.
inline std::uint64_t ownPlaceWeight(std::size_t position)
{
    return std::uint64_t(
        std::llround(double(kPlaceUnit) / std::sqrt(std::sqrt(double(position + 1)))));
}

// A line that uses the headword in many phrases is about its principal sense: the
// railway train fills a long line with "Zug", the draught of air a short one. The
// square root of how often the line's side mentions it, in thousandths.
inline std::uint64_t emphasis(std::uint32_t occurrences)
{
    return std::uint64_t(std::lround(1000.0 * std::sqrt(double(std::max(occurrences, 1u)))));
}

// An alternative labelled with a technical field ("Laufwerk {n} [comp.]"; not
// "[zool.]") gives a sense a specialist means; a reader means the everyday one:
// "drive" is "fahren" before "Laufwerk".
constexpr std::uint64_t kGeneralLineWeight = 4;

constexpr std::uint64_t lineWeight(bool technical)
{
    return technical ? 1 : kGeneralLineWeight;
}

// A line's first sub-entry pairs its headwords; the later ones pair forms and phrases
// ("er/sie kann :: he/she can"), which translate a word only in that form: "can" is
// "können" before "kann".
constexpr std::uint64_t kHeadEntryWeight = 4;

constexpr std::uint64_t entryWeight(std::size_t entry)
{
    return entry == 0 ? kHeadEntryWeight : 1;
}

// The list pairs the two itself, as alternatives of one sub-entry.
constexpr bool isDirect(Origin origin)
{
    return origin == Origin::Listed || origin == Origin::VerbForm;
}

} // namespace wb::vocab
