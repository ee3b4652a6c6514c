#include "dictionary/NearWords.h"

#include "dictionary/ForgivingMatch.h"

#include <algorithm>
#include <string>

namespace wb {
namespace {

// Into a buffer the caller reuses: the walk folds thousands of headwords.
void foldCaseInto(std::string_view text, std::string& folded)
{
    folded.assign(text);
    for (char& c : folded)
        c = char(foldCase(static_cast<unsigned char>(c)));
}

} // namespace

std::size_t boundedEditDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > limit)
        return limit + 1;
    // Two rows of the usual table; a row whose smallest cell already exceeds the limit
    // cannot lead to a smaller distance further down.
    std::vector<std::size_t> previous(a.size() + 1), current(a.size() + 1);
    for (std::size_t j = 0; j <= a.size(); ++j)
        previous[j] = j;
    for (std::size_t i = 1; i <= b.size(); ++i) {
        current[0] = i;
        std::size_t smallest = current[0];
        for (std::size_t j = 1; j <= a.size(); ++j) {
            const std::size_t substitution = previous[j - 1] + (a[j - 1] == b[i - 1] ? 0 : 1);
            current[j] = std::min({substitution, previous[j] + 1, current[j - 1] + 1});
            smallest = std::min(smallest, current[j]);
        }
        if (smallest > limit)
            return limit + 1;
        std::swap(previous, current);
    }
    return std::min(previous[a.size()], limit + 1);
}

std::vector<std::uint32_t> nearHeadwords(const WordList& words, std::string_view text,
                                         std::size_t maxEdits, std::size_t count)
{
    struct Candidate {
        std::size_t distance;
        std::uint32_t index;
    };
    std::vector<Candidate> candidates;
    if (text.empty() || count == 0)
        return {};
    std::string key, folded;
    foldCaseInto(text, key);
    for (std::uint32_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const std::size_t gap =
            word.size() > key.size() ? word.size() - key.size() : key.size() - word.size();
        if (gap > maxEdits)
            continue;
        foldCaseInto(word, folded);
        const std::size_t distance = boundedEditDistance(key, folded, maxEdits);
        if (distance <= maxEdits)
            candidates.push_back({distance, i});
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    std::vector<std::uint32_t> chosen;
    for (const Candidate& candidate : candidates) {
        if (chosen.size() == count)
            break;
        const bool spelledAlike = std::any_of(chosen.begin(), chosen.end(), [&](std::uint32_t i) {
            return words[i] == words[candidate.index];
        });
        if (!spelledAlike)
            chosen.push_back(candidate.index);
    }
    return chosen;
}

} // namespace wb
