#pragma once
// The command's standard output as a stream buffer over a file descriptor. Unlike a
// stream state it keeps the system's reason for the first failed write, so that a
// full disk or a vanished terminal is reported instead of ending as success.
#include <array>
#include <streambuf>

namespace wb::cli {

class OutputBuffer : public std::streambuf {
public:
    explicit OutputBuffer(int fd);
    ~OutputBuffer() override;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // Writes what is buffered and closes the descriptor (where a file system may report
    // a write error late). Returns the errno of the first failure, or 0.
    int finish();
    int error() const { return m_error; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

private:
    bool drain();
    bool writeAll(const char* data, std::size_t count);

    int m_fd;
    int m_error = 0;
    std::array<char, 64 * 1024> m_buffer;
};

} // namespace wb::cli
