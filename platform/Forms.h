#pragma once
// What a control asks of the window it lies on: the window's modal result, help for
// a help context. A window here is a top-level QWidget; a modal dialog is a QDialog
// running exec().
#include <QString>

class QWidget;

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrAll = 8;

namespace wb {

// The window that `control` lies on, or none when the control is a window itself.
QWidget* parentForm(QWidget* control);

// The control lies in a window and it and every parent up to that window are
// visible and enabled, so it can take the keyboard focus.
bool canFocus(const QWidget* control);

int modalResult(const QWidget* form);
// Stores the result; a modal dialog closes with it, once the current event has been
// handled, when it is not zero by then.
void setModalResult(QWidget* form, int result);

// A control's help context; 0 means none.
int helpContext(const QWidget* control);
void setHelpContext(QWidget* control, int context);

// Implemented by an application object that can show help.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelpContext(int context) = 0;
};

// Shows help for `context` if the application can; returns whether it could.
bool showHelp(int context);

} // namespace wb
