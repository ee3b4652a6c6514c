#pragma once
// Orders the headwords of one language from the most likely looked up to the least,
// so that a vocabulary with room for N headwords can take the first N. The words a
// frequency list counts come first, by their counts; after them come phrases and the
// words no list counts, by their own evidence: how many lines of the word list give
// them whole as an entry's headword. A headword that is the main translation of a
// word the other file has room for ranks with that word at half its count, so that
// the word keeps its translation ("zum" needs "to the"). Equal ranks are settled by
// how common the best translation is and then by a hash of the headword, never by
// the alphabet, which would favour the letter a.
#include "vocabulary/Candidates.h"

#include <cstddef>
#include <vector>

namespace wb::vocab {

// Where a headword stands before its rivals are compared: the first tier first.
enum class RankTier : std::uint8_t {
    Counted,   // a single word its language's frequency list counts
    Estimated, // a single word as common as its main translation, which a list counts
    Evidence,  // a phrase, or a word no frequency list counts
};

struct RankKey {
    RankTier tier = RankTier::Evidence;
    double score = 0; // within the tier, the higher first
};

// The key a headword earns on its own.
RankKey ownRankKey(const Headword& headword, RankSource source, double commonness);
// Whether `a` ranks before `b` (neither tie-break applied).
bool ranksBefore(const RankKey& a, const RankKey& b);

// Headword ids of `language`, the most common first. `places` is how many headwords
// each file holds: only the main translations of the other language's headwords
// that fit are lifted.
std::vector<HeadwordId> rankHeadwords(const Candidates& candidates, Language language,
                                      std::size_t places);

} // namespace wb::vocab
