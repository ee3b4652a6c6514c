#pragma once
// The push button as the windows use it, over QPushButton: a caption with an "&"
// mnemonic, the Default and Cancel roles, a modal result handed to the window on a
// click, and the OnClick handler. Enter clicks the active button and Escape a Cancel
// button; the window's buttons keep track of which one is active as the focus moves. It
// does not paint anything of its own; self-drawn buttons derive from it.
#include <QPushButton>
#include <functional>

class TButton : public QPushButton {
    Q_OBJECT

public:
    explicit TButton(QWidget* parent = nullptr);
    ~TButton() override;

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    // Hides QPushButton::setDefault: the role is ours, not QDialog's.
    bool Default() const { return m_default; }
    void setDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool value) { m_cancel = value; }
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    std::function<void()> OnClick;

    // Enter clicks this button (the keyboard side of the active state).
    bool isActive() const { return m_active; }
    // The button and all its parents are visible and enabled.
    bool canFocus() const;

    // The modal result goes to the window, then OnClick runs.
    virtual void Click();

protected:
    // Called on every focus change within the window with the new active state.
    virtual void activeChanged(bool active);

    bool event(QEvent* event) override;
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    void focusMovedTo(QWidget* now);
    void updateActive(const QWidget* focus);
    void installWindowKeys();

    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
    bool m_active = false;
};
