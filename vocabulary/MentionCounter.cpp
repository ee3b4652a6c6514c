#include "vocabulary/MentionCounter.h"

#include "dictionary/Windows1252.h"

#include <algorithm>

namespace wb::vocab {
namespace {

bool isLetter(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F: // Š Œ Ž š œ ž Ÿ
        return true;
    case 0xD7:
    case 0xF7: // × ÷
        return false;
    default:
        return c >= 0xC0;
    }
}

} // namespace

bool MentionCounter::isSingleWord(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!isLetter(static_cast<unsigned char>(c)))
            return false;
    return true;
}

LineWords::LineWords(std::string_view utf8Text)
{
    const std::string text = utf8ToWindows1252(utf8Text);
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const auto c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
        if (c == '{' || c == '[' || c == '<' || c == '(')
            ++depth;
        else if ((c == '}' || c == ']' || c == '>' || c == ')') && depth > 0)
            --depth;
        if (depth == 0 && isLetter(c))
            word += char(c);
        else if (!word.empty())
            words.push_back(std::exchange(word, {}));
    }
    std::sort(words.begin(), words.end());
    for (auto& w : words) {
        if (!m_counts.empty() && m_counts.back().first == w)
            ++m_counts.back().second;
        else
            m_counts.emplace_back(std::move(w), 1);
    }
}

std::uint32_t LineWords::occurrences(std::string_view word) const
{
    if (!MentionCounter::isSingleWord(word))
        return 0;
    const auto found =
        std::lower_bound(m_counts.begin(), m_counts.end(), word,
                         [](const auto& entry, std::string_view key) { return entry.first < key; });
    return found != m_counts.end() && found->first == word ? found->second : 0;
}

void MentionCounter::addLine(const LineWords& words)
{
    for (const auto& [word, count] : words.counts()) {
        auto found = m_lines->find(std::string_view(word));
        if (found == m_lines->end())
            m_lines->emplace(word, 1);
        else
            ++found->second;
    }
}

std::uint32_t MentionCounter::linesMentioning(std::string_view word) const
{
    if (!isSingleWord(word))
        return 0;
    const auto found = m_lines->find(word);
    return found == m_lines->end() ? 0 : found->second;
}

} // namespace wb::vocab
