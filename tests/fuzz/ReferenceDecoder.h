#pragma once
// A second, deliberately plain decoder of the two data files that the harnesses hold the
// real reader, store, search and checker against. It shares no code with them; it only
// includes the file identifiers and the layout limits.
//
// It also records every place where a reader has to repair the file to read it:
//   - a prefix P longer than the previous headword (the reader keeps all of it);
//   - an English count N outside 1..3 (the reader keeps the first three indices, and
//     N = 0 leaves every slot empty);
//   - a tail that ends inside a record (the reader drops it);
//   - bytes after record 65534, the last one an index can address (the reader stops).
// A file that needs none of these is read exactly as written.
#include "dictionary/RecordDecoder.h"
#include "dictionary/Windows1252.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace wb::fuzz {

struct ReferenceRecord {
    std::string headword;
    std::array<std::uint16_t, 3> slots{kNoTranslation, kNoTranslation, kNoTranslation};
    int count = 1;          // N as written; always 1 in deueng.dat
    std::size_t offset = 0; // of the header byte
};

struct ReferenceFile {
    DictionaryFile file = DictionaryFile::German;
    std::vector<ReferenceRecord> records; // what a reader keeps, in file order
    std::size_t end = 0;                  // offset just after the last kept record
    bool prefixRepaired = false;
    bool countRepaired = false;
    bool tailDropped = false;
    bool beyondLastIndex = false;

    bool readWithoutRepair() const
    {
        return !prefixRepaired && !countRepaired && !tailDropped && !beyondLastIndex;
    }
};

ReferenceFile referenceDecode(DictionaryFile file, std::span<const std::uint8_t> bytes);

// The longest headword a record of `file` can produce: 15 bytes kept from the previous
// one plus the longest suffix.
constexpr std::size_t longestHeadword(DictionaryFile file)
{
    return file == DictionaryFile::German ? 15 + 255 : 15 + 15;
}

// The rules the checker adds for references, given how many records the other file
// keeps (0 when it is missing): every index written in a record is either below that
// count or 65535, and the first one is never 65535 (a search reads it unconditionally).
bool referencesResolve(const ReferenceFile& decoded, std::size_t otherRecords);

// Whether `check` must accept this file of the pair.
// No headword holds a control byte (below 0x20, or 0x7F) or a byte that Windows-1252
// leaves undefined (which would print as a C1 control).
inline bool headwordsPrintable(const ReferenceFile& decoded)
{
    for (const auto& record : decoded.records)
        for (const char c : record.headword)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
                isUndefinedInWindows1252(static_cast<unsigned char>(c)))
                return false;
    return true;
}

inline bool acceptable(const ReferenceFile& decoded, std::size_t otherRecords)
{
    return decoded.readWithoutRepair() && referencesResolve(decoded, otherRecords) &&
           headwordsPrintable(decoded);
}

} // namespace wb::fuzz
