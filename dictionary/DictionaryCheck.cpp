#include "dictionary/DictionaryCheck.h"

#include "dictionary/Windows1252.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace wb {
namespace {

// One file's scan; its problems go straight into the report's list.
struct Scan {
    std::size_t records = 0;
    std::size_t referencesIntoMissing = 0;
    std::vector<CheckProblem>& problems;
};

// A problem's text from its pieces in one allocation: a file may hold 65,535 records
// with a problem each, and each joint of a chain of + would allocate again.
std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::size_t size = 0;
    for (const std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (const std::string_view piece : pieces)
        text += piece;
    return text;
}

std::string hexByte(unsigned char byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'0', 'x', kDigits[byte >> 4], kDigits[byte & 15]};
}

void checkHeadword(const DecodedRecord& record, std::size_t number, DictionaryFile file,
                   std::vector<CheckProblem>& problems)
{
    for (std::size_t i = 0; i < record.headword.size(); ++i) {
        const auto byte = static_cast<unsigned char>(record.headword[i]);
        if (byte < 0x20 || byte == 0x7F) {
            problems.push_back({file, number, record.offset,
                                joined({"the headword holds the control byte ", hexByte(byte),
                                        " at position ", std::to_string(i)})});
            return;
        }
        if (isUndefinedInWindows1252(byte)) {
            problems.push_back(
                {file, number, record.offset,
                 joined({"the headword holds the byte ", hexByte(byte), " at position ",
                         std::to_string(i), ", which Windows-1252 leaves undefined"})});
            return;
        }
    }
}

std::size_t countRecords(DictionaryFile file, std::span<const std::uint8_t> bytes)
{
    RecordDecoder decoder(file, bytes);
    DecodedRecord record;
    std::size_t count = 0;
    while (count < kMaxRecords && !decoder.atEnd() && decoder.next(record))
        ++count;
    return count;
}

// `otherCount` is nullopt when the other file cannot be opened.
void checkReferences(const DecodedRecord& record, std::size_t number, DictionaryFile file,
                     std::optional<std::size_t> otherCount, Scan& scan)
{
    auto& problems = scan.problems;
    const bool english = file == DictionaryFile::English;
    const int slots = english ? std::min(record.count, 3) : 1;
    for (int k = 0; k < slots; ++k) {
        const auto index = record.references[std::size_t(k)];
        if (index == kNoTranslation) {
            // Allowed by the layout, but the first reference is always read: a search
            // that finds this headword would fail.
            if (k == 0)
                problems.push_back(
                    {file, number, record.offset, "the first reference is 65535 (no translation)"});
        } else if (!otherCount) {
            ++scan.referencesIntoMissing;
        } else if (index >= *otherCount) {
            problems.push_back(
                {file, number, record.offset,
                 joined({"reference ", std::to_string(index), " is not below the ",
                         fileName(english ? DictionaryFile::German : DictionaryFile::English),
                         " record count ", std::to_string(*otherCount)})});
        }
    }
}

Scan scanFile(DictionaryFile file, std::span<const std::uint8_t> bytes,
              std::optional<std::size_t> otherCount, std::vector<CheckProblem>& problems)
{
    Scan scan{0, 0, problems};
    RecordDecoder decoder(file, bytes);
    DecodedRecord record;
    while (!decoder.atEnd()) {
        const std::size_t number = scan.records;
        if (number == kMaxRecords) {
            scan.problems.push_back({file, number, decoder.offset(),
                                     "more than 65535 records: indices cannot address the "
                                     "rest, which is not checked"});
            break;
        }
        if (!decoder.next(record)) {
            scan.problems.push_back(
                {file, number, decoder.offset(),
                 joined({"the file ends inside the record (",
                         std::to_string(bytes.size() - decoder.offset()), " bytes left)"})});
            break;
        }
        if (record.prefixClamped())
            scan.problems.push_back({file, number, record.offset,
                                     joined({"keeps ", std::to_string(record.prefix),
                                             " bytes of a previous headword of ",
                                             std::to_string(record.previousLength)})});
        if (file == DictionaryFile::English && (record.count < 1 || record.count > 3))
            scan.problems.push_back(
                {file, number, record.offset,
                 joined({"has ", std::to_string(record.count), " references (1 to 3 allowed)"})});
        checkHeadword(record, number, file, scan.problems);
        checkReferences(record, number, file, otherCount, scan);
        ++scan.records;
    }
    return scan;
}

} // namespace

CheckReport checkDictionaryFiles(const std::optional<std::vector<std::uint8_t>>& german,
                                 const std::optional<std::vector<std::uint8_t>>& english)
{
    // References are checked against what the reader would keep of the other file.
    const auto kept = [](DictionaryFile file, const auto& bytes) -> std::optional<std::size_t> {
        if (!bytes)
            return std::nullopt;
        return countRecords(file, *bytes);
    };
    const auto germanKept = kept(DictionaryFile::German, german);
    const auto englishKept = kept(DictionaryFile::English, english);

    CheckReport report;
    auto run = [&](DictionaryFile file, const auto& bytes, std::optional<std::size_t> otherCount,
                   FileCheck& out) {
        if (!bytes)
            return;
        const auto scan = scanFile(file, *bytes, otherCount, report.problems);
        out = {true, bytes->size(), scan.records, scan.referencesIntoMissing};
    };
    run(DictionaryFile::German, german, englishKept, report.german);
    run(DictionaryFile::English, english, germanKept, report.english);
    return report;
}

} // namespace wb
