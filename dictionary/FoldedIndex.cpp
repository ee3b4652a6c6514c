#include "dictionary/FoldedIndex.h"

#include <algorithm>

namespace wb {

FoldedIndex::FoldedIndex(const WordList& words, Fold fold)
    : m_fold(fold)
{
    m_sorted.reserve(words.size());
    for (std::uint32_t i = 0; i < words.size(); ++i)
        m_sorted.emplace_back(fold(words[i]), i);
    std::sort(m_sorted.begin(), m_sorted.end());
}

std::vector<std::uint32_t> FoldedIndex::matches(std::string_view text, MatchScope scope) const
{
    const std::string key = m_fold(text);
    auto it =
        std::lower_bound(m_sorted.begin(), m_sorted.end(), key,
                         [](const auto& entry, const std::string& k) { return entry.first < k; });
    std::vector<std::uint32_t> found;
    for (; it != m_sorted.end(); ++it) {
        const bool match = scope == MatchScope::Whole
                               ? it->first == key
                               : std::string_view(it->first).starts_with(key);
        if (!match)
            break;
        found.push_back(it->second);
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace wb
