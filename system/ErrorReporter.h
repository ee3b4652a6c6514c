#pragma once
// The one way the program tells its user about a problem. The program shows a modal
// error box; tests and the command-line tool collect or print the messages instead.
#include <string_view>

namespace wb {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Reports a message (UTF-8) and returns once the user has seen it.
    virtual void reportError(std::string_view message) = 0;
};

} // namespace wb
