// The main window as someone meets it for the first time: where the keyboard is, what
// the fields show, how the list answers the first keys and what language Qt's own
// menus speak.
#include "app/Application.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

constexpr char kLongGerman[] = "Gr\xfcndonnerstagszeremonie mit dem britischen Monarchen";

test::GeneratedDictionary firstDictionary()
{
    test::GeneratedDictionary d;
    d.english = {{"hound", {0}}, {"hounded", {1}}, {"maundy", {2}}};
    d.german = {{"Hund", 0}, {"gehetzt", 1}, {kLongGerman, 2}};
    test::encode(d);
    return d;
}

class FirstUse : public ::testing::Test {
protected:
    FirstUse()
        : form((firstDictionary().writeTo(dir.path()), dir.path()), reporter)
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), Qt::Key(key), modifiers);
    }
    void search(const char* field, const char* text)
    {
        auto* find = named<QLineEdit>(field);
        find->setFocus();
        find->setText(QString::fromLatin1(text));
        press(Qt::Key_Return);
    }
    QImage look(QWidget* widget) const { return widget->grab().toImage(); }

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

// Before any key, and after keys that bring the focus back, the strip looks the same:
// with its focus frame, which it has not once the focus is elsewhere.
TEST_F(FirstUse, TheTabStripShowsItHasTheFocusFromTheStart)
{
    QTabBar* strip = named<TPageControl>("PageControl2")->tabBar();
    ASSERT_TRUE(strip->hasFocus());
    const QImage atStart = look(strip);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(strip->hasFocus());
    EXPECT_EQ(look(strip), atStart);
    press(Qt::Key_Tab);
    EXPECT_NE(look(strip), atStart);
}

TEST_F(FirstUse, TheFirstDownSpaceOrHomeInTheListSelectsTheFirstRow)
{
    for (const int key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Home}) {
        SCOPED_TRACE(key);
        search("FindEd", "hound");
        press(Qt::Key_Tab); // the search button
        press(Qt::Key_Tab);
        auto* list = named<TListView>("ListView1");
        ASSERT_TRUE(list->hasFocus());
        ASSERT_EQ(list->selectedRow(), -1);
        press(key);
        EXPECT_EQ(list->selectedRow(), 0);
        EXPECT_EQ(named<QLineEdit>("VonEd1")->text(), "hound");
    }
    press(Qt::Key_Down); // from there on the keys move as usual
    EXPECT_EQ(named<TListView>("ListView1")->selectedRow(), 1);
    press(Qt::Key_Home);
    EXPECT_EQ(named<TListView>("ListView1")->selectedRow(), 0);
}

// The field showing a long text looks, along its start, as a field holding only the
// first word does. The long German headword is the word on one page and the
// translation on the other.
TEST_F(FirstUse, TheFieldsShowALongSelectionFromItsFirstLetter)
{
    struct Page {
        int index;
        const char *find, *text, *list, *field;
    };
    for (const Page& page : {Page{1, "FindEd2", "gr", "ListView2", "VonEd2"},
                             Page{0, "FindEd", "maundy", "ListView1", "NachEd1"}}) {
        SCOPED_TRACE(page.field);
        named<TPageControl>("PageControl2")->setCurrentIndex(page.index);
        search(page.find, page.text);
        auto* list = named<TListView>(page.list);
        ASSERT_EQ(list->Items().count(), 1);
        const QRect row = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          inWindow(list->viewport(), row.center()));
        ASSERT_EQ(list->selectedRow(), 0);
        auto* shown = named<QLineEdit>(page.field);
        const QString text = QString::fromLatin1(kLongGerman);
        ASSERT_EQ(shown->text(), text);
        ASSERT_GT(shown->fontMetrics().horizontalAdvance(text), shown->width());
        const QString firstWord = text.section(QLatin1Char(' '), 0, 0);
        QLineEdit alone(firstWord, shown->parentWidget());
        alone.setGeometry(shown->geometry());
        const int start =
            std::min(shown->fontMetrics().horizontalAdvance(firstWord), shown->width() - 8);
        EXPECT_EQ(look(shown).copy(0, 0, start, shown->height()),
                  look(&alone).copy(0, 0, start, shown->height()));
    }
}

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
