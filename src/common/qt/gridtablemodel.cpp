#include "common/qt/gridtablemodel.h"

#include <algorithm>

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
        if (const auto note = notes_.constFind(key(row, index.column() + 1));
            note != notes_.constEnd() && note->foreground.isValid())
            return note->foreground;
        if (const auto it = rowColors_.constFind(row); it != rowColors_.constEnd())
            return *it;
        return {};
    case Qt::ToolTipRole:
        if (const auto note = notes_.constFind(key(row, index.column() + 1));
            note != notes_.constEnd() && !note->text.isEmpty())
            return note->text;
        return {};
    case Qt::BackgroundRole:
        if (const auto note = notes_.constFind(key(row, index.column() + 1));
            note != notes_.constEnd())
            return note->background.isValid() ? note->background : noteTint_;
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
    QHash<int, CellNote> next;
    for (const CellNote& note : notes)
        if (note.row > 0 && note.row < grid_.rows() && note.col > 0 && note.col < grid_.cols())
            next.insert(key(note.row, note.col), note);
    std::swap(notes_, next);
    const bool tintChanged = noteTint_ != tint;
    noteTint_ = tint;
    // Only the cells whose note came, went or changed are announced, as one
    // range when there are many (a whole diagram shaded anew).
    const auto same = [](const CellNote& a, const CellNote& b) {
        return a.text == b.text && a.background == b.background && a.foreground == b.foreground;
    };
    std::vector<int> changed;
    for (auto it = notes_.cbegin(); it != notes_.cend(); ++it)
        if (const auto old = next.constFind(it.key());
            old == next.cend() || !same(*old, *it) || tintChanged)
            changed.push_back(it.key());
    for (auto it = next.cbegin(); it != next.cend(); ++it)
        if (!notes_.contains(it.key()))
            changed.push_back(it.key());
    announceNotes(changed);
}

void GridTableModel::announceNotes(const std::vector<int>& cellKeys)
{
    const QList<int> roles { Qt::ToolTipRole, Qt::BackgroundRole, Qt::ForegroundRole };
    const auto cellOf
        = [this](int cellKey) { return cellIndex(cellKey / grid_.cols(), cellKey % grid_.cols()); };
    if (cellKeys.size() <= kSingleAnnouncements) {
        for (const int cellKey : cellKeys)
            emit dataChanged(cellOf(cellKey), cellOf(cellKey), roles);
        return;
    }
    int top = rowCount(), left = columnCount(), bottom = 0, right = 0;
    for (const int cellKey : cellKeys) {
        const QModelIndex cell = cellOf(cellKey);
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    emit dataChanged(index(top, left), index(bottom, right), roles);
}

} // namespace quorin
