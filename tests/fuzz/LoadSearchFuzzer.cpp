// Loads an arbitrary pair of files through the program's own loader and searches both
// directions with keys from the input. Input (see FuzzSupport.h): presence byte, then
// deueng.dat |#| engdeu.dat |#| key |#| key ...
//
// Properties:
//   - each file's open-error message appears exactly when that file is missing;
//   - the store holds exactly what the reference decoder reads, so no headword is
//     longer than a record can encode;
//   - a search emits exactly the rows of a brute-force scan, in order, and when a
//     translation index is out of range it fails on the same row with the same index;
//   - searching with the UTF-16 form of a key gives the same rows, and every headword
//     survives the round trip through UTF-8 that the command-line tool makes.
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"
#include "dictionary/Windows1252.h"
#include "system/ErrorReporter.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ReferenceDecoder.h"

#include <optional>

namespace {

using namespace wb;
using namespace wb::fuzz;

constexpr std::size_t kMaxKeys = 8;

class CollectingReporter : public ErrorReporter {
public:
    void reportError(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};

struct Row {
    std::string headword;
    std::optional<std::string> translation;
    bool operator==(const Row&) const = default;
};

struct Outcome {
    std::vector<Row> rows;
    std::optional<long> failedIndex; // the out-of-range index the search stopped at
    bool operator==(const Outcome&) const = default;
};

class RecordingRows : public RowSink {
public:
    void addRow(std::string_view headword) override { rows.push_back({std::string(headword), {}}); }
    void setTranslation(std::string_view translation) override
    {
        WB_FUZZ_CHECK(!rows.empty() && !rows.back().translation, "translation without a row");
        rows.back().translation = std::string(translation);
    }
    std::vector<Row> rows;
};

class RecordingProgress : public ProgressSink {
public:
    void setProgress(int percent) override { reports.push_back(percent); }
    std::vector<int> reports;
};

std::string folded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

std::string describe(const Outcome& outcome)
{
    std::string text;
    for (const auto& row : outcome.rows)
        text += "  " + printable(row.headword) + " -> " +
                (row.translation ? printable(*row.translation) : std::string("(none)")) + "\n";
    if (outcome.failedIndex)
        text += "  failed at index " + std::to_string(*outcome.failedIndex) + "\n";
    return text;
}

// The rows a scan of the reference decoding gives.
Outcome bruteForce(const ReferenceFile& german, const ReferenceFile& english, Direction direction,
                   std::string_view text)
{
    const std::string key = folded(text);
    const bool toGerman = direction == Direction::EnglishToGerman;
    const ReferenceFile& words = toGerman ? english : german;
    const ReferenceFile& other = toGerman ? german : english;
    Outcome outcome;
    for (const auto& record : words.records) {
        if (key.empty() || !folded(record.headword).starts_with(key))
            continue;
        outcome.rows.push_back({record.headword, {}});
        std::string translation;
        for (int k = 0; k < (toGerman ? 3 : 1); ++k) {
            const auto index = record.slots[std::size_t(k)];
            if (k > 0 && index == kNoTranslation)
                continue;
            if (index >= other.records.size()) {
                outcome.failedIndex = index;
                return outcome;
            }
            translation += (k > 0 ? "; " : "") + other.records[index].headword;
        }
        outcome.rows.back().translation = translation;
    }
    return outcome;
}

template <typename Run> Outcome searchOutcome(Run run, RecordingProgress& progress)
{
    RecordingRows rows;
    Outcome outcome;
    try {
        run(rows, progress);
    } catch (const ListIndexError& error) {
        outcome.failedIndex = error.index();
    }
    outcome.rows = std::move(rows.rows);
    return outcome;
}

void checkProgress(const std::vector<int>& reports, std::size_t entries, const Outcome& outcome)
{
    for (std::size_t i = 0; i < reports.size(); ++i)
        WB_FUZZ_CHECK(reports[i] >= 0 && reports[i] <= 100, "percentage out of range");
    if (outcome.failedIndex)
        return;
    WB_FUZZ_CHECK(reports.size() == entries + 1, "one report per entry and a final one");
    for (std::size_t i = 1; i < entries; ++i)
        WB_FUZZ_CHECK(reports[i - 1] <= reports[i], "the percentage never goes back");
    WB_FUZZ_CHECK(entries == 0 || reports[entries - 1] == 100, "the last entry reports 100");
    WB_FUZZ_CHECK(reports.back() == 0, "the walk ends by reporting 0");
}

void checkSearch(const DictionaryStore& store, const ReferenceFile& german,
                 const ReferenceFile& english, Direction direction, const std::string& key)
{
    RecordingProgress progress;
    const Outcome found = searchOutcome(
        [&](RowSink& rows, ProgressSink& sink) {
            searchWindows1252(store, direction, key, rows, sink);
        },
        progress);
    const std::string upper = folded(key);
    for (const auto& row : found.rows)
        WB_FUZZ_CHECK(!upper.empty() && folded(row.headword).starts_with(upper),
                      "row " + printable(row.headword) + " for key " + printable(key));
    const Outcome expected = bruteForce(german, english, direction, key);
    WB_FUZZ_CHECK(found == expected, "key " + printable(key) + "\nsearch:\n" + describe(found) +
                                         "brute force:\n" + describe(expected));
    const auto& words =
        direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
    checkProgress(progress.reports, words.size(), found);

    RecordingProgress ignored;
    const Outcome viaUtf16 = searchOutcome(
        [&](RowSink& rows, ProgressSink& sink) {
            Search(store, direction, windows1252ToUtf16(key), rows, sink);
        },
        ignored);
    WB_FUZZ_CHECK(viaUtf16 == found, "UTF-16 key " + printable(key));
}

void checkStore(const DictionaryStore& store, const ReferenceFile& german,
                const ReferenceFile& english)
{
    WB_FUZZ_CHECK(store.germanWords().size() == german.records.size() &&
                      store.reverseIndex().size() == german.records.size(),
                  "German records: " + std::to_string(store.germanWords().size()) + " kept, " +
                      std::to_string(german.records.size()) + " expected");
    for (std::size_t i = 0; i < german.records.size(); ++i) {
        const auto word = store.germanWords()[i];
        WB_FUZZ_CHECK(word.size() <= longestHeadword(DictionaryFile::German), printable(word));
        WB_FUZZ_CHECK(word == german.records[i].headword, "German record " + std::to_string(i));
        WB_FUZZ_CHECK(store.reverseIndex()[i] == german.records[i].slots[0], "reverse index");
    }
    WB_FUZZ_CHECK(store.englishWords().size() == english.records.size(),
                  "English records: " + std::to_string(store.englishWords().size()) + " kept, " +
                      std::to_string(english.records.size()) + " expected");
    for (std::size_t i = 0; i < english.records.size(); ++i) {
        const auto word = store.englishWords()[i];
        WB_FUZZ_CHECK(word.size() <= longestHeadword(DictionaryFile::English), printable(word));
        WB_FUZZ_CHECK(word == english.records[i].headword, "English record " + std::to_string(i));
        for (int k = 0; k < 3; ++k)
            WB_FUZZ_CHECK(store.translationSlot(k)[i] == english.records[i].slots[std::size_t(k)],
                          "English record " + std::to_string(i) + " slot " + std::to_string(k));
        std::string back;
        WB_FUZZ_CHECK(utf8ToWindows1252Exact(windows1252ToUtf8(word), back) && back == word,
                      "UTF-8 round trip of " + printable(word));
    }
}

// The keys from the input, and short prefixes of a few headwords with the case of a-z
// flipped, so that most runs also search for something that is there.
std::vector<std::string> keysFor(const FuzzInput& input, const ReferenceFile& german,
                                 const ReferenceFile& english)
{
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < input.rest.size() && keys.size() < kMaxKeys; ++i)
        keys.emplace_back(input.rest[i]);
    for (const auto* file : {&german, &english}) {
        for (std::size_t i = 0; i < file->records.size() && i < 3; ++i) {
            std::string key = file->records[i].headword.substr(0, 1 + i);
            for (char& c : key)
                if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z')
                    c = char(c ^ 0x20);
            keys.push_back(std::move(key));
        }
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput input({data, size});
    const auto& germanBytes = input.german;
    const auto& englishBytes = input.english;
    const auto& directory = scratchDirectory();
    placeFile(directory, fileName(DictionaryFile::German), germanBytes);
    placeFile(directory, fileName(DictionaryFile::English), englishBytes);

    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(directory, reporter);
    std::vector<std::string> expectedMessages;
    if (!germanBytes)
        expectedMessages.emplace_back("Fehler: konnte Datei deueng.dat nicht öffnen!");
    if (!englishBytes)
        expectedMessages.emplace_back("Fehler: konnte Datei engdeu.dat nicht öffnen!");
    WB_FUZZ_CHECK(reporter.messages == expectedMessages, "open-error messages");

    const Bytes none;
    const auto german = referenceDecode(DictionaryFile::German, germanBytes.value_or(none));
    const auto english = referenceDecode(DictionaryFile::English, englishBytes.value_or(none));
    checkStore(store, german, english);

    for (const auto& key : keysFor(input, german, english)) {
        checkSearch(store, german, english, Direction::EnglishToGerman, key);
        checkSearch(store, german, english, Direction::GermanToEnglish, key);
    }
    return 0;
}
