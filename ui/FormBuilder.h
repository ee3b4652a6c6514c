#pragma once
// Builds a window's controls from their description (FormControls.h) and finds them by
// name afterwards. It creates, places and dresses controls; it binds no handler and
// owns no control: every control it makes belongs to the window it builds.
#include "ui/FormControls.h"

#include <QHash>
#include <QMetaObject>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

class TRxLabel;

namespace wb {

// A control looked up by a name the window does not have, or as a kind it is not.
class ControlLookupError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class FormBuilder {
public:
    explicit FormBuilder(QWidget& form);

    // Creates `controls` in order, each on its parent (the window for none): a parent
    // is listed before its children, and strips along one edge lie in table order from
    // that edge. Throws when a picture is missing or a parent unknown.
    void create(const form::Controls& controls);

    QWidget& widget(const QString& name) const;
    // The control `name` as a `T`; throws ControlLookupError naming the control and the
    // kind when there is no such control or it is not a `T`.
    template <typename T> T& control(const QString& name) const;

private:
    QWidget* createControl(const form::Control& control);
    void place(QWidget& widget, const form::Control& control);
    void dressRxLabel(TRxLabel& label, const form::Control& control);

    QWidget& m_form;
    QHash<QString, QWidget*> m_controls;
};

template <typename T> T& FormBuilder::control(const QString& name) const
{
    if (auto* typed = dynamic_cast<T*>(&widget(name)))
        return *typed;
    throw ControlLookupError("control " + name.toStdString() + " is not a " +
                             T::staticMetaObject.className());
}

} // namespace wb
