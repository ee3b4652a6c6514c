#pragma once
// How common a headword is: how many lines of the list mention it, lowered for long
// headwords, for phrases, and for words met only in specialist lines. The number only
// orders headwords; it means nothing on its own.
#include "vocabulary/MentionCounter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wb::vocab {

struct Headword {
    std::string text;               // Windows-1252
    std::uint32_t lines = 0;        // lines in which it is an alternative
    std::uint32_t generalLines = 0; // of those, lines without a specialist label
    bool main = false;              // it is an alternative of some line's first sub-entry
    std::uint32_t lastLine = 0;     // while collecting: the last line counted
};

// The commonness of each of `headwords`, in the same order.
std::vector<double> commonness(const std::vector<Headword>& headwords,
                               const MentionCounter& mentions);

} // namespace wb::vocab
