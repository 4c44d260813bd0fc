#include "common/qt/gridview.h"

#include "common/qt/gridtablemodel.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <cstddef>

namespace quorin {

namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

class GridView::Observer : public GridObserver {
public:
    explicit Observer(GridView& view)
        : view_(view)
    {
    }
    void leavingCell() override { view_.leaveCell(); }
    void cellChanged(int row, int col) override { view_.modelCellChanged(row, col); }
    void cursorChanged() override { view_.modelCursorChanged(); }

private:
    GridView& view_;
};

GridView::GridView(GridModel& model, QWidget* parent)
    : QTableView(parent)
    , model_(model)
    , tableModel_(new GridTableModel(model, this))
    , editor_(new QLineEdit(viewport()))
    , observer_(std::make_unique<Observer>(*this))
    , columnTwips_(static_cast<std::size_t>(model.cols()), -1)
{
    setModel(tableModel_);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &GridView::placeEditor);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, &GridView::placeEditor);

    editor_->setAccessibleName(QStringLiteral("Cell Editor"));
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    // Presses on the grid outside its cells.
    for (QWidget* part : { horizontalHeader()->viewport(), verticalHeader()->viewport(),
             static_cast<QWidget*>(horizontalScrollBar()),
             static_cast<QWidget*>(verticalScrollBar()) })
        part->installEventFilter(this);

    model_.setObserver(observer_.get());
    syncSelection();
}

GridView::~GridView()
{
    model_.setObserver(nullptr);
    editor_->removeEventFilter(this);
}

QModelIndex GridView::indexOf(int row, int col) const
{
    return tableModel_->cellIndex(row, col);
}

std::optional<GridView::Cell> GridView::cellAt(
    const QPoint& viewportPos, bool clampToViewport) const
{
    QPoint pos = viewportPos;
    if (clampToViewport) {
        const QRect area = viewport()->rect();
        pos.setX(std::clamp(pos.x(), area.left(), area.right()));
        pos.setY(std::clamp(pos.y(), area.top(), area.bottom()));
    }
    const int row = rowAt(pos.y());
    const int col = columnAt(pos.x());
    if (row < 0 || col < 0)
        return std::nullopt;
    return Cell { row + 1, col + 1 };
}

// Column widths

int GridView::twipsToPixels(int twips, double logicalDpi)
{
    return qRound(twips * logicalDpi / kTwipsPerInch);
}

int GridView::columnPixels(int col) const
{
    if (col > 0)
        return columnWidth(col - 1);
    const QHeaderView* header = verticalHeader();
    return std::min(
        std::max(header->minimumWidth(), header->sizeHint().width()), header->maximumWidth());
}

void GridView::setColumnWidthTwips(int col, int twips)
{
    if (col < 0 || col >= model_.cols())
        return;
    const int pixels = twipsToPixels(twips, logicalDpiX());
    if (col == 0)
        verticalHeader()->setFixedWidth(pixels);
    else
        setColumnWidth(col - 1, pixels);
    columnTwips_[static_cast<std::size_t>(col)] = twips;
}

int GridView::columnWidthTwips(int col) const
{
    if (col < 0 || col >= model_.cols())
        return 0;
    const int pixels = columnPixels(col);
    // The width as it was set, unless the user has dragged the column since.
    const int twips = columnTwips_[static_cast<std::size_t>(col)];
    if (twips >= 0 && twipsToPixels(twips, logicalDpiX()) == pixels)
        return twips;
    return qRound(pixels * kTwipsPerInch / logicalDpiX());
}

void GridView::setRowTextColor(int row, const QColor& color)
{
    tableModel_->setRowTextColor(row, color);
}

// The model's notifications

void GridView::leaveCell()
{
    // Only text that belongs to the cell being left may be written into it.
    if (editorCell_ == currentCell())
        storeEditorText();
    editorCell_.reset();
}

void GridView::modelCellChanged(int row, int col)
{
    tableModel_->cellChanged(row, col);
    // A cell changed from elsewhere (Delete, a command) while the editor holds
    // its text: the editor takes the new text, so leaving the cell later does
    // not put the old one back. Text the user is typing is kept.
    if (storing_ || editorCell_ != Cell { row, col })
        return;
    if (!editor_->isHidden() && editor_->isModified())
        return;
    editor_->setText(QString::fromStdString(model_.text(row, col)));
    if (!editor_->isHidden())
        editor_->selectAll();
}

void GridView::modelCursorChanged()
{
    syncSelection();
    // An open editor always edits the current cell.
    if (!editor_->isHidden() && editorCell_ != currentCell())
        loadEditor();
    placeEditor();
}

void GridView::syncSelection()
{
    const QModelIndex current = indexOf(model_.row(), model_.col());
    const QModelIndex end = indexOf(model_.selEndRow(), model_.selEndCol());
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(current, end), QItemSelectionModel::ClearAndSelect);
    scrollTo(end);
}

// The editor

void GridView::OpenCellEditor()
{
    focusFromPress_ = false;
    scrollTo(indexOf(model_.row(), model_.col()));
    editor_->show();
    loadEditor();
    placeEditor();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
}

bool GridView::editorOpen() const
{
    return !editor_->isHidden();
}

void GridView::setEditorText(const QString& text)
{
    editorCell_ = currentCell();
    editor_->setText(text);
}

void GridView::loadEditor()
{
    editorCell_ = currentCell();
    editor_->setText(QString::fromStdString(model_.text(model_.row(), model_.col())));
    editor_->selectAll();
}

void GridView::placeEditor()
{
    if (editorCell_)
        editor_->setGeometry(visualRect(indexOf(editorCell_->row, editorCell_->col)));
}

void GridView::storeEditorText()
{
    if (!editorCell_)
        return;
    const Cell cell = *editorCell_;
    change(tr("Typing"), [this, cell] {
        storing_ = true;
        model_.setText(cell.row, cell.col, editor_->text().toStdString());
        storing_ = false;
    });
}

void GridView::change(const QString& what, const std::function<void()>& edit)
{
    if (recorder_)
        recorder_(what, edit);
    else
        edit();
}

void GridView::commitAndMove(int rowStep, int colStep)
{
    storeEditorText();
    // Moving past the last row or column keeps the cell.
    model_.setCurrent(model_.row() + rowStep, model_.col() + colStep);
    // Taking the focus closes the editor; gaining it opens the editor again.
    setFocus(Qt::OtherFocusReason);
}

void GridView::setCellNotes(const std::vector<CellNote>& notes, const QColor& tint)
{
    tableModel_->setCellNotes(notes, tint);
}

void GridView::shareExtraWidth()
{
    leastWidths_.clear();
    for (int c = 1; c < model_.cols(); ++c)
        leastWidths_.push_back(columnWidth(c - 1));
    spreadColumns();
}

void GridView::spreadColumns()
{
    if (leastWidths_.empty())
        return;
    int least = 0;
    for (const int width : leastWidths_)
        least += width;
    const int extra = std::max(0, width() - minimumWidth());
    int given = 0;
    for (std::size_t i = 0; i < leastWidths_.size(); ++i) {
        // The last column takes what rounding left over.
        const int share = i + 1 == leastWidths_.size()
            ? extra - given
            : static_cast<int>(static_cast<long long>(extra) * leastWidths_[i] / least);
        given += share;
        setColumnWidth(static_cast<int>(i), leastWidths_[i] + share);
    }
}

void GridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    spreadColumns();
    placeEditor();
}

void GridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    placeEditor();
    emit cellAreaMoved();
}

void GridView::setTrailingMargins(const QSize& margins)
{
    trailing_ = margins;
    updateGeometries();
}

void GridView::updateGeometries()
{
    // The table view lays its headers out with no room after the cells; the
    // trailing room goes back on at once (the view's own re-entry is guarded).
    QTableView::updateGeometries();
    const QMargins now = viewportMargins();
    if (now.right() != trailing_.width() || now.bottom() != trailing_.height())
        setViewportMargins(now.left(), now.top(), trailing_.width(), trailing_.height());
    emit cellAreaMoved();
}

} // namespace quorin
