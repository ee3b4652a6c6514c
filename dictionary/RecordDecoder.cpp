#include "dictionary/RecordDecoder.h"

#include <algorithm>

namespace wb {

bool RecordDecoder::readByte(std::size_t& at, int& value) const
{
    if (at >= m_data.size())
        return false;
    value = m_data[at++];
    return true;
}

bool RecordDecoder::readIndex(std::size_t& at, std::uint16_t& value) const
{
    int low = 0, high = 0;
    if (!readByte(at, low) || !readByte(at, high))
        return false;
    value = std::uint16_t(low | (high << 8));
    return true;
}

bool RecordDecoder::next(DecodedRecord& record)
{
    std::size_t at = m_offset;
    int header = 0;
    if (!readByte(at, header))
        return false;
    const int prefix = header & 15;
    int suffixLength = header >> 4;
    if (m_file == DictionaryFile::German && suffixLength == 15 && !readByte(at, suffixLength))
        return false;
    if (m_data.size() - at < std::size_t(suffixLength))
        return false;
    const auto* suffix = reinterpret_cast<const char*>(m_data.data() + at);
    at += std::size_t(suffixLength);

    std::array<std::uint16_t, 3> references{kNoTranslation, kNoTranslation, kNoTranslation};
    int count = 1;
    if (m_file == DictionaryFile::German) {
        if (!readIndex(at, references[0]))
            return false;
    } else {
        if (!readByte(at, count))
            return false;
        for (int i = 0; i < count; ++i) {
            std::uint16_t index = 0;
            if (!readIndex(at, index))
                return false;
            if (i < 3)
                references[std::size_t(i)] = index;
        }
    }

    record.offset = m_offset;
    record.prefix = prefix;
    record.previousLength = int(m_previous.size());
    record.count = count;
    record.references = references;
    m_previous.resize(std::min<std::size_t>(std::size_t(prefix), m_previous.size()));
    m_previous.append(suffix, std::size_t(suffixLength));
    record.headword = m_previous;
    m_offset = at;
    return true;
}

} // namespace wb
