#include "cli/OutputBuffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace wb::cli {

OutputBuffer::OutputBuffer(int fd)
    : m_fd(fd)
{
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

OutputBuffer::~OutputBuffer()
{
    if (m_fd >= 0)
        drain();
}

int OutputBuffer::finish()
{
    if (m_fd < 0)
        return m_error;
    drain();
    if (::close(m_fd) != 0 && m_error == 0 && errno != EINTR)
        m_error = errno;
    m_fd = -1;
    return m_error;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c)
{
    if (!drain())
        return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize OutputBuffer::xsputn(const char* data, std::streamsize count)
{
    if (m_error != 0)
        return 0;
    const auto room = epptr() - pptr();
    if (count <= room) {
        std::memcpy(pptr(), data, std::size_t(count));
        pbump(int(count));
        return count;
    }
    if (!drain() || !writeAll(data, std::size_t(count)))
        return 0;
    return count;
}

int OutputBuffer::sync()
{
    return drain() ? 0 : -1;
}

bool OutputBuffer::drain()
{
    const auto pending = std::size_t(pptr() - pbase());
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return writeAll(m_buffer.data(), pending);
}

bool OutputBuffer::writeAll(const char* data, std::size_t count)
{
    // After a failure nothing more is written: the output already has a gap.
    while (m_error == 0 && count > 0) {
        const ssize_t written = ::write(m_fd, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            m_error = errno;
            break;
        }
        data += written;
        count -= std::size_t(written);
    }
    return m_error == 0;
}

} // namespace wb::cli
