#pragma once
// The dictionary's one notion of case: a-z and A-Z pair up, every other byte (the
// umlauts among them) stands for itself. The search, the order of the files and the
// file names beside the program all compare this way.
#include <string>
#include <string_view>

namespace wb {

constexpr unsigned char asciiUpper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

// Only the bytes a-z change.
std::string asciiUpperCase(std::string_view text);

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

// Below zero, zero or above as `a` sorts before, with or after `b` when a-z and A-Z
// count as the same letters; a word sorts before the longer words it begins.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b);

// The order of the data files: compareIgnoringAsciiCase, then the raw bytes, so that
// words differing only in case still have a fixed order.
bool inFileOrder(std::string_view a, std::string_view b);

} // namespace wb
