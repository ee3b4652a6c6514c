#pragma once
// Turns the desktop session's request to end the program (SIGTERM, SIGHUP, SIGINT)
// into closing every window from the event loop, so that the program shuts down the
// same way as when the user closes its window. Only one instance may exist.
#include <QObject>

class QSocketNotifier;

namespace wb {

class TerminationRequests : public QObject {
public:
    TerminationRequests();
    ~TerminationRequests() override;

    // Whether a request has arrived (it may arrive before the event loop runs).
    bool requested() const { return m_requested; }

private:
    void onSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace wb
