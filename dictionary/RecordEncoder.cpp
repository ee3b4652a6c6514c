#include "dictionary/RecordEncoder.h"

#include <algorithm>

namespace wb {

int RecordEncoder::prefixLength(std::string_view headword) const
{
    const auto limit = std::min({m_previous.size(), headword.size(), std::size_t(kMaxPrefix)});
    std::size_t shared = 0;
    while (shared < limit && m_previous[shared] == headword[shared])
        ++shared;
    return int(shared);
}

bool RecordEncoder::canAppend(std::string_view headword) const
{
    const auto suffix = headword.size() - std::size_t(prefixLength(headword));
    const auto maxSuffix = m_file == DictionaryFile::German ? kMaxGermanSuffix : kMaxEnglishSuffix;
    return suffix <= std::size_t(maxSuffix);
}

void RecordEncoder::appendIndex(std::uint16_t index)
{
    m_bytes.push_back(std::uint8_t(index & 0xFF));
    m_bytes.push_back(std::uint8_t(index >> 8));
}

bool RecordEncoder::append(std::string_view headword, std::span<const std::uint16_t> references)
{
    const bool german = m_file == DictionaryFile::German;
    if (german ? references.size() != 1 : references.empty() || references.size() > 3)
        return false;
    if (!canAppend(headword))
        return false;

    const int prefix = prefixLength(headword);
    const auto suffix = headword.substr(std::size_t(prefix));
    if (german && suffix.size() >= 15) {
        m_bytes.push_back(std::uint8_t(0xF0 | prefix));
        m_bytes.push_back(std::uint8_t(suffix.size()));
    } else {
        m_bytes.push_back(std::uint8_t((suffix.size() << 4) | std::size_t(prefix)));
    }
    m_bytes.insert(m_bytes.end(), suffix.begin(), suffix.end());
    if (!german)
        m_bytes.push_back(std::uint8_t(references.size()));
    for (auto index : references)
        appendIndex(index);

    m_previous.assign(headword);
    ++m_count;
    return true;
}

} // namespace wb
