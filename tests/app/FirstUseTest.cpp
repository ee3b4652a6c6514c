// The main window as someone meets it for the first time: where the keyboard is, what
// the fields show, how the list answers the first keys and what language Qt's own
// menus speak.
#include "app/Application.h"
#include "platform/ListView.h"
#include "platform/PageControl.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

class FirstUse : public ::testing::Test {
protected:
    FirstUse()
        : form(dir.path(), reporter)
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    template <typename T = QWidget> T* named(const char* name) const
    {
        auto* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPoint inWindow(QWidget* widget, QPoint at) const { return widget->mapTo(&form, at); }

    test::TempDir dir;
    test::CollectingReporter reporter;
    TMainForm form;
};

// The menu's texts are looked up in the installed catalogue, as Qt looks them up.
TEST_F(FirstUse, TheSearchFieldsMenuSpeaksGerman)
{
    ASSERT_TRUE(static_cast<Application*>(qApp)->hasToolkitTranslation());
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    const QString selectAll = QCoreApplication::translate("QLineEdit", "Select All");
    ASSERT_NE(undo, "&Undo");
    auto* find = named<QLineEdit>("FindEd");
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, inWindow(find, {20, 10}));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    menu->close();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.first(), undo);
    EXPECT_EQ(texts.last(), selectAll);
}

} // namespace
} // namespace wb
