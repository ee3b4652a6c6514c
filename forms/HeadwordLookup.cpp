#include "forms/HeadwordLookup.h"

#include "dictionary/AsciiCase.h"
#include "forms/FormRules.h"

#include <algorithm>

namespace wb {

namespace {

// More letters outside a-z than this in one text, and the folded index is cheaper than
// trying each of their cases.
constexpr int kMostCasedLetters = 4;

} // namespace

HeadwordLookup::HeadwordLookup(const WordList& words)
    : m_words(words)
{
    m_inFileOrder = true;
    for (std::size_t i = 1; i < words.size() && m_inFileOrder; ++i)
        m_inFileOrder = !inFileOrder(words[i], words[i - 1]);
    if (!m_inFileOrder)
        buildIndex();
}

void HeadwordLookup::buildIndex() const
{
    const WordList& words = m_words;
    m_indexed = true;
    m_folded = latinLowerCase(words.bytes());
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
    const auto& ends = m_words.ends();
    const std::uint32_t begin = index == 0 ? 0 : ends[index - 1];
    return std::string_view(m_folded).substr(begin, ends[index] - begin);
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
    // In the files' order, the spellings that differ only in the case of a-z lie
    // together; the case of "ä" or "é" is tried both ways.
    std::vector<std::size_t> cased;
    for (std::size_t i = 0; i < lowerText.size(); ++i)
        if (latinUpper(lowerText[i]) != lowerText[i] && asciiUpper(lowerText[i]) == lowerText[i])
            cased.push_back(i);
    if (m_inFileOrder && int(cased.size()) <= kMostCasedLetters) {
        std::vector<std::uint32_t> found;
        std::string variant(lowerText);
        for (std::uint32_t mask = 0; mask < (1u << cased.size()); ++mask) {
            for (std::size_t k = 0; k < cased.size(); ++k)
                variant[cased[k]] =
                    mask >> k & 1 ? latinUpper(lowerText[cased[k]]) : lowerText[cased[k]];
            std::size_t low = 0, high = m_words.size();
            while (low < high) {
                const std::size_t middle = low + (high - low) / 2;
                if (compareIgnoringAsciiCase(m_words[middle], variant) < 0)
                    low = middle + 1;
                else
                    high = middle;
            }
            for (; low < m_words.size() && compareIgnoringAsciiCase(m_words[low], variant) == 0;
                 ++low)
                if (latinLowerCase(m_words[low]) == lowerText)
                    found.push_back(std::uint32_t(low));
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }
    if (!m_indexed)
        buildIndex();
    const auto [first, last] = range(lowerText);
    return {m_order.begin() + std::ptrdiff_t(first), m_order.begin() + std::ptrdiff_t(last)};
}

std::vector<std::uint32_t> HeadwordLookup::exact(std::string_view text) const
{
    std::vector<std::uint32_t> found;
    if (m_inFileOrder) {
        std::size_t low = 0, high = m_words.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (inFileOrder(m_words[middle], text))
                low = middle + 1;
            else
                high = middle;
        }
        for (; low < m_words.size() && m_words[low] == text; ++low)
            found.push_back(std::uint32_t(low));
        return found;
    }
    const auto [first, last] = range(latinLowerCase(text));
    for (std::size_t i = first; i < last; ++i)
        if (m_words[m_order[i]] == text)
            found.push_back(m_order[i]);
    return found;
}

} // namespace wb
