#include "forms/HeadwordLookup.h"

#include "forms/FormRules.h"

#include <algorithm>

namespace wb {

HeadwordLookup::HeadwordLookup(const WordList& words)
    : m_words(words)
{
    m_folded = latinLowerCase(words.bytes());
    m_ends = words.ends();
    // Sorted by the first eight folded bytes as one number, the rest compared only
    // between headwords that share them: the index is built before a lookup's first
    // form, so its cost is part of that lookup's.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed(words.size());
    for (std::uint32_t i = 0; i < keyed.size(); ++i) {
        const std::string_view folded = key(i);
        std::uint64_t head = 0;
        for (std::size_t k = 0; k < 8; ++k)
            head = head << 8 | (k < folded.size() ? static_cast<unsigned char>(folded[k]) : 0);
        keyed[i] = {head, i};
    }
    std::sort(keyed.begin(), keyed.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        const auto x = key(a.second), y = key(b.second);
        return x != y ? x < y : a.second < b.second;
    });
    m_order.resize(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        m_order[i] = keyed[i].second;
}

std::string_view HeadwordLookup::key(std::size_t index) const
{
    const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_folded).substr(begin, m_ends[index] - begin);
}

std::pair<std::size_t, std::size_t> HeadwordLookup::range(std::string_view lowerText) const
{
    const auto first = std::lower_bound(
        m_order.begin(), m_order.end(), lowerText,
        [this](std::uint32_t index, std::string_view text) { return key(index) < text; });
    auto last = first;
    while (last != m_order.end() && key(*last) == lowerText)
        ++last;
    return {std::size_t(first - m_order.begin()), std::size_t(last - m_order.begin())};
}

std::vector<std::uint32_t> HeadwordLookup::folded(std::string_view lowerText) const
{
    const auto [first, last] = range(lowerText);
    return {m_order.begin() + std::ptrdiff_t(first), m_order.begin() + std::ptrdiff_t(last)};
}

std::vector<std::uint32_t> HeadwordLookup::exact(std::string_view text) const
{
    std::vector<std::uint32_t> found;
    const auto [first, last] = range(latinLowerCase(text));
    for (std::size_t i = first; i < last; ++i)
        if (m_words[m_order[i]] == text)
            found.push_back(m_order[i]);
    return found;
}

} // namespace wb
