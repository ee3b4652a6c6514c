#include "vocabulary/RecordOrder.h"

#include "dictionary/AsciiCase.h"
#include "dictionary/RecordEncoder.h"

#include <algorithm>

namespace wb::vocab {

bool inDictionaryOrder(std::string_view a, std::string_view b)
{
    const auto length = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char x = asciiUpper(static_cast<unsigned char>(a[i]));
        const unsigned char y = asciiUpper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

std::vector<std::size_t> refusedHeadwords(DictionaryFile file,
                                          std::span<const std::string_view> sorted)
{
    // Only the headwords matter for whether a record fits; any valid reference does.
    const std::uint16_t reference = 0;
    RecordEncoder encoder(file);
    std::vector<std::size_t> refused;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (!encoder.append(sorted[i], std::span(&reference, 1)))
            refused.push_back(i);
    return refused;
}

} // namespace wb::vocab
