#pragma once
// Running the real programs from tests the way a desktop runs them: on an X display of
// the test's own (Xvfb), with an environment and a working directory chosen by the
// test, in the background so that the test can close their windows.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace wb::test {

// An Xvfb server on a display number nobody else uses, stopped with the object.
class VirtualDisplay {
public:
    VirtualDisplay(); // throws std::runtime_error when the server does not come up
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    static bool available();                           // whether Xvfb is installed
    const std::string& name() const { return m_name; } // for DISPLAY, such as ":3"

private:
    pid_t m_pid = -1;
    std::string m_name;
};

// The test's own environment with `changes` ("NAME=value") put in and every variable
// named in `removed` taken out.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes,
                                         const std::vector<std::string>& removed = {});

struct Launch {
    std::filesystem::path program;
    std::vector<std::string> args;
    std::vector<std::string> environment;
    std::filesystem::path workingDirectory;
    std::filesystem::path output; // stdout and stderr go here
};

// A program started in the background; killed with the object if it still runs.
class ChildProcess {
public:
    explicit ChildProcess(const Launch& launch);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // The exit code (128 + the signal's number when a signal ended it), or nothing when
    // it still runs after `timeout`.
    std::optional<int> wait(std::chrono::seconds timeout);

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// Runs `launch` to its end (killing it after `timeout`) and returns its exit code, or
// -1 when it had to be killed.
int runToEnd(const Launch& launch, std::chrono::seconds timeout);

std::string readText(const std::filesystem::path& path);

} // namespace wb::test
