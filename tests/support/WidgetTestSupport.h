#pragma once
// For tests of self-drawn controls: a QApplication whose general error handler and
// help viewer report to the test's Recording, both drawing modes as styles, and
// rendering a control into an image offscreen.
#include "platform/Forms.h"
#include "platform/GeneralErrorHandler.h"

#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

class QStyle;
class QWidget;

namespace wb::test {

class Recording;

class TestApplication : public QApplication, public GeneralErrorHandler, public HelpViewer {
public:
    TestApplication(int& argc, char** argv);
    // Outside a Recording, an error that reaches the handler fails the running test
    // and a request for help is dropped.
    void handleException(std::exception_ptr error) override;
    void showHelpContext(int context) override;

private:
    friend class Recording;
    Recording* m_recording = nullptr;
};

// Collects what reaches the general error handler and the help viewer while it lives;
// when it goes, the recording before it (or none) is current again, so nothing that a
// test recorded outlives it, however the test ended.
class Recording {
public:
    Recording();
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    std::vector<std::string> errors;
    std::vector<int> helpContexts;

private:
    Recording* m_previous;
};

// Qt's classic "Windows" style and the themed Fusion style, alive for the whole run.
QStyle* classicStyle();
QStyle* themedStyle();

// The control as it paints itself now, in an image of its size.
QImage render(QWidget& widget);

// Shows `window`, makes it the active window and waits until it is.
bool showActive(QWidget& window);

} // namespace wb::test
