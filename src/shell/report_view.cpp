#include "report_view.h"

#include <QColor>
#include <QHeaderView>

namespace {

Qt::Alignment toQt(int align)
{
    switch (align) {
    case AlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case AlignCentre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QColor toColour(Rgb value)
{
    return QColor(int((value >> 16) & 0xff), int((value >> 8) & 0xff), int(value & 0xff));
}

} // namespace

void ReportTableModel::setTable(ReportTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

void ReportTableModel::setRows(std::vector<ReportRow> rows)
{
    beginResetModel();
    m_table.rows = std::move(rows);
    endResetModel();
}

void ReportTableModel::appendRow(ReportRow row)
{
    const int at = int(m_table.rows.size());
    beginInsertRows({}, at, at);
    m_table.rows.push_back(std::move(row));
    endInsertRows();
}

void ReportTableModel::setAlign(int column, int align)
{
    if (column < 0 || size_t(column) >= m_table.columns.size())
        return;
    m_table.columns[size_t(column)].align = align;
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (!m_table.rows.empty())
        emit dataChanged(index(0, column), index(int(m_table.rows.size()) - 1, column));
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.columns.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_table.rows.size())
        return {};
    const ReportRow& row = m_table.rows[size_t(index.row())];
    const size_t column = size_t(index.column());
    const ReportCell* cell = column < row.cells.size() ? &row.cells[column] : nullptr;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cell ? cell->text : QString();
    case Qt::TextAlignmentRole:
        return column < m_table.columns.size() ? QVariant(toQt(m_table.columns[column].align))
                                               : QVariant();
    case Qt::BackgroundRole:
        if (cell && cell->background)
            return toColour(*cell->background);
        return {};
    case Qt::ForegroundRole:
        if (cell && cell->foreground)
            return toColour(*cell->foreground);
        if (row.foreground)
            return toColour(*row.foreground);
        return {};
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || size_t(section) >= m_table.columns.size())
        return {};
    const ReportColumn& column = m_table.columns[size_t(section)];
    if (role == Qt::DisplayRole)
        return column.title;
    if (role == Qt::TextAlignmentRole)
        return QVariant(toQt(column.align));
    return {};
}

ReportView::ReportView(const QString& accessibleName, QWidget* parent) : QTableView(parent)
{
    setAccessibleName(accessibleName);
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() < rowCount())
            emit rowChosen(index.row());
    });
    connect(this, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() < rowCount())
            emit rowChosen(index.row());
    });
}

void ReportView::setTable(ReportTable table)
{
    m_model.setTable(std::move(table));
    applyWidths();
}

void ReportView::setColumns(std::vector<ReportColumn> columns)
{
    ReportTable table;
    table.columns = std::move(columns);
    setTable(std::move(table));
}

void ReportView::setRows(std::vector<ReportRow> rows)
{
    m_model.setRows(std::move(rows));
}

void ReportView::appendRow(const QStringList& texts)
{
    ReportRow row;
    for (const QString& t : texts)
        row.cells.push_back({t, std::nullopt, std::nullopt});
    m_model.appendRow(std::move(row));
}

void ReportView::setBackground(Rgb colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, toColour(colour));
    setPalette(p);
    setAutoFillBackground(true);
}

void ReportView::chooseRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    selectRow(row);
    emit rowChosen(row);
}

void ReportView::applyWidths()
{
    const auto& columns = m_model.table().columns;
    for (size_t i = 0; i < columns.size(); ++i)
        setColumnWidth(int(i), columns[i].width);
}

void SetColumnAlign(ReportView* view, int column, int align)
{
    if (view)
        view->setAlign(column, align);
}
