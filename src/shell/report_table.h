#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A colour as 0xRRGGBB, kept free of any painting library.
using Rgb = quint32;
constexpr Rgb rgb(int r, int g, int b)
{
    return (Rgb(r) << 16) | (Rgb(g) << 8) | Rgb(b);
}

// Column alignment as the lists use it: 1 right, 2 centre, anything else left.
enum ColumnAlign { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };

struct ReportColumn {
    QString title;
    int width = 100;  // pixels
    int align = AlignLeft;
};

struct ReportCell {
    QString text;
    std::optional<Rgb> background;
    std::optional<Rgb> foreground;
};

struct ReportRow {
    std::vector<ReportCell> cells;
    std::optional<Rgb> foreground;  // the whole row's text colour, unless a cell sets its own
};

// What a builder produces and a list view shows; a print of the document reads the table
// the window last showed.
struct ReportTable {
    std::vector<ReportColumn> columns;
    std::vector<ReportRow> rows;

    void addColumn(const QString& title, int width, int align = AlignLeft)
    {
        columns.push_back({title, width, align});
    }
    // Adds a row of texts (missing cells read as empty) and returns it for colouring.
    ReportRow& addRow(const QStringList& texts)
    {
        ReportRow row;
        for (const QString& t : texts)
            row.cells.push_back({t, std::nullopt, std::nullopt});
        rows.push_back(std::move(row));
        return rows.back();
    }
    QString text(size_t row, size_t column) const
    {
        if (row >= rows.size() || column >= rows[row].cells.size())
            return {};
        return rows[row].cells[column].text;
    }
    void clearRows() { rows.clear(); }
};
