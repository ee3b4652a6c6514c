#include "tests/hostile/ProgramRun.h"

#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace wb::test {

bool VirtualDisplay::available()
{
    return ::access("/usr/bin/Xvfb", X_OK) == 0;
}

VirtualDisplay::VirtualDisplay()
{
    // With -displayfd the server picks a free display number and writes it to the pipe
    // once it accepts clients, so neither a guess nor a sleep is needed.
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("pipe failed");
    ProcessOptions options;
    options.output = "/dev/null";
    options.inChild = [&] { ::close(channel[0]); };
    m_server = std::make_unique<ChildProcess>(
        "/usr/bin/Xvfb",
        std::vector<std::string>{"-displayfd", std::to_string(channel[1]), "-nolisten", "tcp",
                                 "-screen", "0", "1280x1024x24"},
        options);
    ::close(channel[1]);
    std::string number;
    pollfd ready{channel[0], POLLIN, 0};
    char c = 0;
    while (::poll(&ready, 1, 30000) > 0 && ::read(channel[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(channel[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start"); // m_server kills it
    m_name = ":" + number;
}

VirtualDisplay::~VirtualDisplay()
{
    ::kill(m_server->pid(), SIGTERM);
    m_server->wait(std::chrono::seconds(30));
}

} // namespace wb::test
