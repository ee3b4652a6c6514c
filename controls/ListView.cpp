#include "controls/ListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

TListView::TListView(QWidget* parent)
    : QTreeView(parent)
    , m_rows(new TListRows(this))
{
    setModel(m_rows);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    // Expanding on a double click would be the tree's doing; a list only selects.
    setExpandsOnDoubleClick(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
    showSelection(false);
}

void TListView::addColumn(const QString& caption, int width)
{
    m_rows->addColumn(caption);
    header()->resizeSection(m_rows->columnCount() - 1, width);
}

int TListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TListView::setSelectedRow(int row)
{
    if (row < 0 || row >= m_rows->count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_rows->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
}

void TListView::focusInEvent(QFocusEvent* event)
{
    showSelection(true);
    QTreeView::focusInEvent(event);
}

// Taking the focus makes the first row current without selecting it, so Qt's own Down
// would step past it to the second and Space and Home would find nothing to move to.
void TListView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool starts = key == Qt::Key_Down || key == Qt::Key_Space || key == Qt::Key_Home;
    if (starts && event->modifiers() == Qt::NoModifier && selectedRow() < 0 &&
        m_rows->count() > 0) {
        setSelectedRow(0);
        scrollToTop();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void TListView::focusOutEvent(QFocusEvent* event)
{
    showSelection(false);
    QTreeView::focusOutEvent(event);
}

void TListView::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showSelection(hasFocus());
}

// Qt keys its inactive colours to the window, not to the focus, so the highlight is
// switched by hand: without the focus the selected row looks like any other row.
void TListView::showSelection(bool shown)
{
    QPalette colours = palette();
    const QPalette natural = QApplication::palette(this);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const bool visible = shown && group == QPalette::Active;
        colours.setColor(group, QPalette::Highlight,
                         visible ? natural.color(group, QPalette::Highlight)
                                 : colours.color(group, QPalette::Base));
        colours.setColor(group, QPalette::HighlightedText,
                         visible ? natural.color(group, QPalette::HighlightedText)
                                 : colours.color(group, QPalette::Text));
    }
    if (colours != palette() || colours.resolveMask() != palette().resolveMask())
        setPalette(colours);
}
