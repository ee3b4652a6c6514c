#include "dictionary/AsciiCase.h"

#include <algorithm>

namespace wb {

std::string asciiUpperCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = char(asciiUpper(static_cast<unsigned char>(c)));
    return folded;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return asciiUpper(static_cast<unsigned char>(x)) ==
               asciiUpper(static_cast<unsigned char>(y));
    });
}

} // namespace wb
