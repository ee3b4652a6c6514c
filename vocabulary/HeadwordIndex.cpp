#include "vocabulary/HeadwordIndex.h"

namespace wb::vocab {

HeadwordIndex::HeadwordIndex()
    : m_context(std::make_unique<Context>())
    // A first block of a few pages grows by half each time, as the headwords come.
    , m_arena(std::make_unique<std::pmr::monotonic_buffer_resource>(16 * 1024))
    , m_set(std::make_unique<Set>(0, Hash{m_context.get()}, Equal{m_context.get()}, m_arena.get()))
{
}

HeadwordIndex& HeadwordIndex::operator=(HeadwordIndex&& other) noexcept
{
    release(); // the set before the arena it lives in
    m_context = std::move(other.m_context);
    m_arena = std::move(other.m_arena);
    m_set = std::move(other.m_set);
    return *this;
}

std::optional<std::uint32_t> HeadwordIndex::find(const std::vector<Headword>& words,
                                                 std::string_view text) const
{
    m_context->words = &words;
    const auto found = m_set->find(text);
    if (found == m_set->end())
        return std::nullopt;
    return *found;
}

void HeadwordIndex::add(const std::vector<Headword>& words, std::uint32_t id)
{
    m_context->words = &words;
    m_set->insert(id);
}

void HeadwordIndex::release()
{
    m_set.reset();
    m_arena.reset();
}

} // namespace wb::vocab
