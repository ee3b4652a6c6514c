#pragma once
// Finds headwords of one word list by their exact bytes or regardless of case, for
// the resolver. A list in the files' order (every compiled one) is bisected as it is;
// the index of the folded headwords is built only when a folded lookup first needs
// it, or at once for a list in any other order. It keeps indices and folded text,
// not the headwords.
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
    void buildIndex() const;
    std::pair<std::size_t, std::size_t> range(std::string_view lowerText) const;
    std::string_view key(std::size_t position) const;

    const WordList& m_words;
    bool m_inFileOrder = false;
    // The folded index, made on first use.
    mutable bool m_indexed = false;
    mutable std::string m_folded;               // every headword folded, in list order
    mutable std::vector<std::uint32_t> m_order; // list indices by folded text, then index
};

} // namespace wb
