#pragma once
// The compile's forms stage: from a source table of inflected forms and a finished
// data file, the bytes of that language's forms file. It reads the headwords back
// from the encoded data file, so that the forms point at exactly what was written;
// which headwords exist is the selection's decision, not this stage's.
#include "dictionary/RecordDecoder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <span>
#include <string>
#include <vector>

namespace wb::vocab {

// A source table: UTF-8 lines `base<TAB>form form ...`, as tools/make-form-tables.py
// writes them. Blank lines are ignored.
struct FormSourceLine {
    std::string base;               // Windows-1252
    std::vector<std::string> forms; // Windows-1252
};

struct FormTableSource {
    std::vector<FormSourceLine> lines;
    std::size_t notEncodable = 0; // words Windows-1252 cannot store, left out
};

// A source table larger than this is no table of one language's forms.
constexpr std::uintmax_t kMaxFormTableBytes = std::uintmax_t(256) << 20;
// No word has this many forms: the longest line of the German table is under 600 bytes.
constexpr std::size_t kMaxFormLineBytes = 64 * 1024;

// Throws std::runtime_error naming the line of a line without a tab, an empty base, a
// control character or more than kMaxFormLineBytes, and when the table goes on past
// kMaxFormTableBytes. Lines are read in blocks, so no line is held beyond the limit.
FormTableSource parseFormTable(std::istream& in, const std::string& name);
FormTableSource readFormTable(const std::filesystem::path& path);

struct FormsSummary {
    std::size_t forms = 0;         // records written
    std::size_t headwords = 0;     // headwords with at least one form
    std::size_t ambiguous = 0;     // forms of more than one headword
    std::size_t headwordForms = 0; // forms that are headwords themselves ("ging")
    std::size_t fileBytes = 0;
};

// `source` may be null: the forms file then holds no form, only the header that ties
// it to the data file. A base that is no headword contributes nothing; a reflexive
// verb's headword "freuen (sich)" counts as the base "freuen". Throws
// std::runtime_error when a form names more than kMaxFormBases headwords.
std::vector<std::uint8_t> buildFormsFile(DictionaryFile file,
                                         std::span<const std::uint8_t> dataFile,
                                         const FormTableSource* source, FormsSummary& summary);

} // namespace wb::vocab
