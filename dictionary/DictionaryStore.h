#pragma once
// The whole vocabulary in memory: the German and English word lists, the reverse
// index (German -> English) and the three translation slots (English -> German),
// all in file order. Filled once by OpenDistNow and read-only afterwards; it never
// writes anything back.
#include "dictionary/RecordDecoder.h"
#include "dictionary/WordList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace wb {

class ErrorReporter;

class DictionaryStore {
public:
    // Loads deueng.dat and then engdeu.dat from `directory` into the (empty) store.
    // A file that cannot be opened is reported, in that order, and loading goes on.
    void OpenDistNow(const std::filesystem::path& directory, ErrorReporter& reporter);

    // Decode one file's bytes into its lists. The complete records before a
    // truncated one are kept; at most kMaxRecords records are kept.
    void loadGerman(std::span<const std::uint8_t> bytes);
    void loadEnglish(std::span<const std::uint8_t> bytes);
    void clear();

    const WordList& germanWords() const { return m_germanWords; }
    const std::vector<std::uint16_t>& reverseIndex() const { return m_reverseIndex; }
    const WordList& englishWords() const { return m_englishWords; }
    // Slot k (0, 1, 2) of every English entry.
    const std::vector<std::uint16_t>& translationSlot(int k) const
    {
        return m_translationSlots[std::size_t(k)];
    }

    std::size_t heapBytes() const;

private:
    WordList m_germanWords;
    std::vector<std::uint16_t> m_reverseIndex;
    WordList m_englishWords;
    std::array<std::vector<std::uint16_t>, 3> m_translationSlots;
};

} // namespace wb
