#include "forms/CompoundSplit.h"

#include <limits>
#include <tuple>

namespace wb {
namespace {

struct Best {
    int parts = std::numeric_limits<int>::max();
    int links = 0;
    int rarest = 0; // the weight of the least common part
    int shortest = 0;
    std::size_t from = 0;   // where the last part begins
    std::size_t length = 0; // the last part's letters

    auto rank() const { return std::make_tuple(parts, links, -rarest, -shortest); }
    bool reached() const { return parts != std::numeric_limits<int>::max(); }
};

} // namespace

std::vector<CompoundPart> splitCompound(std::string_view text, const PartWeight& weigh)
{
    const std::size_t n = text.size();
    if (n < 2 * kShortestPart || n > kLongestCompound)
        return {};
    // best[i]: the best way to cover the first i letters with whole parts, each
    // followed by its linking element.
    std::vector<Best> best(n + 1);
    best[0].parts = 0;
    best[0].rarest = std::numeric_limits<int>::max();
    best[0].shortest = int(n);
    for (std::size_t begin = 0; begin < n; ++begin) {
        if (!best[begin].reached())
            continue;
        // The whole text is no split of itself.
        const std::size_t last = begin == 0 ? n - 1 : n;
        for (std::size_t end = begin + kShortestPart; end <= last; ++end) {
            const int weight = weigh(text.substr(begin, end - begin));
            if (weight < 0)
                continue;
            const auto reach = [&](std::size_t to, int link) {
                Best next{best[begin].parts + 1,
                          best[begin].links + link,
                          std::min(best[begin].rarest, weight),
                          std::min(best[begin].shortest, int(end - begin)),
                          begin,
                          end - begin};
                if (next.rank() < best[to].rank())
                    best[to] = next;
            };
            reach(end, 0);
            for (const std::string_view link : kLinkingElements)
                if (end + link.size() < n && text.substr(end, link.size()) == link)
                    reach(end + link.size(), 1);
        }
    }
    if (!best[n].reached())
        return {};
    std::vector<CompoundPart> parts;
    for (std::size_t at = n; at > 0; at = best[at].from)
        parts.insert(parts.begin(), {best[at].from, best[at].length});
    return parts;
}

} // namespace wb
