#pragma once
// One word list's headwords sorted by their fold, for many lookups against one list
// (a script's batch): the headwords whose fold begins with, or equals, the text's fold
// form one run of it, found by binary search instead of a walk over every headword.
// It answers exactly what asciiMatches or forgivingMatches answer, in file order, for
// any text but the empty one, which asciiMatches answers with nothing and the index, as
// forgivingMatches, with every headword (the command looks up no empty text).
#include "dictionary/ForgivingMatch.h"
#include "dictionary/WordList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wb {

class FoldedIndex {
public:
    using Fold = std::string (*)(std::string_view);

    // `fold` is asciiUpperCase (the window's a-z folding) or forgivingFold.
    FoldedIndex(const WordList& words, Fold fold);

    std::vector<std::uint32_t> matches(std::string_view text, MatchScope scope) const;

private:
    Fold m_fold;
    std::vector<std::pair<std::string, std::uint32_t>> m_sorted; // fold, index
};

} // namespace wb
