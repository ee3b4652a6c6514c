#pragma once
// Reads a language's forms file from a data directory and checks that it belongs to
// the headword list loaded beside it. What cannot be used is described, never
// thrown: the lookup goes on without forms.
#include "dictionary/RecordDecoder.h"
#include "dictionary/WordList.h"
#include "forms/FormsFile.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace wb {

struct LoadedForms {
    FormsTable table;    // empty when the file is missing or refused
    bool found = false;  // whether the file could be opened
    std::string problem; // why it is not used; empty when it is
};

// Checks decoded bytes against the headword list of the language's data file.
LoadedForms checkForms(std::span<const std::uint8_t> bytes, const WordList& headwords);

// `file` names the language's data file; its forms file lies beside it.
LoadedForms loadForms(const std::filesystem::path& directory, DictionaryFile file,
                      const WordList& headwords);

} // namespace wb
