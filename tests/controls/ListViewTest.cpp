#include "controls/ListView.h"
#include "tests/support/WidgetTestSupport.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

std::vector<TListRow> numberedRows(int count)
{
    std::vector<TListRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({QString::number(i), {QStringLiteral("t%1").arg(i)}});
    return rows;
}

TEST(TListRows, AppendsABatchAsOneInsertionAndReadsMissingSubItemsAsEmpty)
{
    TListRows rows;
    rows.addColumn("Wort");
    rows.addColumn("Übersetzungen");
    QSignalSpy inserted(&rows, &QAbstractItemModel::rowsInserted);
    rows.append(numberedRows(10000));
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 9999);
    EXPECT_EQ(rows.rowCount(), 10000);
    EXPECT_EQ(rows.text(9999, 1), "t9999");

    const int last = rows.add("halb"); // a row whose translation never came
    EXPECT_EQ(rows.text(last, 0), "halb");
    EXPECT_EQ(rows.text(last, 1), "");
    EXPECT_EQ(rows.text(last, 5), "");
    EXPECT_EQ(rows.text(last + 1, 0), "");
    EXPECT_EQ(rows.text(-1, 0), "");

    QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
    rows.addSubItem(last, "ganz");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), rows.index(last, 1));
    EXPECT_EQ(rows.data(rows.index(last, 1), Qt::DisplayRole).toString(), "ganz");

    rows.clear();
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(rows.columnCount(), 2);
    EXPECT_EQ(rows.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Übersetzungen");
}

// A result list in a window with a text field beside it to take the focus.
class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(500, 300);
        list->setGeometry(0, 0, 500, 250);
        field->setGeometry(0, 260, 100, 20);
        list->addColumn("Wort", 200);
        list->addColumn("Übersetzungen", 250);
        list->Items().append({{"b", {"zwei"}}, {"a", {"eins"}}, {"c", {}}});
        list->OnChange = [this] { changes.push_back(list->selectedRow()); };
        ASSERT_TRUE(test::showActive(window));
    }
    QPoint rowCentre(int row)
    {
        const QRect cell = list->visualRect(list->Items().index(row, 0));
        return list->viewport()->mapTo(&window, cell.center());
    }
    void clickRow(int row)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, rowCentre(row));
    }
    // The colour of row `row` well to the right of its text.
    QRgb rowColour(int row)
    {
        const QRect cell = list->visualRect(list->Items().index(row, 1));
        return list->viewport()->grab().toImage().pixel(cell.right() - 3, cell.center().y());
    }

    QWidget window;
    TListView* list = new TListView(&window);
    QLineEdit* field = new QLineEdit(&window);
    std::vector<int> changes;
};

TEST_F(ListViewTest, HeadersHaveTheGivenCaptionsAndWidthsAndClickingThemDoesNotSort)
{
    EXPECT_EQ(list->header()->sectionSize(0), 200);
    EXPECT_EQ(list->header()->sectionSize(1), 250);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "Wort");
    const QPoint header = list->header()->mapTo(
        &window, QPoint(list->header()->sectionPosition(0) + 20, list->header()->height() / 2));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, header);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, header);
    EXPECT_EQ(list->Items().text(0, 0), "b");
    EXPECT_EQ(list->visualRect(list->Items().index(0, 0)).top(), 0);
}

TEST_F(ListViewTest, AClickSelectsTheWholeRowAndOnlyOneRow)
{
    clickRow(1);
    EXPECT_EQ(list->selectedRow(), 1);
    clickRow(0);
    EXPECT_EQ(list->selectedRow(), 0);
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 2); // both cells, one row
    EXPECT_EQ(changes, (std::vector<int>{1, 0}));
}

TEST_F(ListViewTest, ArrowKeysMoveTheSelectionAndReportEachChange)
{
    clickRow(0);
    QTest::keyClick(window.windowHandle(), Qt::Key_Down);
    QTest::keyClick(window.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(list->selectedRow(), 2);
    EXPECT_EQ(changes, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list->Items().text(list->selectedRow(), 1), "");
}

TEST_F(ListViewTest, NeitherTypingNorDoubleClickingEditsARow)
{
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, rowCentre(1));
    QTest::keyClick(window.windowHandle(), Qt::Key_F2);
    QTest::keyClick(window.windowHandle(), Qt::Key_X);
    EXPECT_EQ(QApplication::focusWidget(), list); // an editor would have the focus
    EXPECT_EQ(list->Items().text(1, 0), "a");
    EXPECT_EQ(list->selectedRow(), 1);
}

TEST_F(ListViewTest, TheSelectionShowsOnlyWhileTheListHasTheFocus)
{
    const QRgb unselected = rowColour(2);
    clickRow(1);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_NE(rowColour(1), unselected);
    field->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(list->selectedRow(), 1);
    EXPECT_EQ(rowColour(1), unselected);
    list->setFocus();
    EXPECT_NE(rowColour(1), unselected);
}

TEST_F(ListViewTest, ClearingEmptiesTheListAndLeavesNothingSelected)
{
    clickRow(1);
    list->Items().clear();
    EXPECT_EQ(list->selectedRow(), -1);
    list->Items().append(numberedRows(3));
    EXPECT_EQ(list->selectedRow(), -1);
    list->setSelectedRow(2);
    EXPECT_EQ(list->selectedRow(), 2);
    EXPECT_EQ(changes.back(), 2);
}

} // namespace
} // namespace wb
