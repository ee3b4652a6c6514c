// What lies under a data file's name is not always a readable regular file. For either
// file, each oddity gives that file's open-error message or a load of complete records
// (a prefix of what the file holds), never a hang or a crash, and never touches the
// other file.
#include "dictionary/DictionaryStore.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace wb {
namespace {

using test::CollectingReporter;
using test::TempDir;

constexpr unsigned kHangSeconds = 60; // far beyond any load here; a hang ends the test

// Ends the process (and so fails the test) if the scope is not left in time.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
};

const char* nameOf(DictionaryFile file)
{
    return file == DictionaryFile::German ? "deueng.dat" : "engdeu.dat";
}

std::string openError(DictionaryFile file)
{
    return std::string("Fehler: konnte Datei ") + nameOf(file) + " nicht öffnen!";
}

DictionaryFile otherOf(DictionaryFile file)
{
    return file == DictionaryFile::German ? DictionaryFile::English : DictionaryFile::German;
}

const test::GeneratedDictionary& dictionary()
{
    static const auto generated = test::generateDictionary(3000, 4000, 61);
    return generated;
}

const std::vector<std::uint8_t>& bytesOf(DictionaryFile file)
{
    return file == DictionaryFile::German ? dictionary().deueng : dictionary().engdeu;
}

std::size_t recordsOf(DictionaryFile file)
{
    return file == DictionaryFile::German ? dictionary().german.size()
                                          : dictionary().english.size();
}

const WordList& wordsOf(const DictionaryStore& store, DictionaryFile file)
{
    return file == DictionaryFile::German ? store.germanWords() : store.englishWords();
}

// The store's entries of `file` are the first ones the file holds, each complete.
void expectLeadingRecords(const DictionaryStore& store, DictionaryFile file)
{
    const auto& generated = dictionary();
    const WordList& words = wordsOf(store, file);
    ASSERT_LE(words.size(), recordsOf(file));
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (file == DictionaryFile::German) {
            ASSERT_EQ(words[i], generated.german[i].headword) << "record " << i;
            ASSERT_EQ(store.reverseIndex()[i], generated.german[i].reference) << "record " << i;
        } else {
            ASSERT_EQ(words[i], generated.english[i].headword) << "record " << i;
            for (std::size_t k = 0; k < generated.english[i].references.size(); ++k)
                ASSERT_EQ(store.translationSlot(int(k))[i], generated.english[i].references[k]);
        }
    }
}

void expectComplete(const DictionaryStore& store, DictionaryFile file)
{
    EXPECT_EQ(wordsOf(store, file).size(), recordsOf(file)) << nameOf(file);
    expectLeadingRecords(store, file);
}

class FileSystemOddity : public ::testing::TestWithParam<DictionaryFile> {
protected:
    void SetUp() override { dictionary().writeTo(dir.path()); }

    DictionaryFile file() const { return GetParam(); }
    std::filesystem::path target() const { return dir.path() / nameOf(file()); }
    void replaceTarget() const { std::filesystem::remove(target()); }

    void load()
    {
        Watchdog watchdog(kHangSeconds);
        store.clear();
        reporter.messages.clear();
        store.OpenDistNow(dir.path(), reporter);
    }

    void expectOpenErrorOnly()
    {
        EXPECT_EQ(reporter.messages, std::vector<std::string>{openError(file())});
        EXPECT_TRUE(wordsOf(store, file()).empty());
        expectComplete(store, otherOf(file()));
    }

    TempDir dir;
    DictionaryStore store;
    CollectingReporter reporter;
};

TEST_P(FileSystemOddity, DirectoryWithTheFilesName)
{
    replaceTarget();
    std::filesystem::create_directory(target());
    load();
    expectOpenErrorOnly();
}

TEST_P(FileSystemOddity, FifoIsRefusedWithoutWaitingForAWriter)
{
    replaceTarget();
    ASSERT_EQ(::mkfifo(target().c_str(), 0644), 0);
    load();
    expectOpenErrorOnly();
}

TEST_P(FileSystemOddity, DanglingSymlinkAndSymlinkLoops)
{
    replaceTarget();
    std::filesystem::create_symlink(dir.path() / "nowhere.dat", target());
    load();
    expectOpenErrorOnly();

    replaceTarget();
    std::filesystem::create_symlink(nameOf(file()), target()); // points at itself
    load();
    expectOpenErrorOnly();

    replaceTarget();
    std::filesystem::create_symlink("loop.dat", target());
    std::filesystem::create_symlink(nameOf(file()), dir.path() / "loop.dat");
    load();
    expectOpenErrorOnly();
}

TEST_P(FileSystemOddity, SymlinksAreFollowedOnlyToRegularFiles)
{
    TempDir elsewhere;
    test::writeFile(elsewhere.path() / "copy.dat", bytesOf(file()));
    replaceTarget();
    std::filesystem::create_symlink(elsewhere.path() / "copy.dat", target());
    load();
    EXPECT_TRUE(reporter.messages.empty());
    expectComplete(store, DictionaryFile::German);
    expectComplete(store, DictionaryFile::English);

    // A device would read forever (or block); it is not a data file.
    for (const char* device : {"/dev/zero", "/dev/urandom", "/dev/null"}) {
        replaceTarget();
        std::filesystem::create_symlink(device, target());
        load();
        SCOPED_TRACE(device);
        expectOpenErrorOnly();
    }
}

// Rewrites the file under the loader, as fast as it can, until `stop`: it grows by
// appending the records in chunks of random size (so that a read often ends inside a
// record), then shrinks by cutting chunks off the end, and so on; it stops with the
// file whole. Every state of the file is a prefix of the whole, but a read that races
// with a cut can see zeros where the cut-off bytes were.
void growAndShrink(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                   const std::atomic<bool>& stop)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> step(1, 64);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::size_t size = 0;
    bool grow = true;
    while (!stop || size < bytes.size()) {
        if (grow && size == bytes.size())
            grow = false;
        else if (!grow && size == 0)
            grow = true;
        const std::size_t n = std::min(step(rng), grow ? bytes.size() - size : size);
        if (grow ? ::pwrite(fd, bytes.data() + size, n, off_t(size)) != ssize_t(n)
                 : ::ftruncate(fd, off_t(size - n)) != 0)
            break;
        size = grow ? size + n : size - n;
    }
    ::close(fd);
}

// Runs growAndShrink() on its own thread for the life of the object.
class ChangingFile {
public:
    ChangingFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
        : m_writer(growAndShrink, path, std::cref(bytes), std::cref(m_stop))
    {
    }
    ~ChangingFile() { settle(); }
    // Stops the changes; the file is whole afterwards.
    void settle()
    {
        m_stop = true;
        if (m_writer.joinable())
            m_writer.join();
    }

private:
    std::atomic<bool> m_stop = false;
    std::thread m_writer;
};

TEST_P(FileSystemOddity, FileThatGrowsAndShrinksWhileItIsRead)
{
    replaceTarget();
    test::writeFile(target(), std::string_view());
    ChangingFile changing(target(), bytesOf(file()));
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (std::chrono::steady_clock::now() < until) {
        load();
        // A file that never holds still may be refused like one that cannot be read.
        if (!reporter.messages.empty()) {
            ASSERT_EQ(reporter.messages, std::vector<std::string>{openError(file())});
        }
        expectLeadingRecords(store, file());
        expectComplete(store, otherOf(file()));
        if (HasFailure())
            break;
    }
    changing.settle();
    load();
    EXPECT_TRUE(reporter.messages.empty());
    expectComplete(store, file());
}

// What a load in a child process saw, reported on its standard output: the parent's test
// process may not drop its privileges or have its peak memory measured.
struct ChildLoad {
    std::string skipped; // why the child could not arrange the load
    std::vector<std::string> messages;
    std::size_t words[2] = {0, 0};   // German, English
    std::size_t longest[2] = {0, 0}; // longest headword of each
    long peakGrowthKiB = 0;          // peak resident memory above the start
};

long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field) + 1));
    return -1;
}

std::string describeLoad(const std::filesystem::path& directory,
                         const std::function<std::string()>& prepare)
{
    if (prepare)
        if (auto reason = prepare(); !reason.empty())
            return "skipped " + reason + "\n";
    const long startKiB = statusKiB("VmRSS");
    CollectingReporter reporter;
    DictionaryStore store;
    store.OpenDistNow(directory, reporter);
    std::ostringstream out;
    for (const auto& message : reporter.messages)
        out << "message " << message << '\n';
    for (const auto file : {DictionaryFile::German, DictionaryFile::English}) {
        const WordList& words = wordsOf(store, file);
        std::size_t longest = 0;
        for (std::size_t i = 0; i < words.size(); ++i)
            longest = std::max(longest, words[i].size());
        out << "words " << words.size() << ' ' << longest << '\n';
    }
    out << "growth " << statusKiB("VmHWM") - startKiB << '\n';
    return out.str();
}

ChildLoad loadInChild(const std::filesystem::path& directory,
                      std::function<std::string()> prepare = {})
{
    const test::ProcessResult child = test::runInChild([&] {
        const std::string text = describeLoad(directory, prepare);
        return ::write(1, text.data(), text.size()) == ssize_t(text.size()) ? 0 : 1;
    });
    const std::string& text = child.out;
    if (child.exitCode != 0)
        throw std::runtime_error("the loading child failed:\n" + text + child.err);

    ChildLoad load;
    std::istringstream in(text);
    std::string line;
    int next = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "skipped")
            load.skipped = line.substr(8);
        else if (key == "message")
            load.messages.push_back(line.substr(8));
        else if (key == "words" && next < 2) {
            fields >> load.words[next] >> load.longest[next];
            ++next;
        } else if (key == "growth")
            fields >> load.peakGrowthKiB;
    }
    return load;
}

// Permission bits do not stop root, so as root the load runs as the user "nobody".
std::string becomeNobodyWhenRoot(const std::filesystem::path& readable)
{
    if (auto reason = test::becomeNobody(); !reason.empty())
        return reason;
    if (::access(readable.c_str(), R_OK) != 0)
        return "nobody cannot reach the test directory " + readable.parent_path().string();
    return {};
}

TEST_P(FileSystemOddity, FileWithoutReadPermission)
{
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(dir.path() / nameOf(otherOf(file())),
                                 std::filesystem::perms(0644));
    std::filesystem::permissions(target(), std::filesystem::perms::none);
    const auto readable = dir.path() / nameOf(otherOf(file()));
    const ChildLoad load = loadInChild(dir.path(), [&] { return becomeNobodyWhenRoot(readable); });
    if (!load.skipped.empty())
        GTEST_SKIP() << "the unreadable file cannot be arranged: " << load.skipped;
    const auto index = [](DictionaryFile f) { return f == DictionaryFile::German ? 0 : 1; };
    EXPECT_EQ(load.messages, std::vector<std::string>{openError(file())});
    EXPECT_EQ(load.words[index(file())], 0u);
    EXPECT_EQ(load.words[index(otherOf(file()))], recordsOf(otherOf(file())));
}

// A gibibyte of random bytes where the file should be. The loader reads no more than
// 65535 of the longest records could fill, so the file is random for well beyond that
// and a hole after it, which keeps the test quick; bench/huge-file.sh measures a file
// that is random throughout.
TEST_P(FileSystemOddity, GibibyteOfRandomBytesLoadsInBoundedMemory)
{
    constexpr std::size_t kGibibyte = std::size_t(1) << 30;
    constexpr std::size_t kRandomPart = std::size_t(40) << 20;
    static_assert(kRandomPart > kMaxRecords * maxRecordBytes(DictionaryFile::English));
    {
        std::ofstream out(target(), std::ios::binary | std::ios::trunc);
        std::mt19937_64 rng(2024);
        std::vector<std::uint64_t> chunk(1 << 17);
        for (std::size_t written = 0; written < kRandomPart; written += chunk.size() * 8) {
            for (auto& word : chunk)
                word = rng();
            out.write(reinterpret_cast<const char*>(chunk.data()),
                      std::streamsize(chunk.size() * 8));
        }
        ASSERT_TRUE(out);
    }
    std::filesystem::resize_file(target(), kGibibyte);

    Watchdog watchdog(kHangSeconds);
    const ChildLoad load = loadInChild(dir.path());
    const int tested = file() == DictionaryFile::German ? 0 : 1;
    EXPECT_TRUE(load.messages.empty());
    EXPECT_GT(load.words[tested], 0u);
    EXPECT_LE(load.words[tested], kMaxRecords);
    EXPECT_LE(load.longest[tested], file() == DictionaryFile::German ? 270u : 30u);
    EXPECT_EQ(load.words[1 - tested], recordsOf(otherOf(file())));
    // The read buffer, the store and the sanitizer's bookkeeping of both: a few times
    // the capped read, far from the file's size.
    EXPECT_LT(load.peakGrowthKiB, 256 * 1024) << "peak growth " << load.peakGrowthKiB << " KiB";
}

INSTANTIATE_TEST_SUITE_P(EitherFile, FileSystemOddity,
                         ::testing::Values(DictionaryFile::German, DictionaryFile::English),
                         [](const auto& info) {
                             return info.param == DictionaryFile::German ? "deueng" : "engdeu";
                         });

} // namespace
} // namespace wb
