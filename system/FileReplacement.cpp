#include "system/FileReplacement.h"

#include "messages/QuotedInput.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <optional>
#include <pthread.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace wb {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunkBytes = 64 * 1024;

std::string reason(int error)
{
    return std::error_code(error, std::system_category()).message();
}

[[noreturn]] void fail(const fs::path& file, int error)
{
    throw FileReplaceError("cannot write " + messages::quotedPath(file) + ": " + reason(error));
}

// The signals whose default action ends the process and that come from outside it
// (another process, the terminal, a timer, a limit); the faults a program raises on
// itself are left alone, since blocking them would only hide a crash.
sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2,
                       SIGXCPU, SIGVTALRM, SIGPROF, SIGIO, SIGPWR, SIGSTKFLT})
        sigaddset(&set, signal);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        sigaddset(&set, signal);
    return set;
}

std::string randomSuffix()
{
    static std::mt19937 random(std::random_device{}() ^ unsigned(::getpid()));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(8, 'x');
    for (char& c : suffix)
        c = kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

fs::path temporaryName(const fs::path& target, const char* kind, const std::string& suffix)
{
    return target.parent_path() / ("." + target.filename().string() + "." + kind + "-" + suffix);
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

void writeAll(int fd, std::span<const std::uint8_t> bytes, const fs::path& target,
              const TerminationHold& hold)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        hold.throwIfRequested(target);
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
void stage(Staged& file, std::span<const std::uint8_t> bytes, const TerminationHold& hold)
{
    int fd = -1;
    for (;;) {
        file.temporary = temporaryName(file.target, "new", randomSuffix());
        fd = ::open(file.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            break;
        const int error = errno;
        file.temporary.clear();
        if (error != EEXIST)
            fail(file.target, error);
    }
    try {
        writeAll(fd, bytes, file.target, hold);
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

// Links every previous version under one shared suffix, so that a later recovery can
// tell which links belong to the same swap.
void keepPrevious(std::vector<Staged>& files)
{
    for (;;) {
        const std::string suffix = randomSuffix();
        bool taken = false;
        for (Staged& file : files) {
            if (!file.hadPrevious)
                continue;
            const fs::path name = temporaryName(file.target, "old", suffix);
            if (::link(file.target.c_str(), name.c_str()) == 0)
                file.backup = name;
            else
                taken = taken || errno == EEXIST;
            // Without a second link (a file system without hard links) a failed rename
            // of a later file cannot be undone for this one; the renames rarely fail
            // once the temporary files could be made, so the replacement goes on.
        }
        if (!taken)
            return;
        for (Staged& file : files) {
            if (!file.backup.empty())
                ::unlink(file.backup.c_str());
            file.backup.clear();
        }
    }
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

// A temporary file of ours: ".NAME.new-XXXXXXXX" or ".NAME.old-XXXXXXXX" for one of
// `names`. Gives the name's position in `names`, whether it is an old link, and the
// suffix.
struct Temporary {
    std::size_t name = 0;
    bool old = false;
    std::string suffix;
};

std::optional<Temporary> parseTemporary(const std::string& entry,
                                        std::span<const std::string> names)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (const bool old : {false, true}) {
            const std::string lead = "." + names[i] + (old ? ".old-" : ".new-");
            if (entry.size() == lead.size() + 8 && entry.compare(0, lead.size(), lead) == 0)
                return Temporary{i, old, entry.substr(lead.size())};
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, Temporary>> temporariesIn(const fs::path& directory,
                                                             std::span<const std::string> names)
{
    std::vector<std::pair<std::string, Temporary>> found;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (auto temporary = parseTemporary(entry, names))
            found.emplace_back(entry, std::move(*temporary));
    }
    if (error && error != std::errc::no_such_file_or_directory)
        throw FileReplaceError("cannot read " + messages::quotedPath(directory) + ": " +
                               error.message());
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return found;
}

} // namespace

TerminationHold::TerminationHold()
{
    const sigset_t held = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &held, &m_previousMask);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &m_previousXfsz);
}

TerminationHold::~TerminationHold()
{
    ::sigaction(SIGXFSZ, &m_previousXfsz, nullptr);
    pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}

bool TerminationHold::requested() const
{
    sigset_t pending;
    if (sigpending(&pending) != 0)
        return false;
    const sigset_t held = terminationSignals();
    for (int signal = 1; signal <= SIGRTMAX; ++signal) {
        struct sigaction action {};
        if (sigismember(&held, signal) == 1 && sigismember(&pending, signal) == 1 &&
            sigaction(signal, nullptr, &action) == 0 && action.sa_handler != SIG_IGN)
            return true;
    }
    return false;
}

void TerminationHold::throwIfRequested(const fs::path& what) const
{
    if (requested())
        throw FileReplaceError("cannot write " + messages::quotedPath(what) +
                               ": interrupted by a termination request");
}

DirectoryLock::DirectoryLock(const fs::path& directory)
    : m_directory(directory)
{
    m_fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        throw FileReplaceError("cannot lock " + messages::quotedPath(directory) + ": " +
                               reason(errno));
}

DirectoryLock::~DirectoryLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool DirectoryLock::tryLock()
{
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK || errno == EINTR)
                return false;
            throw FileReplaceError("cannot lock " + messages::quotedPath(m_directory) + ": " +
                                   reason(errno));
        }
        // The holder before us may have removed the directory it had made (a failed
        // first compile); the lock would then guard nothing that the path names.
        struct stat locked {
        }, named{};
        if (::fstat(m_fd, &locked) == 0 && ::stat(m_directory.c_str(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino)
            return true;
        ::close(m_fd);
        if (::mkdir(m_directory.c_str(), 0777) == 0)
            m_remade = true;
        m_fd = ::open(m_directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd < 0)
            throw FileReplaceError("cannot lock " + messages::quotedPath(m_directory) + ": " +
                                   reason(errno));
    }
}

void replaceFiles(const fs::path& directory, std::span<const FileContent> files)
{
    const TerminationHold hold;
    Staging staging;
    for (const FileContent& file : files)
        staging.files().push_back({directory / file.name, {}, {}, false, false});
    for (Staged& file : staging.files())
        checkTarget(file);
    for (std::size_t i = 0; i < files.size(); ++i)
        stage(staging.files()[i], files[i].bytes, hold);

    keepPrevious(staging.files());
    hold.throwIfRequested(directory);
    for (Staged& file : staging.files()) {
        if (::rename(file.temporary.c_str(), file.target.c_str()) != 0)
            fail(file.target, errno);
        file.renamed = true;
    }
    staging.commit();
    syncDirectory(directory);
}

std::vector<std::string> leftoverTemporaries(const fs::path& directory,
                                             std::span<const std::string> names)
{
    std::vector<std::string> result;
    for (const auto& [entry, temporary] : temporariesIn(directory, names))
        result.push_back(entry);
    return result;
}

std::size_t recoverReplacement(const fs::path& directory, std::span<const std::string> names)
{
    const TerminationHold hold;
    const auto found = temporariesIn(directory, names);
    if (found.empty())
        return 0;
    // The suffixes under which every file has its previous version.
    std::map<std::string, std::size_t> oldLinks;
    for (const auto& [entry, temporary] : found)
        oldLinks[temporary.suffix] += temporary.old;
    for (const auto& [suffix, count] : oldLinks) {
        if (count != names.size())
            continue;
        for (const std::string& name : names) {
            const fs::path old = temporaryName(directory / name, "old", suffix);
            if (::rename(old.c_str(), (directory / name).c_str()) != 0)
                fail(directory / name, errno);
        }
        break;
    }
    for (const auto& [entry, temporary] : found) {
        // A link renamed onto the file it already names stays (rename does nothing
        // then), and one put back above is gone: either way unlink leaves no temporary.
        if (::unlink((directory / entry).c_str()) != 0 && errno != ENOENT)
            fail(directory / entry, errno);
    }
    syncDirectory(directory);
    return found.size();
}

} // namespace wb
