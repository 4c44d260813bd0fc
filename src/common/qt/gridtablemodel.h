#pragma once

#include "common/gridmodel.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QString>

#include <vector>

namespace quorin {

// A note on a data cell of a grid: its tool tip (none when empty) over a
// tinted cell. A valid background replaces the grid's tint for this cell and
// a valid foreground its text colour.
struct CellNote {
    int row;
    int col;
    QString text;
    QColor background = {};
    QColor foreground = {};
};

// A GridModel as Qt sees a table: row 0 gives the column headers, column 0
// the row headers, and the data cells of the grid are the table's cells (grid
// cell (r, c) is table cell (r - 1, c - 1)).
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(GridModel& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The table cell of grid cell (row, col); invalid for a heading cell.
    QModelIndex cellIndex(int row, int col) const;
    // Grid cell (row, col) holds a new text.
    void cellChanged(int row, int col);
    // An invalid colour gives the row the view's own text colour back.
    void setRowTextColor(int row, const QColor& color);
    // Notes on cells (a tool tip over a tinted or coloured cell), replacing the last ones.
    void setCellNotes(const std::vector<CellNote>& notes, const QColor& tint);

private:
    int key(int row, int col) const { return row * grid_.cols() + col; }
    void announceNotes(const std::vector<int>& cellKeys);

    static constexpr std::size_t kSingleAnnouncements = 16;

    GridModel& grid_;
    QHash<int, QColor> rowColors_;
    QHash<int, CellNote> notes_;
    QColor noteTint_;
};

} // namespace quorin
