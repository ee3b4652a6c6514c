#pragma once
// Starting programs, or a function in a forked copy of the test, for the tests and the
// benchmarks: arguments without a shell, standard input, an environment, a working
// directory, something to do in the child before it runs, and a time limit; the result
// is the exit status or the signal, with what the child wrote. It knows no test framework.
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace wb::test {

struct ProcessResult {
    int exitCode = -1;     // the exit status, or 128 + the number of the signal that ended it
    int signal = 0;        // that signal; 0 when the child exited
    bool timedOut = false; // killed at the time limit
    std::string out;
    std::string err;
};

struct ProcessOptions {
    std::filesystem::path workingDirectory; // the test's own when empty
    std::filesystem::path input;            // standard input; /dev/null when empty
    // Standard output and error both go to this file and are not collected.
    std::filesystem::path output;
    // Standard output and error stay the test's own, so that what the child says shows
    // in the test's log as it says it; nothing is collected.
    bool inheritOutput = false;
    // The whole environment, "NAME=value" each; the test's own when unset.
    std::optional<std::vector<std::string>> environment;
    // Runs in the child after its descriptors are set up, just before the program:
    // limits, signal dispositions, another standard output, giving up root.
    std::function<void()> inChild;
    // An open descriptor of the program, run when its path cannot be (deleted since it
    // was opened, or no longer searchable after the child gave up root).
    int programDescriptor = -1;
    std::chrono::milliseconds timeLimit{0}; // none when zero; then SIGKILL
};

// A program started the way a desktop starts one, with its output in one file.
struct Launch {
    std::filesystem::path program;
    std::vector<std::string> args;
    std::vector<std::string> environment;
    std::filesystem::path workingDirectory;
    std::filesystem::path output; // stdout and stderr go here
};

// A child started in the background; killed with the object if it still runs. A
// program named without a slash is looked for on PATH, as a shell looks for it.
class ChildProcess {
public:
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                 const ProcessOptions& options = {});
    explicit ChildProcess(const Launch& launch);
    // `body` runs in a forked copy of the test; its return value is the exit status.
    ChildProcess(const std::function<int()>& body, const ProcessOptions& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // The exit code (128 + the signal's number when a signal ended it), or nothing when
    // it still runs after `timeout`. Zero only looks, for callers that poll from a loop
    // of their own (an event loop); each call reads what the child wrote meanwhile.
    std::optional<int> wait(std::chrono::milliseconds timeout);
    // Waits for the end (killing the child at the options' time limit) and collects
    // what it wrote.
    ProcessResult finish();
    // What the child has written to standard output or error so far.
    std::string outputSoFar();
    std::string errorSoFar();

private:
    void start(const std::function<void()>& run, const ProcessOptions& options);

    // Reads what the child has written so far, waiting up to `timeout` for some; false
    // once both streams are closed.
    bool collect(std::chrono::milliseconds timeout);
    void readFrom(int stream);
    void readWhatIsThere(int stream);
    bool reap(); // true once the child has ended

    pid_t m_pid = -1;
    int m_rawStatus = 0;
    std::optional<int> m_status;
    bool m_timedOut = false;
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::time_point::max();
    // The read ends of the pipes on the child's standard output and error; -1 once
    // closed, or when the output goes to a file.
    int m_streams[2] = {-1, -1};
    std::string m_collected[2];
};

// Runs `program` with `args` to its end.
ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const ProcessOptions& options);
ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDirectory = {},
                         const std::filesystem::path& inputFile = {});

// Runs `body` in a forked copy of the test; its return value is the exit status.
// What it writes to standard output and error is collected.
ProcessResult runInChild(const std::function<int()>& body, const ProcessOptions& options = {});

// The test's own environment with `changes` ("NAME=value") put in and every variable
// named in `removed` taken out.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes,
                                         const std::vector<std::string>& removed = {});

// For a child: permission bits do not stop root, so root becomes the user nobody. Empty
// when that worked or was not needed, otherwise why it could not be done.
std::string becomeNobody();

std::string readText(const std::filesystem::path& path);

// Runs `launch` to its end (killing it after `timeout`) and returns its exit code, or
// -1 when it had to be killed.
int runToEnd(const Launch& launch, std::chrono::seconds timeout);

} // namespace wb::test
