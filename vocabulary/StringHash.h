#pragma once
// A hash for string-keyed maps that can be searched with a string_view, so that a
// lookup does not build a std::string first.
#include <functional>
#include <memory>
#include <memory_resource>
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

// A string map whose nodes and keys live in an arena of their own. Such maps hold
// hundreds of thousands of small blocks; built among blocks that stay (headwords), they
// would leave the heap too holed to shrink once they go. The arena's large blocks go
// back to the system whole. Use it through ->; release() drops it early.
template <typename Value> class ArenaStringMap {
public:
    using Map = std::pmr::unordered_map<std::pmr::string, Value, StringHash, std::equal_to<>>;

    ArenaStringMap()
        : m_arena(std::make_unique<std::pmr::monotonic_buffer_resource>(kFirstBlockBytes))
        , m_map(std::make_unique<Map>(m_arena.get()))
    {
    }
    ArenaStringMap(ArenaStringMap&&) noexcept = default;
    ArenaStringMap& operator=(ArenaStringMap&& other) noexcept
    {
        release(); // the map before the arena it lives in
        m_arena = std::move(other.m_arena);
        m_map = std::move(other.m_map);
        return *this;
    }
    ~ArenaStringMap() { release(); }

    Map* operator->() { return m_map.get(); }
    const Map* operator->() const { return m_map.get(); }

    void release()
    {
        m_map.reset();
        m_arena.reset();
    }

private:
    // Each further block is half as large again, so a list of a few lines takes a few
    // pages and Debian's list reaches blocks of megabytes after a dozen or so.
    static constexpr std::size_t kFirstBlockBytes = 16 * 1024;
    std::unique_ptr<std::pmr::monotonic_buffer_resource> m_arena;
    std::unique_ptr<Map> m_map;
};

} // namespace wb::vocab
