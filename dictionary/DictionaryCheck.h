#pragma once
// Verifies a pair of data files against the rules of their layout and lists every
// problem with the file, record number and byte offset where it lies. A headword may
// hold no control byte (below 0x20, or 0x7F): printed, it would forge rows or reach
// the terminal. The reader
// repairs what this reports; the checker is how a person finds out.
#include "dictionary/RecordDecoder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wb {

struct CheckProblem {
    DictionaryFile file;
    std::size_t record = 0; // number of the record, from 0
    std::size_t offset = 0; // byte offset of the record's header
    std::string what;
};

struct FileCheck {
    bool opened = false;
    std::size_t bytes = 0;
    std::size_t records = 0; // complete records in the file
    // References into the other file when that one cannot be opened: one problem in
    // all, not one per record.
    std::size_t referencesIntoMissing = 0;
};

struct CheckReport {
    FileCheck german;
    FileCheck english;
    std::vector<CheckProblem> problems;
    // A file that cannot be opened is a problem too, though it has no record to name.
    std::size_t problemCount() const
    {
        return problems.size() + (german.opened ? 0 : 1) + (english.opened ? 0 : 1) +
               (german.referencesIntoMissing > 0) + (english.referencesIntoMissing > 0);
    }
    bool wellFormed() const { return problemCount() == 0; }
};

// Checks the pair; a file given as nullopt could not be opened.
CheckReport checkDictionaryFiles(const std::optional<std::vector<std::uint8_t>>& german,
                                 const std::optional<std::vector<std::uint8_t>>& english);

} // namespace wb
