#pragma once
// The item store of the report-style list view: rows of plain text, a caption and its
// sub-items, with column headers given by the caller. The rows are shown read-only; the
// store does not sort, filter or convert text.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

struct TListRow {
    QString caption;      // the first column
    QStringList subItems; // the second column onwards; missing ones read as empty
};

class TListRows : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TListRows(QObject* parent = nullptr);

    void addColumn(const QString& caption);

    int count() const { return int(m_rows.size()); }
    const TListRow& row(int index) const { return m_rows.at(size_t(index)); }
    // The text in `column` of row `index`: the caption for column 0, a sub-item after
    // it, and empty for a sub-item the row does not have.
    QString text(int index, int column) const;

    // Appends all of `rows` as one insertion, so a view updates once for all of them.
    void append(std::vector<TListRow> rows);
    int add(const QString& caption);
    void addSubItem(int index, const QString& text);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList m_columns;
    std::vector<TListRow> m_rows;
};
