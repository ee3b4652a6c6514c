#pragma once
// The order the two files keep their records in, and which headwords the record
// layout cannot express in that order. Selection decides with it what fits; the
// writer encodes in it.
#include "dictionary/RecordDecoder.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace wb::vocab {

// The order of both files: by the search's folding (a-z upper-cased), then by the
// raw bytes, so that words differing only in case still have a fixed order.
bool inDictionaryOrder(std::string_view a, std::string_view b);

// Positions in `sorted` of the headwords the record layout cannot express, each
// checked against the headword actually written before it (a refused one is not
// written, so its successor is checked against the one before it).
std::vector<std::size_t> refusedHeadwords(DictionaryFile file,
                                          std::span<const std::string_view> sorted);

} // namespace wb::vocab
