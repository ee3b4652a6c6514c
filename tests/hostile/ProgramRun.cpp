#include "tests/hostile/ProgramRun.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace wb::test {
namespace {

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (auto& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

int exitCodeOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string nameOf(const std::string& variable)
{
    return variable.substr(0, variable.find('='));
}

} // namespace

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
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        const int quiet = ::open("/dev/null", O_RDWR);
        ::dup2(quiet, 0);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        ::close(channel[0]);
        const std::string fd = std::to_string(channel[1]);
        ::execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen",
                "0", "1280x1024x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(channel[1]);
    std::string number;
    pollfd ready{channel[0], POLLIN, 0};
    char c = 0;
    while (::poll(&ready, 1, 30000) > 0 && ::read(channel[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(channel[0]);
    if (number.empty()) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        throw std::runtime_error("Xvfb did not start");
    }
    m_name = ":" + number;
}

VirtualDisplay::~VirtualDisplay()
{
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
}

std::vector<std::string> environmentWith(const std::vector<std::string>& changes,
                                         const std::vector<std::string>& removed)
{
    std::vector<std::string> result;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry(*variable);
        const std::string name = nameOf(entry);
        bool replaced = false;
        for (const auto& change : changes)
            replaced |= nameOf(change) == name;
        for (const auto& gone : removed)
            replaced |= gone == name;
        if (!replaced)
            result.push_back(entry);
    }
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}

ChildProcess::ChildProcess(const Launch& launch)
{
    std::vector<std::string> argv{launch.program.string()};
    argv.insert(argv.end(), launch.args.begin(), launch.args.end());
    std::vector<std::string> envp = launch.environment;
    auto argPointers = pointersTo(argv);
    auto envPointers = pointersTo(envp);

    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        const int out = ::open(launch.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        if (out < 0 || in < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0)
            ::_exit(127);
        if (!launch.workingDirectory.empty() && ::chdir(launch.workingDirectory.c_str()) != 0)
            ::_exit(127);
        ::execve(argPointers[0], argPointers.data(), envPointers.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    if (!m_status) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
}

std::optional<int> ChildProcess::wait(std::chrono::seconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!m_status) {
        int status = 0;
        const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid)
            m_status = exitCodeOf(status);
        else if (std::chrono::steady_clock::now() >= deadline)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_status;
}

int runToEnd(const Launch& launch, std::chrono::seconds timeout)
{
    ChildProcess child(launch);
    return child.wait(timeout).value_or(-1);
}

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace wb::test
