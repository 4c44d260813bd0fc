#pragma once

#include "common/clipboard.h"
#include "common/gridmodel.h"
#include "common/qt/gridtablemodel.h"

#include <QTableView>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;

namespace quorin {

// The grid widget both grids of the product use: a table over a GridModel
// (row 0 and column 0 shown as the fixed headings) with a single-line
// in-cell editor laid over the current cell.
//
// Editing rules: a click, the grid gaining the focus (whatever part of it was
// pressed: a cell, a heading, a scroll bar, with any button), or Enter or Tab
// on the grid open the editor over the current cell with its whole text
// selected. In the editor, Enter commits and moves down (staying on the last
// row), Tab commits and moves right (staying on the last column), Esc closes
// it without storing and leaves the grid with the focus. Leaving a cell for
// any reason writes the editor's text into the cell being left, but only when
// the editor holds text loaded from or typed for that cell. Delete on the
// grid empties the current cell only. The editor losing the focus to another
// control hides it, writes nothing and drops what was typed; a mouse press on
// the grid itself ends the edit and keeps it; a switch to another window
// leaves it open with its text. With the editor closed the arrow keys move
// between cells; Shift+arrows and a mouse drag extend the selection. Headings
// are never current. The anchor is the current cell once a mouse press on
// the grid has been acted on: the cell pressed, unless Shift extended the
// selection to it.
//
// Clipboard keys: Ctrl+X, Ctrl+C and Ctrl+V on the grid ask for the range
// command (rangeCommand). In the editor they edit its text, except Ctrl+V of
// a clipboard text holding a TAB or a line end (a block copied from a
// spreadsheet), which asks for the range Paste. Ctrl+Tab and Ctrl+Shift+Tab
// leave the grid (or its editor) for the control after or before it.
class GridView : public QTableView {
    Q_OBJECT
public:
    // The model must outlive the view: the view is its observer until destroyed.
    explicit GridView(GridModel& model, QWidget* parent = nullptr);
    ~GridView() override;

    GridModel& gridModel() { return model_; }
    QLineEdit* editor() const { return editor_; }

    // Widths in twips, converted at 1440 twips per logical inch.
    void setColumnWidthTwips(int col, int twips);
    int columnWidthTwips(int col) const;
    static int twipsToPixels(int twips, double logicalDpi);

    // Opens the editor over the current cell (the grid's click handler).
    void OpenCellEditor();
    bool editorOpen() const;
    // Sets the editor's text as belonging to the current cell (Cut and Paste).
    void setEditorText(const QString& text);

    // From now on the data columns keep their present widths as their least
    // and share the width the grid has beyond its minimum width, in proportion.
    void shareExtraWidth();

    // Text colour for a data row (an interpolated wave is shown in red).
    void setRowTextColor(int row, const QColor& color);
    // Notes shown on data cells: each such cell is tinted with `tint` and
    // gives its note as its tool tip. The notes replace the last ones.
    void setCellNotes(const std::vector<CellNote>& notes, const QColor& tint);

    // Room kept free at the right of the cells and below them, for strips
    // that line up with the rows and columns (cellAreaMoved tells them when).
    void setTrailingMargins(const QSize& margins);
    QSize trailingMargins() const { return trailing_; }

    enum class RangeCommand { Cut, Copy, Paste };
    Q_ENUM(RangeCommand)
    // The clipboard the editor's Ctrl+V looks at; none: Ctrl+V always edits the text.
    void setClipboard(const Clipboard* clipboard) { clipboard_ = clipboard; }

    // What runs each change the grid makes itself (typed text stored, Delete),
    // named, so that an undo history can record it as one step.
    using Recorder = std::function<void(const QString& what, const std::function<void()>& change)>;
    void setRecorder(Recorder recorder) { recorder_ = std::move(recorder); }

signals:
    // The notifications of the grid, raised after the grid has acted on them.
    void gridClicked();
    void gridFocusGained();
    void gridKeyDown(int key); // a Qt::Key code
    void gridMouseDown();
    // A clipboard key asked for a command on the selected range.
    void rangeCommand(GridView::RangeCommand command);
    // Ctrl+Z (Ctrl+Shift+Z, Ctrl+Y) in the cell editor with no typing left
    // to undo (redo): the grid's own history is asked.
    void undoRequested();
    void redoRequested();
    // The cells' area was laid out anew or scrolled.
    void cellAreaMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    class Observer;
    struct Cell {
        int row;
        int col;
        bool operator==(const Cell&) const = default;
    };

    QModelIndex indexOf(int row, int col) const;
    Cell currentCell() const { return { model_.row(), model_.col() }; }
    std::optional<Cell> cellAt(const QPoint& viewportPos, bool clampToViewport) const;
    int columnPixels(int col) const;

    // The model's notifications.
    void leaveCell();
    void modelCellChanged(int row, int col);
    void modelCursorChanged();
    void syncSelection();

    // The editor.
    void loadEditor();
    void placeEditor();
    void storeEditorText();
    void change(const QString& what, const std::function<void()>& edit);
    void commitAndMove(int rowStep, int colStep);
    bool editorKeyPress(QKeyEvent* event);
    void editorFocusLost(Qt::FocusReason reason);
    void closeEditor();
    void focusControlBeside(bool after);
    bool leaveByKey(QKeyEvent* event);
    void spreadColumns();
    bool blockOnClipboard() const;

    bool moveByKey(QKeyEvent* event);
    bool rangeCommandKey(QKeyEvent* event);
    void pressElsewhere();

    GridModel& model_;
    GridTableModel* tableModel_ = nullptr;
    QLineEdit* editor_ = nullptr;
    std::unique_ptr<Observer> observer_;
    // The cell the editor's text belongs to: none until the editor first
    // opens, and none again once the text has been written on leaving it.
    std::optional<Cell> editorCell_;
    bool storing_ = false;
    bool mousePressed_ = false;
    // The grid took the focus from a mouse press that has not arrived yet.
    bool focusFromPress_ = false;
    bool closingEditor_ = false;
    const Clipboard* clipboard_ = nullptr;
    Recorder recorder_;
    std::vector<int> columnTwips_;
    std::vector<int> leastWidths_; // the data columns' least widths once shared
    QSize trailing_ { 0, 0 };
};

} // namespace quorin
