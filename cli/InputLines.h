#pragma once
// The texts that lookup reads from standard input, one a line. A line is held only up
// to a limit: a longer one streams past and is reported as too long. The stream buffer
// over a descriptor keeps the system's reason for a failed read, which a stream state
// would turn into an ordinary end of input.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace wb::cli {

// No headword comes near this length, and a script's line should not either.
constexpr std::size_t kMaxInputLineBytes = 64 * 1024;

// A read from standard input that failed; the message is the system's reason.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a descriptor as it comes: a read returns what is there, so a script that
// writes one word and waits gets its answer. A failed read throws InputError.
class InputBuffer : public std::streambuf {
public:
    explicit InputBuffer(int fd);

protected:
    int_type underflow() override;

private:
    int m_fd;
    std::array<char, 64 * 1024> m_buffer;
};

enum class LineRead { Line, TooLong, End };

// The next line of `in` without its '\n' (and a final '\r'). A line over
// kMaxInputLineBytes is skipped to its end; `line` is then empty.
LineRead readLine(std::streambuf& in, std::string& line);

} // namespace wb::cli
