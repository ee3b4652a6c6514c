#pragma once
// Orders the headwords of one language from the most common to the least, so that a
// vocabulary with room for N headwords can take the first N. A headword that is the
// best translation of a common word of the other language ranks as half as common as
// that word at least, so that the common word keeps its translation ("zum" needs "to
// the"). Equal ranks are settled by how common the best translation is and then by a
// hash of the headword, never by the alphabet, which would favour the letter a.
#include "vocabulary/Candidates.h"

#include <vector>

namespace wb::vocab {

// Headword ids of `language`, the most common first.
std::vector<HeadwordId> rankHeadwords(const Candidates& candidates, Language language);

} // namespace wb::vocab
