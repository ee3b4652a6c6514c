#pragma once
// The application-wide handler for errors raised inside event handlers. Handlers of
// our own run through invokeHandler(), so an exception is caught before it could
// unwind through the toolkit's frames (which do not expect it); the application
// object implements the handler.
#include <exception>
#include <utility>

namespace wb {

class GeneralErrorHandler {
public:
    virtual ~GeneralErrorHandler() = default;
    virtual void handleException(std::exception_ptr error) = 0;
};

// Hands `error` to the application's general error handler; rethrows it when the
// application has none.
void handleUncaughtException(std::exception_ptr error);

// Runs an event handler; whatever it throws goes to the general error handler and
// the handler is abandoned.
template <typename Handler> void invokeHandler(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        handleUncaughtException(std::current_exception());
    }
}

} // namespace wb
