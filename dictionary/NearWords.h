#pragma once
// Headwords spelt almost like a text that found nothing, for a "did you mean" hint.
// Compared with the case of every letter folded (ForgivingMatch.h's foldCase), byte
// for byte, so that a length filter can skip most of the list before any distance
// is computed.
#include "dictionary/WordList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wb {

// The edit distance (insertions, deletions, substitutions) between `a` and `b`, or
// `limit + 1` as soon as it is known to exceed `limit`.
std::size_t boundedEditDistance(std::string_view a, std::string_view b, std::size_t limit);

// Up to `count` headwords within `maxEdits` edits of `text` (Windows-1252), the closest
// first and file order among equals; a headword spelt like one already chosen is left
// out. An empty text has no neighbours.
std::vector<std::uint32_t> nearHeadwords(const WordList& words, std::string_view text,
                                         std::size_t maxEdits, std::size_t count);

} // namespace wb
