#include "dictionary/DataFile.h"

#include "dictionary/AsciiCase.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace wb {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

constexpr int kReadAttempts = 8;
constexpr auto kSettleTime = std::chrono::milliseconds(20);

bool unchanged(const struct stat& a, const struct stat& b)
{
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// The file's first `limit` bytes, from offset 0. The size is only a hint: the file may
// grow or shrink meanwhile. A read error keeps what arrived before it.
std::vector<std::uint8_t> readFromStart(int fd, off_t sizeHint, std::size_t limit)
{
    std::vector<std::uint8_t> bytes;
    bytes.resize(std::min<std::size_t>(std::size_t(std::max<off_t>(sizeHint, 0)) + 1, limit));
    std::size_t filled = 0;
    while (filled < limit) {
        if (filled == bytes.size())
            bytes.resize(std::min(limit, bytes.size() * 2 + 4096));
        const ssize_t got =
            ::pread(fd, bytes.data() + filled, bytes.size() - filled, off_t(filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += std::size_t(got);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

std::filesystem::path locateFile(const std::filesystem::path& directory, std::string_view name)
{
    const auto exact = directory / std::string(name);
    std::error_code error;
    if (std::filesystem::symlink_status(exact, error).type() !=
        std::filesystem::file_type::not_found)
        return exact;

    std::string best;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (equalIgnoringAsciiCase(candidate, name) && (best.empty() || candidate < best))
            best = candidate;
    }
    return best.empty() ? exact : directory / best;
}

std::optional<std::vector<std::uint8_t>> readDataFile(const std::filesystem::path& path,
                                                      std::size_t limit)
{
    // O_NONBLOCK keeps the open itself from waiting for a FIFO's writer; such a file
    // is then turned away by the regular-file test.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return std::nullopt;
    struct stat before {};
    if (::fstat(file.get(), &before) != 0 || !S_ISREG(before.st_mode))
        return std::nullopt;

    // A read that races with a truncation can return zeros where the cut-off bytes
    // were, which would decode as records the file never held. So the bytes count only
    // if the file did not change while they were read; a file that never holds still
    // is treated as unreadable.
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(kSettleTime);
        auto bytes = readFromStart(file.get(), before.st_size, limit);
        struct stat after {};
        if (::fstat(file.get(), &after) != 0)
            return std::nullopt;
        if (unchanged(before, after))
            return bytes;
        before = after;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> readDictionaryFile(const std::filesystem::path& directory,
                                                            DictionaryFile file, std::size_t limit)
{
    return readDataFile(locateFile(directory, fileName(file)), limit);
}

} // namespace wb
