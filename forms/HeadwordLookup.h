#pragma once
// Finds headwords of one word list by their exact bytes or regardless of case, for
// the resolver. Built once over a list that may be in any order; it keeps only
// indices and the folded text, not the headwords.
#include "dictionary/WordList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

class HeadwordLookup {
public:
    explicit HeadwordLookup(const WordList& words);

    // Indices of the headwords equal to `text` when folded by latinLowerCase, in
    // list order.
    std::vector<std::uint32_t> folded(std::string_view lowerText) const;
    // Indices of the headwords equal to `text`, byte for byte.
    std::vector<std::uint32_t> exact(std::string_view text) const;
    bool contains(std::string_view text) const { return !exact(text).empty(); }

private:
    std::pair<std::size_t, std::size_t> range(std::string_view lowerText) const;
    std::string_view key(std::size_t position) const;

    const WordList& m_words;
    std::string m_folded;               // every headword folded, in list order
    std::vector<std::uint32_t> m_ends;  // end of each folded headword in m_folded
    std::vector<std::uint32_t> m_order; // list indices by folded text, then index
};

} // namespace wb
