#include "tests/fuzz/ReferenceDecoder.h"

#include <algorithm>

namespace wb::fuzz {

ReferenceFile referenceDecode(DictionaryFile file, std::span<const std::uint8_t> bytes)
{
    const bool german = file == DictionaryFile::German;
    ReferenceFile out;
    out.file = file;
    std::string previous;
    std::size_t at = 0;
    const auto left = [&] { return bytes.size() - at; };
    const auto index = [&](std::size_t i) { return std::uint16_t(bytes[i] | (bytes[i + 1] << 8)); };

    while (at < bytes.size()) {
        if (out.records.size() == 65535) {
            out.beyondLastIndex = true;
            break;
        }
        ReferenceRecord record;
        record.offset = at;
        const unsigned header = bytes[at++];
        const std::size_t prefix = header & 0x0F;
        std::size_t suffix = header >> 4;
        if (german && suffix == 15) {
            if (left() < 1)
                break;
            suffix = bytes[at++];
        }
        if (left() < suffix)
            break;
        const std::string added(reinterpret_cast<const char*>(&bytes[at]), suffix);
        at += suffix;

        if (german) {
            if (left() < 2)
                break;
            record.slots[0] = index(at);
            at += 2;
        } else {
            if (left() < 1)
                break;
            record.count = bytes[at++];
            if (left() < 2 * std::size_t(record.count))
                break;
            for (int k = 0; k < std::min(record.count, 3); ++k)
                record.slots[std::size_t(k)] = index(at + 2 * std::size_t(k));
            at += 2 * std::size_t(record.count);
            out.countRepaired |= record.count < 1 || record.count > 3;
        }

        out.prefixRepaired |= prefix > previous.size();
        record.headword = previous.substr(0, prefix) + added;
        previous = record.headword;
        out.records.push_back(std::move(record));
        out.end = at;
    }
    out.tailDropped = !out.beyondLastIndex && out.end < bytes.size();
    return out;
}

bool referencesResolve(const ReferenceFile& decoded, std::size_t otherRecords)
{
    for (const auto& record : decoded.records) {
        const int written = decoded.file == DictionaryFile::German ? 1 : std::min(record.count, 3);
        for (int k = 0; k < written; ++k) {
            const auto slot = record.slots[std::size_t(k)];
            if (slot == kNoTranslation ? k == 0 : slot >= otherRecords)
                return false;
        }
    }
    return true;
}

} // namespace wb::fuzz
