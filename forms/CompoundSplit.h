#pragma once
// Splits a German compound into known words: Donau|dampf|schiff|kapitän. It knows no
// word list; the caller says which pieces are words. A split has the fewest parts,
// then the fewest linking elements, then the longest shortest part, so that a short
// word ("Eis", "Rat") is taken only when nothing longer covers the same letters.
#include <functional>
#include <string_view>
#include <vector>

namespace wb {

// The letters a linking element may put between two parts ("Zielgruppenanalyse").
constexpr std::string_view kLinkingElements[] = {"es", "en", "er", "s", "n", "e"};
constexpr std::size_t kShortestPart = 3;
// Longer texts are no compound anyone types; the split is quadratic in the length.
constexpr std::size_t kLongestCompound = 64;

struct CompoundPart {
    std::size_t begin = 0;
    std::size_t length = 0; // without the linking element after it
};

// The best split of `lowerText` into at least two parts each accepted by `isWord`, or
// nothing. `isWord` sees the lower-cased letters of a part.
std::vector<CompoundPart> splitCompound(std::string_view lowerText,
                                        const std::function<bool(std::string_view)>& isWord);

} // namespace wb
