#pragma once
// An X display of the test's own (Xvfb), for running the real programs the way a
// desktop runs them; tests/support/Process.h starts them there.
#include "tests/support/Process.h"

#include <memory>
#include <string>

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
    std::unique_ptr<ChildProcess> m_server;
    std::string m_name;
};

} // namespace wb::test
