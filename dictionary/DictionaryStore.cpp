#include "dictionary/DictionaryStore.h"

#include "dictionary/DataFile.h"
#include "messages/UserMessages.h"
#include "system/ErrorReporter.h"

namespace wb {
namespace {

template <typename Append>
void decodeAll(DictionaryFile file, std::span<const std::uint8_t> bytes, Append append)
{
    RecordDecoder decoder(file, bytes);
    DecodedRecord record;
    for (std::size_t count = 0; count < kMaxRecords && !decoder.atEnd(); ++count) {
        if (!decoder.next(record))
            break;
        append(record);
    }
}

} // namespace

void DictionaryStore::loadGerman(std::span<const std::uint8_t> bytes)
{
    decodeAll(DictionaryFile::German, bytes, [this](const DecodedRecord& record) {
        m_germanWords.append(record.headword);
        m_reverseIndex.push_back(record.references[0]);
    });
    m_germanWords.shrinkToFit();
    m_reverseIndex.shrink_to_fit();
}

void DictionaryStore::loadEnglish(std::span<const std::uint8_t> bytes)
{
    decodeAll(DictionaryFile::English, bytes, [this](const DecodedRecord& record) {
        m_englishWords.append(record.headword);
        for (std::size_t k = 0; k < 3; ++k)
            m_translationSlots[k].push_back(record.references[k]);
    });
    m_englishWords.shrinkToFit();
    for (auto& slot : m_translationSlots)
        slot.shrink_to_fit();
}

void DictionaryStore::OpenDistNow(const std::filesystem::path& directory, ErrorReporter& reporter)
{
    // Each file's message depends only on its own open: a bad deueng.dat never keeps
    // engdeu.dat from loading.
    for (const DictionaryFile file : {DictionaryFile::German, DictionaryFile::English}) {
        const auto bytes = readDictionaryFile(directory, file, readLimit(file));
        if (!bytes)
            reporter.reportError(messages::fileNotOpened(fileName(file)));
        else if (file == DictionaryFile::German)
            loadGerman(*bytes);
        else
            loadEnglish(*bytes);
    }
}

void DictionaryStore::clear()
{
    m_germanWords.clear();
    m_reverseIndex.clear();
    m_englishWords.clear();
    for (auto& slot : m_translationSlots)
        slot.clear();
}

std::size_t DictionaryStore::heapBytes() const
{
    std::size_t total =
        m_germanWords.heapBytes() + m_englishWords.heapBytes() + m_reverseIndex.capacity() * 2;
    for (const auto& slot : m_translationSlots)
        total += slot.capacity() * 2;
    return total;
}

} // namespace wb
