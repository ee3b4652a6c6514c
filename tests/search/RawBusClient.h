#pragma once
// A D-Bus client that writes the wire format itself, for sending what libdbus and
// QtDBus refuse to send: a string argument that is not UTF-8. Little-endian, method
// calls with string arguments only, EXTERNAL authentication over a unix socket path.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wb::test {

class RawBusClient {
public:
    // `address` as in DBUS_SESSION_BUS_ADDRESS; only "unix:path=" is understood.
    explicit RawBusClient(const std::string& address);
    ~RawBusClient();
    RawBusClient(const RawBusClient&) = delete;
    RawBusClient& operator=(const RawBusClient&) = delete;

    // Authenticates and says Hello; false when the bus refused either.
    bool open();
    // Sends a method call whose arguments are all strings (raw bytes, unchecked) and
    // returns its serial.
    std::uint32_t call(const std::string& destination, const std::string& path,
                       const std::string& interface, const std::string& member,
                       const std::vector<std::string>& arguments);
    // The next whole message (header and body), or nothing when the connection ended or
    // nothing came in time.
    std::optional<std::string> receive(std::chrono::milliseconds timeout);
    bool closedByPeer() const { return m_closed; }

private:
    bool readSome(std::chrono::milliseconds timeout);

    int m_fd = -1;
    std::uint32_t m_serial = 0;
    std::string m_buffer;
    bool m_closed = false;
};

// A message's type byte: 2 for a method return, 3 for an error, 4 for a signal.
int messageType(const std::string& message);

} // namespace wb::test
