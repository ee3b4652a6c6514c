#pragma once
// The forms files, engforms.dat and deuforms.dat: the inflected forms of one
// language's headwords ("Häusern", "went"), each mapped to the headwords it is a form
// of. This header owns the layout, its encoder and its decoder; which forms go in is
// the compile's decision, how a text is resolved the resolver's.
//
// Unlike the two data files, a forms file starts with a header: it names the
// headword list it was built against, so that a forms file left beside another
// vocabulary is never read as if it belonged to it. Numbers are little-endian.
//
//   offset  width      field
//   0       4          magic "WBF1"
//   4       8          headword list hash (headwordListHash of the language's file)
//   12      4          R, the number of records
//   16      ...        R records:
//     +0    1          header: low nibble P, high nibble S (15 = escape)
//     +1    1          extended S, 0..255, only when the high nibble is 15
//     +0    S          suffix bytes
//     +S    1          N, the number of headwords (1..255)
//     +S+1  2*N        headword indices into the language's file, ascending
//
// Form = first P bytes of the previous form + suffix (Windows-1252). The forms are in
// strictly ascending byte order, which lets a lookup bisect them; no form is empty. A
// form may be a headword itself ("ging" of "gehen"): lookup shows that headword as it
// is, the desktop's search lists the base first.
//
// Malformed input is rejected whole, never repaired: a half-trusted table could send
// a reader to the wrong word, and the lookup works without one.
#include "dictionary/RecordDecoder.h"
#include "dictionary/WordList.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

constexpr const char* formsFileName(DictionaryFile file)
{
    return file == DictionaryFile::German ? "deuforms.dat" : "engforms.dat";
}

constexpr std::size_t kFormsHeaderBytes = 16;
constexpr std::size_t kMaxFormBases = 255;
constexpr std::size_t kMaxFormBytes = 255; // so that a suffix always fits its byte
// Far above what two languages' forms need (the bundled pair is well under 2 MB); a
// larger file is refused before it is read whole.
constexpr std::size_t kMaxFormsFileBytes = std::size_t(32) << 20;

// FNV-1a over the headwords in file order, each ended by a zero byte.
std::uint64_t headwordListHash(const WordList& headwords);
std::uint64_t headwordListHash(std::span<const std::string_view> headwords);

struct FormEntry {
    std::string form;                 // Windows-1252
    std::vector<std::uint16_t> bases; // ascending, no duplicates
};

// Encodes `entries`, which must be in ascending byte order of their forms, each form
// 1..kMaxFormBytes bytes with 1..kMaxFormBases bases. Throws std::invalid_argument
// naming the first entry that breaks a rule.
std::vector<std::uint8_t> encodeForms(std::uint64_t listHash, std::span<const FormEntry> entries);

// A decoded forms file, all forms in one buffer.
class FormsTable {
public:
    std::size_t size() const { return m_formEnds.size(); }
    bool empty() const { return m_formEnds.empty(); }
    std::uint64_t listHash() const { return m_listHash; }
    std::string_view form(std::size_t i) const;
    std::span<const std::uint16_t> bases(std::size_t i) const;
    // The bases of `form`, empty when it is none of the table's forms.
    std::span<const std::uint16_t> find(std::string_view form) const;
    // The largest headword index any record names, or -1 for an empty table.
    int largestBase() const { return m_largestBase; }

private:
    friend struct FormsDecoder;
    std::uint64_t m_listHash = 0;
    std::string m_forms;
    std::vector<std::uint32_t> m_formEnds;
    std::vector<std::uint16_t> m_bases;
    std::vector<std::uint32_t> m_baseEnds;
    int m_largestBase = -1;
};

struct FormsDecodeResult {
    FormsTable table; // empty unless ok
    bool ok = false;
    std::string problem;    // what is wrong, when not ok
    std::size_t record = 0; // the record the problem lies in
    std::size_t offset = 0; // and its byte offset
};

FormsDecodeResult decodeForms(std::span<const std::uint8_t> bytes);

} // namespace wb
