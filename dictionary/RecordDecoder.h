#pragma once
// Decodes the records of the two dictionary files, one at a time, from the start.
// It owns no file and keeps no headwords beyond the previous one; the store and the
// checker decide what to keep.
//
// Both files are plain sequences of records with no header, count or trailer. A
// record's position (from 0) is its word index. Numbers are 16-bit little-endian.
//
//   deueng.dat (German headword, one English reference)
//     offset  width      field
//     0       1          header: low nibble P, high nibble S (15 = escape)
//     1       1          extended S, 0..255, only when the high nibble is 15
//     +0      S          suffix bytes
//     +S      2          English word index
//
//   engdeu.dat (English headword, one to three German references)
//     0       1          header: low nibble P, high nibble S (0..15, no escape)
//     1       S          suffix bytes
//     1+S     1          N, the count of German indices (1..3)
//     2+S     2*N        German word indices, in display order
//
// Headword = first P bytes of the previous headword + suffix; the first record's
// previous headword is empty. 65535 is the "no translation" index.
//
// Malformed input is repaired, never rejected: P beyond the previous headword takes
// all of it; N above 3 keeps the first three indices and skips the rest; N = 0 leaves
// every slot at 65535; a record cut off by the end of the data is not returned.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wb {

enum class DictionaryFile { German, English };

constexpr const char* fileName(DictionaryFile file)
{
    return file == DictionaryFile::German ? "deueng.dat" : "engdeu.dat";
}

constexpr std::uint16_t kNoTranslation = 65535;
constexpr std::size_t kMaxRecords = 65535; // indices 0..65534; 65535 is the sentinel
constexpr int kMaxPrefix = 15;
constexpr int kMaxEnglishSuffix = 15;
constexpr int kMaxGermanSuffix = 255;
constexpr int kMaxEnglishCount = 255; // what the count byte can say, not what is valid

// The largest number of bytes one record can occupy, for bounding reads.
constexpr std::size_t maxRecordBytes(DictionaryFile file)
{
    return file == DictionaryFile::German ? 2 + kMaxGermanSuffix + 2
                                          : 1 + kMaxEnglishSuffix + 1 + 2 * kMaxEnglishCount;
}

// A file can hold no more records than indices can address, so no more than this
// many bytes can matter; the cap keeps a huge or endless file from being read whole.
constexpr std::size_t readLimit(DictionaryFile file)
{
    return kMaxRecords * maxRecordBytes(file);
}

struct DecodedRecord {
    std::string_view headword;                 // valid until the next call of next()
    std::array<std::uint16_t, 3> references{}; // German file: only [0] is used
    std::size_t offset = 0;                    // byte offset of the record's header
    int prefix = 0;                            // P as stored
    int previousLength = 0;                    // length of the previous headword
    int count = 1;                             // N as stored (English file)
    bool prefixClamped() const { return prefix > previousLength; }
};

class RecordDecoder {
public:
    RecordDecoder(DictionaryFile file, std::span<const std::uint8_t> data)
        : m_file(file)
        , m_data(data)
    {
    }

    bool atEnd() const { return m_offset >= m_data.size(); }
    std::size_t offset() const { return m_offset; }

    // Decodes the record at the current offset. Returns false, and leaves the offset
    // unchanged, when the data ends inside the record.
    bool next(DecodedRecord& record);

private:
    bool readByte(std::size_t& at, int& value) const;
    bool readIndex(std::size_t& at, std::uint16_t& value) const;

    DictionaryFile m_file;
    std::span<const std::uint8_t> m_data;
    std::size_t m_offset = 0;
    std::string m_previous;
};

} // namespace wb
