#include "cli/InputLines.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace wb::cli {

InputBuffer::InputBuffer(int fd)
    : m_fd(fd)
{
}

InputBuffer::int_type InputBuffer::underflow()
{
    for (;;) {
        const ssize_t got = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (got > 0) {
            setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
            return traits_type::to_int_type(m_buffer[0]);
        }
        if (got == 0)
            return traits_type::eof();
        if (errno != EINTR)
            throw InputError(std::strerror(errno));
    }
}

LineRead readLine(std::streambuf& in, std::string& line)
{
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (;;) {
        const auto c = in.sbumpc();
        if (c == std::streambuf::traits_type::eof())
            break;
        any = true;
        if (c == '\n')
            break;
        if (tooLong)
            continue;
        if (line.size() == kMaxInputLineBytes + 1) { // room for the '\r' of CR LF
            tooLong = true;
            line.clear();
            line.shrink_to_fit();
            continue;
        }
        line += char(c);
    }
    if (!any)
        return LineRead::End;
    if (!tooLong && !line.empty() && line.back() == '\r')
        line.pop_back();
    if (!tooLong && line.size() > kMaxInputLineBytes)
        tooLong = true, line.clear();
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

} // namespace wb::cli
