#pragma once
// Writes records in the layout RecordDecoder reads (see its header for the table),
// front-coding each headword against the one written before it. It refuses what the
// layout cannot express rather than writing a record that would decode differently.
#include "dictionary/RecordDecoder.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

class RecordEncoder {
public:
    explicit RecordEncoder(DictionaryFile file)
        : m_file(file)
    {
    }

    // Whether `headword` can follow the last written headword in this file.
    bool canAppend(std::string_view headword) const;

    // Appends one record: one reference for the German file, one to three for the
    // English file. Returns false and writes nothing when the record cannot be
    // encoded.
    bool append(std::string_view headword, std::span<const std::uint16_t> references);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::size_t recordCount() const { return m_count; }

private:
    int prefixLength(std::string_view headword) const;
    void appendIndex(std::uint16_t index);

    DictionaryFile m_file;
    std::vector<std::uint8_t> m_bytes;
    std::string m_previous;
    std::size_t m_count = 0;
};

} // namespace wb
