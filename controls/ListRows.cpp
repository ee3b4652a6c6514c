#include "controls/ListRows.h"

TListRows::TListRows(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TListRows::addColumn(const QString& caption)
{
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    m_columns.append(caption);
    endInsertColumns();
}

QString TListRows::text(int index, int column) const
{
    if (index < 0 || index >= count() || column < 0)
        return {};
    const TListRow& shown = m_rows[size_t(index)];
    return column == 0 ? shown.caption : shown.subItems.value(column - 1);
}

void TListRows::append(std::vector<TListRow> rows)
{
    if (rows.empty())
        return;
    const int first = count();
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

int TListRows::add(const QString& caption)
{
    append({TListRow{caption, {}}});
    return count() - 1;
}

void TListRows::addSubItem(int index, const QString& text)
{
    TListRow& changed = m_rows.at(size_t(index));
    changed.subItems.append(text);
    const int column = int(changed.subItems.size());
    if (column < columnCount()) {
        const QModelIndex cell = this->index(index, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

void TListRows::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int TListRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int TListRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TListRows::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return text(index.row(), index.column());
}

QVariant TListRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_columns.value(section);
}

Qt::ItemFlags TListRows::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
