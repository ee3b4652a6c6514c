#include "controls/PushButton.h"
#include "platform/Forms.h"
#include "tests/support/WidgetTestSupport.h"

#include <QDialog>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct CountingButton {
    TButton* button;
    int clicks = 0;

    CountingButton(QWidget* parent, const QString& caption, QPoint position)
        : button(new TButton(parent))
    {
        button->setCaption(caption);
        button->move(position);
        button->OnClick = [this] { ++clicks; };
    }
};

// A window as the program builds them: a text field, a Default and a Cancel button,
// another push button, and a Default button on a page that is not shown.
class ButtonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 200);
        edit->setGeometry(5, 5, 100, 22);
        pages->setGeometry(5, 100, 200, 60);
        pages->addWidget(new QWidget);
        pages->addWidget(hiddenPage);
        ok.button->setDefault(true);
        cancel.button->setCancel(true);
        hiddenDefault.button->setDefault(true);
        ASSERT_TRUE(wb::test::showActive(window));
        edit->setFocus();
    }

    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.windowHandle(), Qt::Key(key), modifiers);
    }

    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    QStackedWidget* pages = new QStackedWidget(&window);
    QWidget* hiddenPage = new QWidget;
    CountingButton ok{&window, QStringLiteral("OK"), {120, 5}};
    CountingButton cancel{&window, QStringLiteral("Abbrechen"), {200, 5}};
    CountingButton other{&window, QStringLiteral("&Suchen"), {280, 5}};
    CountingButton hiddenDefault{hiddenPage, QStringLiteral("Weiter"), {0, 0}};
};

TEST_F(ButtonWindow, EnterClicksTheDefaultButtonThatCanTakeTheFocusWithoutModifiers)
{
    EXPECT_TRUE(ok.button->isActive());
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_EQ(ok.clicks, 2);
    EXPECT_EQ(hiddenDefault.clicks, 0); // its page is hidden

    press(Qt::Key_Return, Qt::ShiftModifier);
    press(Qt::Key_Return, Qt::ControlModifier);
    press(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(ok.clicks, 2);

    ok.button->setEnabled(false);
    press(Qt::Key_Return);
    EXPECT_EQ(ok.clicks, 2);
    EXPECT_EQ(hiddenDefault.clicks, 0);
}

TEST_F(ButtonWindow, AFocusedPushButtonTakesEnterAwayFromTheDefaultButton)
{
    other.button->setFocus();
    EXPECT_TRUE(other.button->isActive());
    EXPECT_FALSE(ok.button->isActive());
    press(Qt::Key_Return);
    EXPECT_EQ(other.clicks, 1);
    EXPECT_EQ(ok.clicks, 0);

    edit->setFocus();
    EXPECT_TRUE(ok.button->isActive());
    EXPECT_FALSE(other.button->isActive());
    ok.button->setDefault(false); // re-evaluated at once
    EXPECT_FALSE(ok.button->isActive());
    press(Qt::Key_Return);
    EXPECT_EQ(ok.clicks, 0);
}

TEST_F(ButtonWindow, EscapeClicksTheCancelButtonAndTheMnemonicItsButton)
{
    press(Qt::Key_Escape);
    EXPECT_EQ(cancel.clicks, 1);
    press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(cancel.clicks, 1);

    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(other.clicks, 1);
    EXPECT_TRUE(edit->hasFocus()); // the mnemonic clicks without moving the focus
    other.button->hide();
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(other.clicks, 1);
}

TEST_F(ButtonWindow, AnErrorInOnClickGoesToTheGeneralErrorHandler)
{
    wb::test::Recording recording;
    ok.button->OnClick = [] { throw std::runtime_error("Fehler im Handler"); };
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(recording.errors,
              (std::vector<std::string>{"Fehler im Handler", "Fehler im Handler"}));
}

TEST(TButtonKeys, APanelBuiltBeforeItJoinedItsWindowPassesEnterOnToTheWindow)
{
    auto* panel = new QWidget;
    auto* edit = new QLineEdit(panel);
    new TButton(panel); // makes the panel a window of buttons for a while
    QWidget window;
    window.resize(300, 100);
    CountingButton ok{&window, QStringLiteral("OK"), {150, 5}};
    ok.button->setDefault(true);
    panel->setParent(&window);
    ASSERT_TRUE(wb::test::showActive(window));
    edit->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(ok.clicks, 1);
}

// Runs `dialog` modally while `whileShown` acts on it; returns exec()'s result.
template <typename Action> int runModal(QDialog& dialog, Action whileShown)
{
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowActive(&dialog))
            whileShown();
        QTimer::singleShot(300, &dialog, [&] { dialog.done(-1); }); // never hang
    });
    return dialog.exec();
}

TEST(TButtonModalResult, AClickHandsTheResultToTheDialogWhichClosesAfterOnClick)
{
    QDialog dialog;
    dialog.resize(200, 100);
    TButton button(&dialog);
    button.setModalResult(mrOk);
    bool shownDuringOnClick = false;
    button.OnClick = [&] { shownDuringOnClick = dialog.isVisible(); };
    const int result = runModal(dialog, [&] {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, button.geometry().center());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(shownDuringOnClick);
}

TEST(TButtonModalResult, OnClickMayTakeTheResultBackAndEscapeAloneDoesNotClose)
{
    QDialog dialog;
    dialog.resize(200, 100);
    TButton button(&dialog);
    button.setModalResult(mrOk);
    button.OnClick = [&] { wb::setModalResult(&dialog, mrNone); };
    bool openAfterClick = false, openAfterEscape = false;
    const int result = runModal(dialog, [&] {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, button.geometry().center());
        QCoreApplication::processEvents();
        openAfterClick = dialog.isVisible();
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        openAfterEscape = dialog.isVisible();
    });
    EXPECT_TRUE(openAfterClick);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(result, -1);
}

} // namespace
