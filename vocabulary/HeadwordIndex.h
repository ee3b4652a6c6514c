#pragma once
// Finds a headword's id by its text while a word list is read. It holds only the ids
// and hashes and compares the texts they name, so no text is stored twice, and its
// nodes live in an arena of their own that goes back to the system whole when the
// index is released (built among blocks that stay, they would leave the heap holed).
#include "vocabulary/Commonness.h"

#include <cstdint>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace wb::vocab {

class HeadwordIndex {
public:
    HeadwordIndex();
    HeadwordIndex(HeadwordIndex&&) noexcept = default;
    HeadwordIndex& operator=(HeadwordIndex&& other) noexcept;
    ~HeadwordIndex() { release(); }

    // `words` is the list the ids index, the same on every call.
    std::optional<std::uint32_t> find(const std::vector<Headword>& words,
                                      std::string_view text) const;
    // Adds words[id], which must not be in the index yet.
    void add(const std::vector<Headword>& words, std::uint32_t id);
    void release();

private:
    // The list the ids index; handed over on each call, since it moves as it grows.
    struct Context {
        const std::vector<Headword>* words = nullptr;
        std::string_view text(std::uint32_t id) const { return (*words)[id].text; }
    };
    struct Hash {
        using is_transparent = void;
        const Context* context;
        std::size_t operator()(std::string_view text) const
        {
            return std::hash<std::string_view>{}(text);
        }
        std::size_t operator()(std::uint32_t id) const { return (*this)(context->text(id)); }
    };
    struct Equal {
        using is_transparent = void;
        const Context* context;
        std::string_view text(std::uint32_t id) const { return context->text(id); }
        std::string_view text(std::string_view text) const { return text; }
        template <typename A, typename B> bool operator()(const A& a, const B& b) const
        {
            return text(a) == text(b);
        }
    };
    using Set = std::pmr::unordered_set<std::uint32_t, Hash, Equal>;

    std::unique_ptr<Context> m_context;
    std::unique_ptr<std::pmr::monotonic_buffer_resource> m_arena;
    std::unique_ptr<Set> m_set;
};

} // namespace wb::vocab
