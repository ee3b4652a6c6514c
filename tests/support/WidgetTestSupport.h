#pragma once
// For tests of self-drawn controls: a QApplication that records what reaches the
// general error handler and the help viewer, both drawing modes as styles, and
// rendering a control into an image offscreen.
#include "Forms.h"
#include "GeneralErrorHandler.h"

#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

class QStyle;
class QWidget;

namespace wb::test {

class TestApplication : public QApplication, public GeneralErrorHandler, public HelpViewer {
public:
    TestApplication(int& argc, char** argv);
    void handleException(std::exception_ptr error) override;
    void showHelpContext(int context) override { helpContexts.push_back(context); }

    std::vector<std::string> errors;
    std::vector<int> helpContexts;
};

TestApplication& testApplication();

// Qt's classic "Windows" style and the themed Fusion style, alive for the whole run.
QStyle* classicStyle();
QStyle* themedStyle();

// The control as it paints itself now, in an image of its size.
QImage render(QWidget& widget);

// Shows `window`, makes it the active window and waits until it is.
bool showActive(QWidget& window);

} // namespace wb::test
