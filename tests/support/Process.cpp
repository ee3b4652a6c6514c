#include "tests/support/Process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iostream>
#include <iterator>
#include <poll.h>
#include <pwd.h>
#include <stdexcept>
#include <string_view>
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

// The test's own environment, for a child. With WB_CHILD_ASAN_OPTIONS set, the child's
// ASAN_OPTIONS get those added: the quick loop lets the programs it starts a few hundred
// times skip the leak check at their exit, half of a sanitizer build's start; the full
// run, without it, checks them for leaks.
std::vector<std::string> inheritedEnvironment()
{
    const char* childOptions = std::getenv("WB_CHILD_ASAN_OPTIONS");
    std::vector<std::string> result;
    std::string asanOptions;
    for (char** variable = environ; *variable; ++variable) {
        std::string entry(*variable);
        if (childOptions && nameOf(entry) == "ASAN_OPTIONS")
            asanOptions = entry.substr(entry.find('=') + 1) + ":";
        else
            result.push_back(std::move(entry));
    }
    if (childOptions)
        result.push_back("ASAN_OPTIONS=" + asanOptions + childOptions);
    return result;
}

// Where PATH finds a program named without a slash; the name itself otherwise, or when
// no directory has it (the start then fails with 127, as a shell's does).
std::string pathOf(const std::filesystem::path& program)
{
    const std::string name = program.string();
    const char* path = std::getenv("PATH");
    if (name.find('/') != std::string::npos || name.empty() || !path)
        return name;
    std::string_view directories(path);
    while (true) {
        const auto end = directories.find(':');
        const std::string directory(directories.substr(0, end));
        const std::string candidate = (directory.empty() ? "." : directory) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string_view::npos)
            return name;
        directories.remove_prefix(end + 1);
    }
}

// In the child: standard input, output and error as the options say (`pipes` holds the
// write ends for output and error when they are collected), the working directory,
// then the caller's own preparation. Pipes, not files: a file-size limit set in the
// child must not stop its messages.
void setUpChild(const ProcessOptions& options, const int (&pipes)[2][2])
{
    const int in = ::open(options.input.empty() ? "/dev/null" : options.input.c_str(), O_RDONLY);
    int out = pipes[0][1], err = pipes[1][1];
    if (options.inheritOutput)
        out = 1, err = 2;
    else if (!options.output.empty())
        out = err = ::open(options.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
        ::dup2(err, 2) < 0)
        ::_exit(127);
    for (const int fd : {in, out, err, pipes[0][0], pipes[1][0]})
        if (fd > 2)
            ::close(fd);
    if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0)
        ::_exit(127);
    if (options.inChild)
        options.inChild();
}

} // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& args, const ProcessOptions& options)
{
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp =
        options.environment ? *options.environment : inheritedEnvironment();
    // Built before the fork: the child only calls what is safe after one.
    auto argPointers = pointersTo(argv);
    auto envPointers = pointersTo(envp);
    const std::string path = pathOf(program);
    const int descriptor = options.programDescriptor;
    start(
        [&] {
            ::execve(path.c_str(), argPointers.data(), envPointers.data());
            if (descriptor >= 0)
                ::fexecve(descriptor, argPointers.data(), envPointers.data());
        },
        options);
}

ChildProcess::ChildProcess(const Launch& launch)
{
    ProcessOptions options;
    options.workingDirectory = launch.workingDirectory;
    options.output = launch.output;
    options.environment = launch.environment;
    std::vector<std::string> argv{launch.program.string()};
    argv.insert(argv.end(), launch.args.begin(), launch.args.end());
    auto argPointers = pointersTo(argv);
    std::vector<std::string> envp = launch.environment;
    auto envPointers = pointersTo(envp);
    start([&] { ::execve(argPointers[0], argPointers.data(), envPointers.data()); }, options);
}

ChildProcess::ChildProcess(const std::function<int()>& body, const ProcessOptions& options)
{
    start(
        [&] {
            const int status = body();
            std::cout.flush();
            std::cerr.flush();
            std::fflush(nullptr);
            ::_exit(status);
        },
        options);
}

void ChildProcess::start(const std::function<void()>& run, const ProcessOptions& options)
{
    int pipes[2][2] = {{-1, -1}, {-1, -1}};
    if (options.output.empty() && !options.inheritOutput)
        for (auto& pipe : pipes)
            if (::pipe2(pipe, O_CLOEXEC) != 0)
                throw std::runtime_error("pipe failed");
    if (options.timeLimit.count() > 0)
        m_deadline = std::chrono::steady_clock::now() + options.timeLimit;
    // Whatever the test has buffered would otherwise be written a second time, by the
    // child, into what it reports.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        setUpChild(options, pipes);
        run();
        ::_exit(127);
    }
    for (int i = 0; i < 2; ++i) {
        if (pipes[i][1] >= 0)
            ::close(pipes[i][1]);
        m_streams[i] = pipes[i][0];
    }
}

ChildProcess::~ChildProcess()
{
    if (!m_status) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    for (const int fd : m_streams)
        if (fd >= 0)
            ::close(fd);
}

bool ChildProcess::collect(std::chrono::milliseconds timeout)
{
    pollfd fds[2];
    int which[2];
    nfds_t count = 0;
    for (int i = 0; i < 2; ++i)
        if (m_streams[i] >= 0) {
            fds[count] = {m_streams[i], POLLIN, 0};
            which[count++] = i;
        }
    if (count == 0)
        return false;
    if (::poll(fds, count, int(timeout.count())) > 0)
        for (nfds_t k = 0; k < count; ++k)
            if (fds[k].revents != 0)
                readFrom(which[k]);
    return true;
}

void ChildProcess::readFrom(int stream)
{
    char buffer[65536];
    const ssize_t n = ::read(m_streams[stream], buffer, sizeof buffer);
    if (n > 0) {
        m_collected[stream].append(buffer, std::size_t(n));
    } else if (n == 0 || errno != EINTR) {
        ::close(m_streams[stream]);
        m_streams[stream] = -1;
    }
}

void ChildProcess::readWhatIsThere(int stream)
{
    while (m_streams[stream] >= 0) {
        pollfd ready{m_streams[stream], POLLIN, 0};
        if (::poll(&ready, 1, 0) <= 0)
            return;
        readFrom(stream);
    }
}

bool ChildProcess::reap()
{
    while (!m_status) {
        const pid_t done = ::waitpid(m_pid, &m_rawStatus, WNOHANG);
        if (done == m_pid)
            m_status = exitCodeOf(m_rawStatus);
        else if (done == 0)
            return false;
        else if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    }
    return true;
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    // A child that fills a pipe stalls until it is read, and a caller that polls with no
    // time to wait would never see it end.
    readWhatIsThere(0);
    readWhatIsThere(1);
    while (!reap()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        // Reading keeps a child that writes much from stalling on a full pipe.
        const auto slice = std::min(left, std::chrono::milliseconds(10));
        if (!collect(slice))
            std::this_thread::sleep_for(slice);
    }
    return m_status;
}

ProcessResult ChildProcess::finish()
{
    const bool limited = m_deadline != std::chrono::steady_clock::time_point::max();
    while (!reap()) {
        if (limited && !m_timedOut && std::chrono::steady_clock::now() >= m_deadline) {
            ::kill(m_pid, SIGKILL);
            m_timedOut = true;
        }
        // Reading keeps a child that writes much from stalling on a full pipe; once both
        // streams are closed, only its end is left to wait for.
        if (collect(std::chrono::milliseconds(10)))
            continue;
        if (!limited && ::waitpid(m_pid, &m_rawStatus, 0) == m_pid)
            m_status = exitCodeOf(m_rawStatus);
        else if (limited)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // What is left in the pipes, without waiting for descendants that may still hold them.
    readWhatIsThere(0);
    readWhatIsThere(1);
    ProcessResult result;
    result.exitCode = *m_status;
    result.signal = WIFSIGNALED(m_rawStatus) ? WTERMSIG(m_rawStatus) : 0;
    result.timedOut = m_timedOut;
    result.out = m_collected[0];
    result.err = m_collected[1];
    return result;
}

std::string ChildProcess::outputSoFar()
{
    readWhatIsThere(0);
    return m_collected[0];
}

std::string ChildProcess::errorSoFar()
{
    readWhatIsThere(1);
    return m_collected[1];
}

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const ProcessOptions& options)
{
    return ChildProcess(program, args, options).finish();
}

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDirectory,
                         const std::filesystem::path& inputFile)
{
    ProcessOptions options;
    options.workingDirectory = workingDirectory;
    options.input = inputFile;
    return runProcess(program, args, options);
}

ProcessResult runInChild(const std::function<int()>& body, const ProcessOptions& options)
{
    return ChildProcess(body, options).finish();
}

int runToEnd(const Launch& launch, std::chrono::seconds timeout)
{
    ChildProcess child(launch);
    return child.wait(timeout).value_or(-1);
}

std::vector<std::string> environmentWith(const std::vector<std::string>& changes,
                                         const std::vector<std::string>& removed)
{
    std::vector<std::string> result;
    for (const std::string& entry : inheritedEnvironment()) {
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

std::string becomeNobody()
{
    if (::geteuid() != 0)
        return {};
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        return "there is no user nobody";
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
        ::setuid(nobody->pw_uid) != 0)
        return "cannot become nobody";
    return {};
}

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace wb::test
