#include "DictionaryStore.h"
#include "ExecutablePath.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace wb {
namespace {

using test::CollectingReporter;
using test::TempDir;
using test::writeFile;

const std::string kGermanMissing = "Fehler: konnte Datei deueng.dat nicht öffnen!";
const std::string kEnglishMissing = "Fehler: konnte Datei engdeu.dat nicht öffnen!";

TEST(OpenDistNow, BothFilesMissingGivesTwoMessagesInOrderAndAnEmptyStore)
{
    TempDir dir;
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter);
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{kGermanMissing, kEnglishMissing}));
    EXPECT_TRUE(store.germanWords().empty());
    EXPECT_TRUE(store.englishWords().empty());
}

TEST(OpenDistNow, EachFileIsReportedOnItsOwn)
{
    const auto dictionary = test::generateDictionary(20, 30, 1);
    {
        TempDir dir;
        writeFile(dir.path() / "deueng.dat", dictionary.deueng);
        CollectingReporter reporter;
        DictionaryStore store;
        store.OpenDistNow(dir.path(), reporter);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{kEnglishMissing});
        EXPECT_EQ(store.germanWords().size(), 30u);
    }
    {
        TempDir dir;
        writeFile(dir.path() / "engdeu.dat", dictionary.engdeu);
        CollectingReporter reporter;
        DictionaryStore store;
        store.OpenDistNow(dir.path(), reporter);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{kGermanMissing});
        EXPECT_EQ(store.englishWords().size(), 20u);
    }
}

TEST(OpenDistNow, ListsHoldTheFilesInFileOrder)
{
    const auto dictionary = test::generateDictionary(300, 400, 2);
    TempDir dir;
    dictionary.writeTo(dir.path());
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter);
    EXPECT_TRUE(reporter.messages.empty());

    ASSERT_EQ(store.englishWords().size(), dictionary.english.size());
    for (std::size_t i = 0; i < dictionary.english.size(); ++i) {
        const auto& entry = dictionary.english[i];
        EXPECT_EQ(store.englishWords()[i], entry.headword);
        for (std::size_t k = 0; k < 3; ++k) {
            const auto expected =
                k < entry.references.size() ? entry.references[k] : kNoTranslation;
            EXPECT_EQ(store.translationSlot(int(k))[i], expected);
        }
    }
    ASSERT_EQ(store.germanWords().size(), dictionary.german.size());
    ASSERT_EQ(store.reverseIndex().size(), dictionary.german.size());
    for (std::size_t i = 0; i < dictionary.german.size(); ++i) {
        EXPECT_EQ(store.germanWords()[i], dictionary.german[i].headword);
        EXPECT_EQ(store.reverseIndex()[i], dictionary.german[i].reference);
    }
}

TEST(OpenDistNow, ZeroLengthFilesOpenWithoutMessage)
{
    TempDir dir;
    writeFile(dir.path() / "deueng.dat", std::string_view());
    writeFile(dir.path() / "engdeu.dat", std::string_view());
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_TRUE(store.englishWords().empty());
}

TEST(OpenDistNow, NamesMatchIgnoringCaseWhenTheExactNameIsAbsent)
{
    const auto dictionary = test::generateDictionary(5, 6, 3);
    TempDir dir;
    writeFile(dir.path() / "DEUENG.DAT", dictionary.deueng);
    writeFile(dir.path() / "EngDeu.dat", dictionary.engdeu);
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(store.germanWords().size(), 6u);
    EXPECT_EQ(store.englishWords().size(), 5u);
}

TEST(OpenDistNow, ADirectoryOrFifoInPlaceOfAFileCannotBeOpened)
{
    const auto dictionary = test::generateDictionary(5, 6, 4);
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "deueng.dat");
    ASSERT_EQ(::mkfifo((dir.path() / "engdeu.dat").c_str(), 0600), 0);
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter); // must not block on the FIFO
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{kGermanMissing, kEnglishMissing}));
}

TEST(OpenDistNow, ATruncatedFileKeepsItsCompleteRecordsAndSparesTheOther)
{
    const auto dictionary = test::generateDictionary(50, 60, 5);
    TempDir dir;
    std::vector<std::uint8_t> cut(dictionary.deueng.begin(), dictionary.deueng.end() - 1);
    writeFile(dir.path() / "deueng.dat", cut);
    writeFile(dir.path() / "engdeu.dat", dictionary.engdeu);
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(store.germanWords().size(), 59u);
    EXPECT_EQ(store.englishWords().size(), 50u);
}

TEST(OpenDistNow, RecordsBeyondTheAddressableCountAreNotKept)
{
    // Records past index 65534 cannot be referred to; like any defect, the first
    // one ends what is kept.
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < kMaxRecords + 10; ++i)
        bytes.insert(bytes.end(), {0x10, 'a', 0x00, 0x00});
    DictionaryStore store;
    store.loadGerman(bytes);
    EXPECT_EQ(store.germanWords().size(), kMaxRecords);
}

TEST(ExecutableDirectory, DoesNotDependOnTheCurrentDirectory)
{
    const auto before = executableDirectory();
    const auto cwd = std::filesystem::current_path();
    TempDir elsewhere;
    std::filesystem::current_path(elsewhere.path());
    const auto after = executableDirectory();
    std::filesystem::current_path(cwd);
    EXPECT_EQ(before, after);
    EXPECT_TRUE(std::filesystem::exists(after / "dictionary_tests"));
}

} // namespace
} // namespace wb
