#pragma once
// A hash for string-keyed maps that can be searched with a string_view, so that a
// lookup does not build a std::string first.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace wb::vocab {

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const
    {
        return std::hash<std::string_view>{}(text);
    }
};

template <typename Value>
using StringMap = std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;

} // namespace wb::vocab
