#include "tests/search/RawBusClient.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace wb::test {

namespace {

void pad(std::string& out, std::size_t alignment)
{
    while (out.size() % alignment)
        out.push_back('\0');
}

void putUint32(std::string& out, std::uint32_t value)
{
    pad(out, 4);
    for (int i = 0; i < 4; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

std::uint32_t getUint32(const std::string& in, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[offset + std::size_t(i)]);
    return value;
}

void putString(std::string& out, const std::string& text)
{
    putUint32(out, std::uint32_t(text.size()));
    out += text;
    out.push_back('\0');
}

void putSignature(std::string& out, const std::string& signature)
{
    out.push_back(char(signature.size()));
    out += signature;
    out.push_back('\0');
}

// One header field: a struct of its code and a variant holding the value.
void putField(std::string& out, char code, char type, const std::string& value)
{
    pad(out, 8);
    out.push_back(code);
    putSignature(out, std::string(1, type));
    if (type == 'g')
        putSignature(out, value);
    else
        putString(out, value);
}

// Where a message that starts the buffer ends, once its fixed header is there.
std::size_t messageLength(const std::string& buffer)
{
    const std::size_t fields = getUint32(buffer, 12);
    std::size_t end = 16 + fields;
    end = (end + 7) / 8 * 8;
    return end + getUint32(buffer, 4);
}

} // namespace

RawBusClient::RawBusClient(const std::string& address)
{
    const std::string key = "unix:path=";
    if (address.rfind(key, 0) != 0)
        return;
    const std::string path = address.substr(key.size(), address.find(',') - key.size());
    sockaddr_un socketAddress{};
    socketAddress.sun_family = AF_UNIX;
    if (path.size() >= sizeof socketAddress.sun_path)
        return;
    std::memcpy(socketAddress.sun_path, path.c_str(), path.size() + 1);
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd >= 0 &&
        ::connect(m_fd, reinterpret_cast<sockaddr*>(&socketAddress), sizeof socketAddress) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

RawBusClient::~RawBusClient()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RawBusClient::open()
{
    if (m_fd < 0)
        return false;
    std::string uid = std::to_string(::getuid()), hex;
    for (const char c : uid) {
        static const char digits[] = "0123456789abcdef";
        hex += digits[(c >> 4) & 0xF];
        hex += digits[c & 0xF];
    }
    const std::string auth = std::string(1, '\0') + "AUTH EXTERNAL " + hex + "\r\n";
    if (::write(m_fd, auth.data(), auth.size()) != ssize_t(auth.size()))
        return false;
    while (m_buffer.find("\r\n") == std::string::npos)
        if (!readSome(std::chrono::seconds(5)))
            return false;
    if (m_buffer.rfind("OK ", 0) != 0)
        return false;
    m_buffer.clear();
    const std::string begin = "BEGIN\r\n";
    if (::write(m_fd, begin.data(), begin.size()) != ssize_t(begin.size()))
        return false;
    const std::uint32_t hello =
        call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "Hello", {});
    (void)hello;
    const auto reply = receive(std::chrono::seconds(5));
    return reply && messageType(*reply) == 2;
}

std::uint32_t RawBusClient::call(const std::string& destination, const std::string& path,
                                 const std::string& interface, const std::string& member,
                                 const std::vector<std::string>& arguments)
{
    std::string body;
    for (const std::string& argument : arguments)
        putString(body, argument);
    std::string fields;
    putField(fields, 1, 'o', path);
    putField(fields, 2, 's', interface);
    putField(fields, 3, 's', member);
    putField(fields, 6, 's', destination);
    if (!arguments.empty())
        putField(fields, 8, 'g', std::string(arguments.size(), 's'));

    std::string message = {'l', 1, 0, 1};
    putUint32(message, std::uint32_t(body.size()));
    putUint32(message, ++m_serial);
    putUint32(message, std::uint32_t(fields.size()));
    message += fields; // the fields were laid out from offset 16, a multiple of 8
    pad(message, 8);
    message += body;
    if (::write(m_fd, message.data(), message.size()) != ssize_t(message.size()))
        m_closed = true;
    return m_serial;
}

std::optional<std::string> RawBusClient::receive(std::chrono::milliseconds timeout)
{
    while (m_buffer.size() < 16 || m_buffer.size() < messageLength(m_buffer))
        if (!readSome(timeout))
            return std::nullopt;
    const std::size_t length = messageLength(m_buffer);
    std::string message = m_buffer.substr(0, length);
    m_buffer.erase(0, length);
    return message;
}

bool RawBusClient::readSome(std::chrono::milliseconds timeout)
{
    if (m_fd < 0 || m_closed)
        return false;
    pollfd ready{m_fd, POLLIN, 0};
    if (::poll(&ready, 1, int(timeout.count())) <= 0)
        return false;
    char chunk[4096];
    const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
    if (got <= 0) {
        m_closed = true;
        return false;
    }
    m_buffer.append(chunk, std::size_t(got));
    return true;
}

int messageType(const std::string& message)
{
    return message.size() > 1 ? static_cast<unsigned char>(message[1]) : 0;
}

} // namespace wb::test
