#include "DataFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace wb {
namespace {

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
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
        if (sameIgnoringAsciiCase(candidate, name) && (best.empty() || candidate < best))
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
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;

    // The size is only a hint: the file may grow or shrink while it is read.
    std::vector<std::uint8_t> bytes;
    bytes.resize(std::min<std::size_t>(std::size_t(std::max<off_t>(info.st_size, 0)) + 1,
                                       limit));
    std::size_t filled = 0;
    while (filled < limit) {
        if (filled == bytes.size())
            bytes.resize(std::min(limit, bytes.size() * 2 + 4096));
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // end of file, or a read error: keep what arrived
        filled += std::size_t(got);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace wb
