#include "system/FileReplacement.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace wb {
namespace {

namespace fs = std::filesystem;

constexpr int kHeldSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kChunkBytes = 64 * 1024;

std::string reason(int error)
{
    return std::error_code(error, std::system_category()).message();
}

[[noreturn]] void fail(const fs::path& file, int error)
{
    throw FileReplaceError("cannot write " + file.string() + ": " + reason(error));
}

// Blocks the termination signals for the lifetime of the object, so that none of them
// can end the process between two steps; they are delivered when it is destroyed.
class HeldSignals {
public:
    HeldSignals()
    {
        sigemptyset(&m_held);
        for (int signal : kHeldSignals)
            sigaddset(&m_held, signal);
        pthread_sigmask(SIG_BLOCK, &m_held, &m_previous);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

    // Whether a termination request waits that the process does not ignore.
    bool requested() const
    {
        sigset_t pending;
        if (sigpending(&pending) != 0)
            return false;
        for (int signal : kHeldSignals) {
            struct sigaction action {};
            if (sigismember(&pending, signal) == 1 && sigaction(signal, nullptr, &action) == 0 &&
                action.sa_handler != SIG_IGN)
                return true;
        }
        return false;
    }

private:
    sigset_t m_held;
    sigset_t m_previous;
};

std::string randomSuffix()
{
    static std::mt19937 random(std::random_device{}() ^ unsigned(::getpid()));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(8, 'x');
    for (char& c : suffix)
        c = kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

// A name beside `target` that no file has: ".NAME.KIND-XXXXXXXX". `create` makes the
// file under that name and returns false when the name is taken (errno EEXIST).
template <typename Create>
fs::path freshNameBeside(const fs::path& target, const char* kind, Create create)
{
    for (;;) {
        fs::path candidate = target.parent_path() /
                             ("." + target.filename().string() + "." + kind + "-" + randomSuffix());
        if (create(candidate))
            return candidate;
        if (errno != EEXIST)
            return {};
    }
}

// One file on its way into place: the new version under a temporary name and, once
// the renames start, a second link to the previous version to return to.
struct Staged {
    fs::path target;
    fs::path temporary;
    fs::path backup;
    bool hadPrevious = false;
    bool renamed = false;
};

// Owns the temporary names: whatever has not been renamed into place is removed when
// the replacement ends, and on failure each renamed file gets its previous version back.
class Staging {
public:
    ~Staging()
    {
        if (!m_committed)
            rollBack();
        for (const Staged& file : m_files) {
            if (!file.temporary.empty() && !file.renamed)
                ::unlink(file.temporary.c_str());
            if (!file.backup.empty())
                ::unlink(file.backup.c_str());
        }
    }
    std::vector<Staged>& files() { return m_files; }
    void commit() { m_committed = true; }

private:
    void rollBack()
    {
        for (Staged& file : m_files) {
            if (!file.renamed)
                continue;
            if (!file.hadPrevious)
                ::unlink(file.target.c_str());
            else if (!file.backup.empty() &&
                     ::rename(file.backup.c_str(), file.target.c_str()) == 0)
                file.backup.clear();
        }
    }

    std::vector<Staged> m_files;
    bool m_committed = false;
};

void checkRequests(const HeldSignals& signals, const fs::path& target)
{
    if (signals.requested())
        throw FileReplaceError("cannot write " + target.string() +
                               ": interrupted by a termination request");
}

void writeAll(int fd, std::span<const std::uint8_t> bytes, const fs::path& target,
              const HeldSignals& signals)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        checkRequests(signals, target);
        const std::size_t chunk = std::min(kChunkBytes, bytes.size() - done);
        const ssize_t written = ::write(fd, bytes.data() + done, chunk);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fail(target, errno);
        done += std::size_t(written);
    }
}

// Writes the new version of one file under a temporary name and flushes it to disk.
void stage(Staged& file, std::span<const std::uint8_t> bytes, const HeldSignals& signals)
{
    int fd = -1, openError = 0;
    file.temporary = freshNameBeside(file.target, "new", [&](const fs::path& name) {
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        openError = errno;
        return fd >= 0;
    });
    if (fd < 0)
        fail(file.target, openError);
    try {
        writeAll(fd, bytes, file.target, signals);
        if (::fsync(fd) != 0)
            fail(file.target, errno);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        fail(file.target, errno);
}

// Rejects a target that a file cannot be renamed over, before anything is written.
void checkTarget(Staged& file)
{
    struct stat status {};
    if (::lstat(file.target.c_str(), &status) != 0) {
        if (errno != ENOENT)
            fail(file.target, errno);
        return;
    }
    if (S_ISDIR(status.st_mode))
        fail(file.target, EISDIR);
    file.hadPrevious = true;
}

void keepPrevious(Staged& file)
{
    if (!file.hadPrevious)
        return;
    // Without a second link (a file system without hard links) a failed rename of a
    // later file cannot be undone for this one; the renames rarely fail once the
    // temporary files could be made, so the replacement goes on.
    file.backup = freshNameBeside(file.target, "old", [&](const fs::path& name) {
        return ::link(file.target.c_str(), name.c_str()) == 0;
    });
}

void syncDirectory(const fs::path& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail(directory, errno);
    // Some file systems cannot sync a directory (EINVAL); the renames are then as
    // durable as that file system makes them.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    if (!synced)
        fail(directory, error);
}

} // namespace

void replaceFiles(const fs::path& directory, std::span<const FileContent> files)
{
    const HeldSignals signals;
    Staging staging;
    for (const FileContent& file : files)
        staging.files().push_back({directory / file.name, {}, {}, false, false});
    for (Staged& file : staging.files())
        checkTarget(file);
    for (std::size_t i = 0; i < files.size(); ++i)
        stage(staging.files()[i], files[i].bytes, signals);

    for (Staged& file : staging.files())
        keepPrevious(file);
    checkRequests(signals, directory);
    for (Staged& file : staging.files()) {
        if (::rename(file.temporary.c_str(), file.target.c_str()) != 0)
            fail(file.target, errno);
        file.renamed = true;
    }
    staging.commit();
    syncDirectory(directory);
}

} // namespace wb
