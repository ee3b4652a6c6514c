#pragma once
// The compile's scoring stages: how common each candidate is, first by its own
// frequency list or the lines that mention it (Commonness.h), and, once the
// translations are ranked, a German word at least as common as its main sense.
#include "vocabulary/Candidates.h"

namespace wb::vocab {

// Either list may be null. Releases the mention counts, which nothing needs after.
void scoreCommonness(Candidates& candidates, const FrequencyTable* english,
                     const FrequencyTable* german);

// A German headword is likely as common as the English word of its main sense (its
// first translation), but it shares that sense with its synonyms ("Kugelschreiber",
// "Kuli"): the commonest by its own measure takes kMainSenseShare of it, the next half
// of that, and so on. Needs ranked translations.
constexpr double kMainSenseShare = 0.5;
void borrowCommonness(Candidates& candidates, const FrequencyTable& english);

} // namespace wb::vocab
