#include "controls/PushButton.h"

#include "platform/Forms.h"
#include "platform/GeneralErrorHandler.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionButton>

namespace {

// Enter and Escape of a window that holds push buttons. The keys reach the window
// only when the focused control has not used them (a line edit passes Enter on, a
// multi-line editor keeps it), so the filter on the window sees exactly the keys
// that are meant for its buttons; it takes them whether or not a button reacts,
// which also keeps QDialog from closing on Escape by itself.
class WindowKeys : public QObject {
public:
    static constexpr char kName[] = "wb-window-keys";

    static void install(QWidget* window)
    {
        if (window->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly))
            return;
        auto* keys = new WindowKeys(window);
        keys->setObjectName(QLatin1String(kName));
        window->installEventFilter(keys);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A control built before it was put into its window may have installed a
        // filter on what was its top-level widget then.
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::KeyPress || !window->isWindow())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            clickFirst(window, [](const TButton* b) { return b->isActive(); });
            return true;
        case Qt::Key_Escape:
            clickFirst(window, [](const TButton* b) { return b->Cancel(); });
            return true;
        default:
            return false;
        }
    }

private:
    using QObject::QObject;

    template <typename Wanted> static void clickFirst(QWidget* window, Wanted wanted)
    {
        for (TButton* button : window->findChildren<TButton*>())
            if (wanted(button) && button->canFocus()) {
                button->Click();
                return;
            }
    }
};

} // namespace

TButton::TButton(QWidget* parent)
    : QPushButton(parent)
{
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMovedTo(now); });
    installWindowKeys();
}

// A focused button loses the focus while QWidget's destructor runs, when it is no
// longer a TButton; the focus handler must not see that.
TButton::~TButton()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TButton::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    update();
}

void TButton::setDefault(bool value)
{
    m_default = value;
    QWidget* form = window();
    if (!form->testAttribute(Qt::WA_WState_Created)) {
        m_active = value; // the state a button starts with when its window is created
        return;
    }
    const QWidget* focus = form->focusWidget();
    for (TButton* button : form->findChildren<TButton*>())
        button->updateActive(focus);
    if (form == this)
        updateActive(focus);
}

bool TButton::canFocus() const
{
    return isVisible() && isEnabled();
}

void TButton::Click()
{
    if (QWidget* form = wb::parentForm(this))
        wb::setModalResult(form, m_modalResult);
    wb::invokeHandler([this] {
        if (OnClick)
            OnClick();
    });
}

void TButton::activeChanged(bool)
{
    update();
}

bool TButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        // The mnemonic clicks at once, without taking the focus.
        if (canFocus())
            Click();
        return true;
    case QEvent::ParentChange:
    case QEvent::Show: // an ancestor may have moved the button into another window
        installWindowKeys();
        break;
    case QEvent::KeyPress: {
        // Enter is the window's business (see WindowKeys), never the button's own.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->ignore();
            return false;
        }
        break;
    }
    default:
        break;
    }
    return QPushButton::event(event);
}

void TButton::initStyleOption(QStyleOptionButton* option) const
{
    QPushButton::initStyleOption(option);
    if (m_active)
        option->features |= QStyleOptionButton::DefaultButton;
}

void TButton::focusMovedTo(QWidget* now)
{
    if (now && now->window() == window())
        updateActive(now);
}

void TButton::updateActive(const QWidget* focus)
{
    if (focus == this)
        m_active = true;
    else if (qobject_cast<const QPushButton*>(focus))
        m_active = false;
    else
        m_active = m_default;
    activeChanged(m_active);
}

void TButton::installWindowKeys()
{
    if (QWidget* form = wb::parentForm(this))
        WindowKeys::install(form);
}
