// What a screen reader finds in the main window: the names of the controls that take
// the focus, the pictures that act as buttons, and the result rows of a search, all
// reached by walking the window's accessibility tree from its root.
#include "app/Application.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

test::GeneratedDictionary dictionary()
{
    test::GeneratedDictionary d;
    d.english = {{"home", {1}}, {"house", {0, 1}}, {"houseboat", {0}}, {"mouse", {2}}};
    d.german = {{"Haus", 1}, {"Heim", 0}, {"Maus", 3}};
    test::encode(d);
    return d;
}

class AccessibilityTree : public ::testing::Test {
protected:
    AccessibilityTree()
        : form((dictionary().writeTo(dir.path()), dir.path()), files)
    {
        static_cast<Application*>(qApp)->setErrorReporter(&errors);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        walk(QAccessible::queryAccessibleInterface(&form));
    }
    ~AccessibilityTree() override { static_cast<Application*>(qApp)->setErrorReporter(nullptr); }

    // Every interface below the window, keyed by the object it stands for; a table's
    // cells stand for no object and are read through the table.
    void walk(QAccessibleInterface* node)
    {
        ASSERT_NE(node, nullptr);
        if (node->object())
            found.insert(node->object(), node);
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i); child && child->object())
                walk(child);
    }
    QAccessibleInterface* reached(const char* name)
    {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        QAccessibleInterface* node = found.value(widget);
        EXPECT_NE(node, nullptr) << name << " is not in the tree";
        return node;
    }
    QString nameOf(const char* control)
    {
        QAccessibleInterface* node = reached(control);
        return node ? node->text(QAccessible::Name) : QString();
    }

    test::TempDir dir;
    test::CollectingReporter files;
    test::CollectingReporter errors;
    TMainForm form;
    QHash<QObject*, QAccessibleInterface*> found;
};

TEST_F(AccessibilityTree, NamesEveryControlThatTakesTheFocusOnBothPages)
{
    for (const char* suffix : {"", "2"}) {
        SCOPED_TRACE(suffix);
        const QByteArray findEdit = QByteArray("FindEd") + suffix;
        const QByteArray findButton = QByteArray("FindBtn") + suffix;
        const QByteArray list = QByteArray("ListView") + (*suffix ? suffix : "1");
        const QByteArray word = QByteArray("VonEd") + (*suffix ? suffix : "1");
        const QByteArray translation = QByteArray("NachEd") + (*suffix ? suffix : "1");
        EXPECT_EQ(nameOf(findEdit), "Suchtext");
        EXPECT_EQ(nameOf(findButton), "Suchen...");
        EXPECT_EQ(nameOf(list), "Ergebnisse");
        EXPECT_EQ(nameOf(word), "Wort");
        EXPECT_EQ(nameOf(translation), QStringLiteral("Übersetzungen"));
        EXPECT_EQ(reached(findEdit)->role(), QAccessible::EditableText);
        EXPECT_EQ(reached(findButton)->role(), QAccessible::Button);
    }
    auto* pages = form.findChild<TPageControl*>(QStringLiteral("PageControl2"));
    ASSERT_NE(pages, nullptr);
    // The page control is named for its pages; the tab bar inside it, which takes the
    // focus, offers each page as a tab of its own name.
    const QString pagesName = nameOf("PageControl2");
    QAccessibleInterface* tabs = found.value(pages->tabBar());
    ASSERT_NE(tabs, nullptr);
    ASSERT_GE(tabs->childCount(), pages->count()); // then its scroll buttons
    for (int i = 0; i < pages->count(); ++i) {
        EXPECT_TRUE(pagesName.contains(pages->tabText(i))) << pagesName.toStdString();
        EXPECT_EQ(tabs->child(i)->role(), QAccessible::PageTab);
        EXPECT_EQ(tabs->child(i)->text(QAccessible::Name), pages->tabText(i));
    }

    // Whatever else takes the focus has a name too.
    for (QWidget* widget : form.findChildren<QWidget*>())
        if (widget->focusPolicy() & Qt::TabFocus) {
            QAccessibleInterface* node = found.value(widget);
            ASSERT_NE(node, nullptr) << widget->objectName().toStdString();
            EXPECT_FALSE(node->text(QAccessible::Name).isEmpty())
                << widget->objectName().toStdString();
        }
}

TEST_F(AccessibilityTree, ShowsTheClickablePicturesAsNamedButtonsAndOthersAsGraphics)
{
    EXPECT_EQ(nameOf("ueberbtn"), QStringLiteral("Über"));
    EXPECT_EQ(nameOf("EndeBtn"), "Ende");
    for (const char* button : {"ueberbtn", "EndeBtn"}) {
        QAccessibleInterface* node = reached(button);
        EXPECT_EQ(node->role(), QAccessible::Button) << button;
        ASSERT_NE(node->actionInterface(), nullptr) << button;
        EXPECT_TRUE(node->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()))
            << button;
    }
    QAccessibleInterface* side = reached("Image6");
    EXPECT_EQ(side->role(), QAccessible::Graphic);
    EXPECT_FALSE(
        side->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(AccessibilityTree, PressingTheExitButtonClosesTheWindow)
{
    QAccessibleInterface* exit = reached("EndeBtn");
    ASSERT_NE(exit, nullptr);
    exit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(AccessibilityTree, ReadsTheResultRowsOfASearchAsTableCells)
{
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("FindEd"));
    field->setFocus();
    for (const char* c = "hou"; *c; ++c)
        QTest::keyClick(form.windowHandle(), *c);
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    QApplication::processEvents();

    auto* list = form.findChild<TListView*>(QStringLiteral("ListView1"));
    const TListRows& rows = list->Items();
    ASSERT_GT(rows.count(), 1);
    QAccessibleInterface* node = reached("ListView1");
    ASSERT_NE(node, nullptr);
    QAccessibleTableInterface* table = node->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), rows.count());
    ASSERT_EQ(table->columnCount(), 2);
    QStringList words;
    for (int row = 0; row < rows.count(); ++row)
        for (int column = 0; column < 2; ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), rows.text(row, column)) << row;
            if (column == 0)
                words << cell->text(QAccessible::Name);
        }
    EXPECT_TRUE(words.contains("house")) << words.join(", ").toStdString();
    EXPECT_TRUE(words.contains("houseboat")) << words.join(", ").toStdString();
    EXPECT_FALSE(words.contains("mouse"));
}

} // namespace
} // namespace wb
