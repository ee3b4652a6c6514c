#include "vocabulary/RecordOrder.h"

#include "dictionary/AsciiCase.h"
#include "dictionary/RecordEncoder.h"

namespace wb::vocab {

bool inDictionaryOrder(std::string_view a, std::string_view b)
{
    return inFileOrder(a, b);
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
