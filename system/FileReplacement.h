#pragma once
// Replaces a set of files in one directory so that the directory never shows a cut
// file: each new version is written beside its file under a temporary name, flushed to
// the disk, and only when every one of them is complete are they renamed over the
// previous versions. When any step fails, the previous versions stay exactly as they
// were and no temporary file is left behind. Standard C++ and POSIX only.
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace wb {

struct FileContent {
    std::string name; // a plain file name inside the directory
    std::span<const std::uint8_t> bytes;
};

// what() names the file ("cannot write DIR/NAME: No space left on device").
class FileReplaceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Holds back, for its lifetime, every signal that ends a process by default and can be
// caught, except the faults a program raises on itself (SIGSEGV, SIGBUS, SIGFPE, SIGILL,
// SIGTRAP, SIGSYS, SIGABRT): SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1 and the
// rest. One that arrives waits and is delivered when the outermost hold ends. SIGXFSZ is
// ignored meanwhile, so that a write past the file-size limit fails with EFBIG and the
// ordinary error path runs. Holds nest.
class TerminationHold {
public:
    TerminationHold();
    ~TerminationHold();
    TerminationHold(const TerminationHold&) = delete;
    TerminationHold& operator=(const TerminationHold&) = delete;

    // Whether a held signal waits that the process does not ignore.
    bool requested() const;
    // Throws FileReplaceError ("cannot write WHAT: interrupted by a termination
    // request") when one does.
    void throwIfRequested(const std::filesystem::path& what) const;

private:
    sigset_t m_previousMask;
    struct sigaction m_previousXfsz;
};

// An exclusive lock (flock) on a directory itself, released with the object or when
// the process ends however it ends. Nothing is written into the directory for it.
class DirectoryLock {
public:
    // Opens the existing `directory`. Throws FileReplaceError.
    explicit DirectoryLock(const std::filesystem::path& directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // Takes the lock unless another process holds it. A directory that its previous
    // holder removed is made again first, so the lock always covers what the path names.
    bool tryLock();
    // Whether tryLock had to make the directory again.
    bool remade() const { return m_remade; }

private:
    std::filesystem::path m_directory;
    int m_fd = -1;
    bool m_remade = false;
};

// Writes `files` into the existing `directory`, replacing files of the same names,
// under a TerminationHold: a request that arrives (or is already pending) before the
// files are in place abandons the write and throws, and it is delivered when the hold
// ends, after the temporary files are gone. The renames themselves are done as one
// step; should one of them fail, the files already renamed get their previous versions
// back. Throws FileReplaceError. Not for concurrent use: callers that may run at once
// share a DirectoryLock.
//
// Only a process that dies without a chance to clean up (SIGKILL, a crash, a power
// cut) leaves temporary files: ".NAME.new-XXXXXXXX" (a new version) and, once the
// renames begin, ".NAME.old-XXXXXXXX" (a link to the previous version; the files of one
// replacement share the suffix). recoverReplacement undoes that.
void replaceFiles(const std::filesystem::path& directory, std::span<const FileContent> files);

// The temporary files an ended replaceFiles of `names` left in `directory`, by name.
std::vector<std::string> leftoverTemporaries(const std::filesystem::path& directory,
                                             std::span<const std::string> names);

// Finishes what an ended replaceFiles of `names` left: where every file has its
// previous version linked under one suffix, the swap may have stopped between two
// renames, so all of them get their previous versions back, before anything else;
// then every temporary file goes. Only under the DirectoryLock of every writer.
// Returns how many temporary files it found. Throws FileReplaceError.
std::size_t recoverReplacement(const std::filesystem::path& directory,
                               std::span<const std::string> names);

} // namespace wb
