#include "common/gridmodel.h"

#include <algorithm>
#include <stdexcept>

namespace quorin {

GridModel::GridModel(int rows, int cols)
    : rows_(rows)
    , cols_(cols)
{
    if (rows < 2 || cols < 2)
        throw std::invalid_argument("a grid needs a heading row, a heading column and a data cell");
    cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
}

bool GridModel::inside(int row, int col) const
{
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

int GridModel::clampRow(int row) const
{
    return std::clamp(row, 1, rows_ - 1);
}
int GridModel::clampCol(int col) const
{
    return std::clamp(col, 1, cols_ - 1);
}

const std::string& GridModel::text(int row, int col) const
{
    if (!inside(row, col))
        throw std::out_of_range("grid cell outside the grid");
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_)
        + static_cast<std::size_t>(col)];
}

void GridModel::setText(int row, int col, std::string text)
{
    if (!inside(row, col))
        throw std::out_of_range("grid cell outside the grid");
    auto& cell = cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_)
        + static_cast<std::size_t>(col)];
    if (cell == text)
        return;
    cell = std::move(text);
    if (observer_)
        observer_->cellChanged(row, col);
}

void GridModel::setCurrent(int row, int col)
{
    row = clampRow(row);
    col = clampCol(col);
    if (row != row_ || col != col_) {
        if (observer_)
            observer_->leavingCell();
        row_ = row;
        col_ = col;
    }
    selEndRow_ = row_;
    selEndCol_ = col_;
    if (observer_)
        observer_->cursorChanged();
}

void GridModel::setSelectionEnd(int row, int col)
{
    selEndRow_ = clampRow(row);
    selEndCol_ = clampCol(col);
    if (observer_)
        observer_->cursorChanged();
}

void GridModel::setAnchor(int row, int col)
{
    anchorRow_ = row;
    anchorCol_ = col;
}

std::string GridModel::rangeText() const
{
    const int top = std::min(row_, selEndRow_), bottom = std::max(row_, selEndRow_);
    const int left = std::min(col_, selEndCol_), right = std::max(col_, selEndCol_);
    std::string out;
    for (int r = top; r <= bottom; ++r) {
        if (r > top)
            out += '\r';
        for (int c = left; c <= right; ++c) {
            if (c > left)
                out += '\t';
            out += text(r, c);
        }
    }
    return out;
}

void GridModel::setRangeText(std::string_view text)
{
    const int top = std::min(row_, selEndRow_), bottom = std::max(row_, selEndRow_);
    const int left = std::min(col_, selEndCol_), right = std::max(col_, selEndCol_);
    int r = top;
    std::size_t lineStart = 0;
    while (r <= bottom) {
        const std::size_t lineEnd = std::min(text.find('\r', lineStart), text.size());
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        int c = left;
        std::size_t fieldStart = 0;
        while (c <= right) {
            const std::size_t fieldEnd = std::min(line.find('\t', fieldStart), line.size());
            setText(r, c, std::string(line.substr(fieldStart, fieldEnd - fieldStart)));
            if (fieldEnd == line.size())
                break;
            fieldStart = fieldEnd + 1;
            ++c;
        }
        if (lineEnd == text.size())
            break;
        lineStart = lineEnd + 1;
        ++r;
    }
}

} // namespace quorin
