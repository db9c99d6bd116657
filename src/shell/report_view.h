#pragma once

#include "report_table.h"

#include <QAbstractTableModel>
#include <QTableView>

// A ReportTable as a Qt model: texts, per-column alignment, cell and row colours.
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ReportTable table);
    const ReportTable& table() const { return m_table; }
    void setRows(std::vector<ReportRow> rows);
    void appendRow(ReportRow row);
    void setAlign(int column, int align);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ReportTable m_table;
};

// The list view of every window: titled columns of given widths, whole-row selection,
// grid lines, colours from the table. A click on a row within the list emits rowChosen.
class ReportView : public QTableView {
    Q_OBJECT
public:
    explicit ReportView(const QString& accessibleName, QWidget* parent = nullptr);

    // Replaces columns and rows and applies the column widths.
    void setTable(ReportTable table);
    void setColumns(std::vector<ReportColumn> columns);
    // Replaces the rows only (columns, widths and alignment stay).
    void setRows(std::vector<ReportRow> rows);
    void appendRow(const QStringList& texts);
    void clearRows() { setRows({}); }
    const ReportTable& table() const { return m_model.table(); }
    int rowCount() const { return int(table().rows.size()); }
    QString text(int row, int column) const { return table().text(size_t(row), size_t(column)); }
    void setBackground(Rgb colour);
    void setAlign(int column, int align) { m_model.setAlign(column, align); }

    // Test and accessibility hook: acts as a click on the row.
    void chooseRow(int row);

signals:
    void rowChosen(int row);

private:
    void applyWidths();
    ReportTableModel m_model;
};

// Sets the alignment of one column, header and cells: 1 right, 2 centred, other left.
void SetColumnAlign(ReportView* view, int column, int align);
