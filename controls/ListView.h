#pragma once
// A report-style list view: a header with fixed column widths over rows of text,
// selected a whole row at a time, one row at most, never edited and never sorted. The
// selection shows only while the list has the keyboard focus. With no row selected,
// Down, Space and Home select the first row. The rows live in a TListRows store of plain
// text.
#include "controls/ListRows.h"

#include <QTreeView>
#include <functional>

class TListView : public QTreeView {
    Q_OBJECT

public:
    explicit TListView(QWidget* parent = nullptr);

    // Adds a column with its header caption and width.
    void addColumn(const QString& caption, int width);

    TListRows& Items() { return *m_rows; }
    const TListRows& Items() const { return *m_rows; }

    // The selected row, -1 for none.
    int selectedRow() const;
    void setSelectedRow(int row);

    // Called after every change of the selection, a selection that went away included.
    std::function<void()> OnChange;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showSelection(bool shown);

    TListRows* m_rows;
};
