#pragma once
// How much of a headword a text must match: the beginning, as the window's search
// asks, or all of it. Shared by the a-z matches (Search.h) and the forgiving ones
// (ForgivingMatch.h); it stands alone because ForgivingMatch.h includes Search.h.

namespace wb {

enum class MatchScope {
    Prefix, // the headword's fold begins with the text's fold
    Whole,  // the folds are equal
};

} // namespace wb
