#pragma once
// An append-only list of headwords (Windows-1252 bytes) kept in one buffer, so that
// a walk over all headwords reads memory front to back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

class WordList {
public:
    WordList() { m_ends.reserve(1); }

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t index) const
    {
        const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
    }

    void append(std::string_view word)
    {
        m_bytes.append(word);
        m_ends.push_back(std::uint32_t(m_bytes.size()));
    }
    void clear()
    {
        m_bytes.clear();
        m_ends.clear();
    }
    void shrinkToFit()
    {
        m_bytes.shrink_to_fit();
        m_ends.shrink_to_fit();
    }

    // The raw storage, for walks that want no per-word indirection.
    const std::string& bytes() const { return m_bytes; }
    const std::vector<std::uint32_t>& ends() const { return m_ends; }
    std::size_t heapBytes() const { return m_bytes.capacity() + m_ends.capacity() * 4; }

private:
    std::string m_bytes;
    std::vector<std::uint32_t> m_ends; // end offset of each word in m_bytes
};

} // namespace wb
