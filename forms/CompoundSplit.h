#pragma once
// Splits a German compound into known words: Donau|dampf|schiff|kapitän. It knows no
// word list; the caller says which pieces are words and how common each is. A split
// has the fewest parts, then the fewest linking elements, then the commonest rarest
// part, then the longest shortest part, so that a short word ("Eis", "Rat") is taken
// only when nothing longer covers the same letters as commonly.
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

// How common the part is (0 up), or -1 when it is no word. It sees the lower-cased
// letters of a part.
using PartWeight = std::function<int(std::string_view)>;

// The best split of `lowerText` into at least two words, or nothing.
std::vector<CompoundPart> splitCompound(std::string_view lowerText, const PartWeight& weigh);

} // namespace wb
