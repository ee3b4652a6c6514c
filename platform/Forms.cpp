#include "platform/Forms.h"

#include <QCoreApplication>
#include <QDialog>
#include <QVariant>

namespace wb {
namespace {

constexpr char kModalResult[] = "ModalResult";
constexpr char kHelpContext[] = "HelpContext";

} // namespace

QWidget* parentForm(QWidget* control)
{
    QWidget* form = control ? control->window() : nullptr;
    return form == control ? nullptr : form;
}

bool canFocus(const QWidget* control)
{
    return control && !control->isWindow() && control->isVisible() && control->isEnabled();
}

int modalResult(const QWidget* form)
{
    return form->property(kModalResult).toInt();
}

void setModalResult(QWidget* form, int result)
{
    form->setProperty(kModalResult, result);
    auto* dialog = qobject_cast<QDialog*>(form);
    if (result == mrNone || !dialog || !dialog->isModal() || !dialog->isVisible())
        return;
    // A modal loop looks at the result only between events, so the handler that set
    // it runs to its end first and may still take it back.
    QMetaObject::invokeMethod(
        dialog,
        [dialog] {
            const int current = modalResult(dialog);
            if (current != mrNone && dialog->isVisible())
                dialog->done(current);
        },
        Qt::QueuedConnection);
}

int helpContext(const QWidget* control)
{
    return control->property(kHelpContext).toInt();
}

void setHelpContext(QWidget* control, int context)
{
    control->setProperty(kHelpContext, context);
}

bool showHelp(int context)
{
    auto* viewer = dynamic_cast<HelpViewer*>(QCoreApplication::instance());
    if (viewer)
        viewer->showHelpContext(context);
    return viewer != nullptr;
}

} // namespace wb
