#include "Application.h"
#include "ExecutablePath.h"
#include "MainUnit1.h"
#include "MessageBox.h"

int main(int argc, char** argv)
{
    wb::Application application(argc, argv);
    // The file-error boxes pass no caption of their own; this is the desktop's
    // default caption for an error box.
    wb::MessageBoxReporter fileErrors(QStringLiteral("Fehler"));
    TMainForm MainForm(wb::executableDirectory(), fileErrors);
    MainForm.showCentred();
    return application.exec();
}
