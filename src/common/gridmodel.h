#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// Told of every change to a GridModel, so that a view can follow it.
class GridObserver {
public:
    virtual ~GridObserver() = default;
    // The current cell is about to change; the model still names the cell being left.
    virtual void leavingCell() { }
    virtual void cellChanged(int row, int col) { (void)row, (void)col; }
    // The current cell or the selection end moved.
    virtual void cursorChanged() { }
};

// A grid of texts: row 0 and column 0 are fixed headings, every other cell is
// a data cell. The current cell is always a data cell; the selected range is
// the rectangle between it and the selection end, both included. The anchor
// is the current cell at the moment a mouse button last went down.
class GridModel {
public:
    GridModel(int rows, int cols);

    int rows() const { return rows_; }
    int cols() const { return cols_; }

    const std::string& text(int row, int col) const;
    void setText(int row, int col, std::string text);

    int row() const { return row_; }
    int col() const { return col_; }
    // Moves the current cell (clamped to the data cells) and collapses the
    // selection onto it; tells the observer first that the old cell is left.
    void setCurrent(int row, int col);
    int selEndRow() const { return selEndRow_; }
    int selEndCol() const { return selEndCol_; }
    // Extends the selection from the current cell to (row, col), clamped to data cells.
    void setSelectionEnd(int row, int col);

    int anchorRow() const { return anchorRow_; }
    int anchorCol() const { return anchorCol_; }
    void setAnchor(int row, int col);

    // The selected range as text: cells joined by TAB, rows by CR, nothing after the last row.
    std::string rangeText() const;
    // Fills the selected range from text split at CR into lines and at TAB into
    // fields; what falls outside the range is dropped, cells the text does not
    // reach keep their text, and LF stays in the cell text.
    void setRangeText(std::string_view text);

    void setObserver(GridObserver* observer) { observer_ = observer; }

private:
    bool inside(int row, int col) const;
    int clampRow(int row) const;
    int clampCol(int col) const;

    int rows_;
    int cols_;
    std::vector<std::string> cells_;
    int row_ = 1;
    int col_ = 1;
    int selEndRow_ = 1;
    int selEndCol_ = 1;
    int anchorRow_ = 1;
    int anchorCol_ = 1;
    GridObserver* observer_ = nullptr;
};

} // namespace quorin
