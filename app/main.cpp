#include "app/Application.h"
#include "app/StartArguments.h"
#include "app/StartWord.h"
#include "messages/UserMessages.h"
#include "platform/MessageBox.h"
#include "platform/TerminationRequests.h"
#include "system/ExecutablePath.h"
#include "ui/MainUnit1.h"

#include <cstdio>

namespace {

// The file-error boxes pass no caption of their own and take the desktop's default
// one. Once the session has asked the program to end, no further box is shown.
class StartupErrors : public wb::ErrorReporter {
public:
    explicit StartupErrors(const wb::TerminationRequests& termination)
        : m_termination(termination)
        , m_boxes(QString::fromUtf8(wb::messages::kErrorCaption))
    {
    }
    void reportError(std::string_view message) override
    {
        if (!m_termination.requested())
            m_boxes.reportError(message);
    }

private:
    const wb::TerminationRequests& m_termination;
    wb::MessageBoxReporter m_boxes;
};

} // namespace

int main(int argc, char** argv)
{
    wb::Application application(argc, argv);
    const auto request = wb::parseStartArguments(application.arguments().mid(1));
    if (!request) {
        std::fprintf(stderr, "%s\n", wb::kStartUsage);
        return 64;
    }
    wb::TerminationRequests termination;
    StartupErrors fileErrors(termination);
    TMainForm MainForm(wb::DataDirectory([] { return wb::executableDirectory(); }), fileErrors);
    if (termination.requested())
        return 0; // asked to end while the dictionary was loading
    MainForm.showCentred();
    if (request->word) {
        const auto start = wb::startOn(
            *MainForm.store(), [] { return wb::executableDirectory(); }, *request);
        MainForm.lookUp(start.direction, *start.word);
    }
    return application.exec();
}
