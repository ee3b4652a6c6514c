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

int compareIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto length = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char x = asciiUpper(static_cast<unsigned char>(a[i]));
        const unsigned char y = asciiUpper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool inFileOrder(std::string_view a, std::string_view b)
{
    // string_view compares its bytes as unsigned char: an umlaut sorts after z.
    const int folded = compareIgnoringAsciiCase(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace wb
