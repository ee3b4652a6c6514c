#include "dictionary/DictionaryStore.h"
#include "system/ExecutablePath.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <sys/stat.h>

namespace wb {
namespace {

using test::CollectingReporter;
using test::TempDir;
using test::writeFile;

const std::string kGermanMissing = "Fehler: konnte Datei deueng.dat nicht öffnen!";
const std::string kEnglishMissing = "Fehler: konnte Datei engdeu.dat nicht öffnen!";

// What lies in the data directory, and what loading it must give: the messages in
// order and the number of headwords kept of each file. Every case starts from the
// same generated pair of 20 English and 30 German entries.
struct DirectoryCase {
    const char* name;
    void (*arrange)(const std::filesystem::path& dir, const test::GeneratedDictionary& pair);
    std::vector<std::string> messages;
    std::size_t germanWords = 0;
    std::size_t englishWords = 0;
};

const DirectoryCase kDirectoryCases[] = {
    {"BothFilesMissingGiveTwoMessagesInOrder",
     [](const auto&, const auto&) {},
     {kGermanMissing, kEnglishMissing}},
    {"OnlyTheGermanFile",
     [](const auto& dir, const auto& pair) { writeFile(dir / "deueng.dat", pair.deueng); },
     {kEnglishMissing},
     30,
     0},
    {"OnlyTheEnglishFile",
     [](const auto& dir, const auto& pair) { writeFile(dir / "engdeu.dat", pair.engdeu); },
     {kGermanMissing},
     0,
     20},
    {"ZeroLengthFilesOpenWithoutMessage",
     [](const auto& dir, const auto&) {
         writeFile(dir / "deueng.dat", std::string_view());
         writeFile(dir / "engdeu.dat", std::string_view());
     },
     {},
     0,
     0},
    {"NamesMatchIgnoringCaseWhenTheExactNameIsAbsent",
     [](const auto& dir, const auto& pair) {
         writeFile(dir / "DEUENG.DAT", pair.deueng);
         writeFile(dir / "EngDeu.dat", pair.engdeu);
     },
     {},
     30,
     20},
    {"ADirectoryOrFifoInPlaceOfAFileCannotBeOpened", // and must not block on the FIFO
     [](const auto& dir, const auto&) {
         std::filesystem::create_directory(dir / "deueng.dat");
         if (::mkfifo((dir / "engdeu.dat").c_str(), 0600) != 0)
             throw std::runtime_error("mkfifo failed");
     },
     {kGermanMissing, kEnglishMissing}},
    {"ATruncatedFileKeepsItsCompleteRecordsAndSparesTheOther",
     [](const auto& dir, const auto& pair) {
         writeFile(dir / "deueng.dat",
                   std::vector<std::uint8_t>(pair.deueng.begin(), pair.deueng.end() - 1));
         writeFile(dir / "engdeu.dat", pair.engdeu);
     },
     {},
     29,
     20},
};

class OpenDistNowDirectory : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(OpenDistNowDirectory, ReportsWhatCannotBeOpenedAndKeepsWhatCan)
{
    const DirectoryCase& c = GetParam();
    const auto pair = test::generateDictionary(20, 30, 1);
    TempDir dir;
    c.arrange(dir.path(), pair);
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(dir.path(), reporter);
    EXPECT_EQ(reporter.messages, c.messages);
    EXPECT_EQ(store.germanWords().size(), c.germanWords);
    EXPECT_EQ(store.reverseIndex().size(), c.germanWords);
    EXPECT_EQ(store.englishWords().size(), c.englishWords);
}

INSTANTIATE_TEST_SUITE_P(OpenDistNow, OpenDistNowDirectory, ::testing::ValuesIn(kDirectoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

TEST(ExecutableDirectory, AnUnresolvableLinkFailsInsteadOfNamingTheCurrentDirectory)
{
    // Without /proc, or once the executable is deleted ("/path (deleted)"), the link
    // does not resolve; an empty result would open the files in the current directory.
    TempDir dir;
    std::filesystem::create_symlink(dir.path() / "gone (deleted)", dir.path() / "exe");
    for (const auto& link : {dir.path() / "exe", dir.path() / "no-proc" / "self" / "exe"}) {
        try {
            const auto found = executableDirectory(link);
            ADD_FAILURE() << link << " gave " << found;
        } catch (const ExecutablePathError& error) {
            EXPECT_TRUE(std::string_view(error.what())
                            .starts_with(
                                "cannot find the program's own directory: " + link.string() + ": "))
                << error.what();
        }
    }
}

// The window shows this message in a box and the commands print it: a directory named
// with escapes comes out as text.
TEST(ExecutableDirectory, ALinkNamedWithEscapesIsShownAsText)
{
    TempDir dir;
    const auto link = dir.path() / "\x1b]0;PWNED\a\xE4" / "exe";
    try {
        const auto found = executableDirectory(link);
        ADD_FAILURE() << link << " gave " << found;
    } catch (const ExecutablePathError& error) {
        EXPECT_TRUE(std::string_view(error.what())
                        .starts_with("cannot find the program's own directory: \"" +
                                     dir.path().string() + "/\\x1b]0;PWNED\\x07\\xe4/exe\": "))
            << error.what();
    }
}

} // namespace
} // namespace wb
