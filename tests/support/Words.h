#pragma once
// Word lists for the tests and the benchmarks: a list written in UTF-8 as a reader
// types it, and random headwords that share prefixes the way a real list does.
#include "dictionary/WordList.h"

#include <cstddef>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace wb::test {

// The words in the data files' Windows-1252, in the order given.
WordList wordsOf(std::initializer_list<const char*> utf8Words);

// `count` words of 1 to `maxLength` bytes, most near 8, over a small alphabet with
// umlaut bytes and mixed case, so that prefixes repeat and the a–z folding matters;
// sorted as the data files are (by the folded word, then byte by byte). The same
// `random` state gives the same words.
std::vector<std::string> randomWords(std::size_t count, std::size_t maxLength,
                                     std::mt19937& random);

} // namespace wb::test
