#include "common/qt/gridtablemodel.h"

namespace quorin {

GridTableModel::GridTableModel(GridModel& grid, QObject* parent)
    : QAbstractTableModel(parent)
    , grid_(grid)
{
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.rows() - 1;
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.cols() - 1;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(grid_.text(row, index.column() + 1));
    case Qt::ForegroundRole:
        if (const auto it = rowColors_.constFind(row); it != rowColors_.constEnd())
            return *it;
        return {};
    case Qt::ToolTipRole:
        return notes_.value(key(row, index.column() + 1));
    case Qt::BackgroundRole:
        if (notes_.contains(key(row, index.column() + 1)))
            return noteTint_;
        return {};
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < columnCount() ? QString::fromStdString(grid_.text(0, section + 1))
                                       : QVariant();
    return section < rowCount() ? QString::fromStdString(grid_.text(section + 1, 0)) : QVariant();
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QModelIndex GridTableModel::cellIndex(int row, int col) const
{
    return index(row - 1, col - 1);
}

void GridTableModel::cellChanged(int row, int col)
{
    if (row > 0 && col > 0) {
        const QModelIndex cell = cellIndex(row, col);
        emit dataChanged(cell, cell, { Qt::DisplayRole });
    } else if (row == 0 && col > 0) {
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    } else if (col == 0 && row > 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    }
}

void GridTableModel::setRowTextColor(int row, const QColor& color)
{
    if (row < 1 || row >= grid_.rows())
        return;
    if (color.isValid())
        rowColors_.insert(row, color);
    else
        rowColors_.remove(row);
    emit dataChanged(cellIndex(row, 1), cellIndex(row, columnCount()), { Qt::ForegroundRole });
}

void GridTableModel::setCellNotes(const std::vector<CellNote>& notes, const QColor& tint)
{
    QHash<int, QString> next;
    for (const CellNote& note : notes)
        if (note.row > 0 && note.row < grid_.rows() && note.col > 0 && note.col < grid_.cols())
            next.insert(key(note.row, note.col), note.text);
    std::swap(notes_, next);
    noteTint_ = tint;
    // Only the cells whose note came, went or changed are announced.
    const auto announce = [this](int cellKey) {
        const QModelIndex cell = cellIndex(cellKey / grid_.cols(), cellKey % grid_.cols());
        emit dataChanged(cell, cell, { Qt::ToolTipRole, Qt::BackgroundRole });
    };
    for (auto it = notes_.cbegin(); it != notes_.cend(); ++it)
        if (next.value(it.key()) != it.value())
            announce(it.key());
    for (auto it = next.cbegin(); it != next.cend(); ++it)
        if (!notes_.contains(it.key()))
            announce(it.key());
}

} // namespace quorin
