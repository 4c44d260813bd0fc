#include "common/qt/gridview.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

// The keys, mouse presses and focus changes of the grid and its editor.
namespace quorin {

// The editor's keys and focus

bool GridView::editorKeyPress(QKeyEvent* event)
{
    if (leaveByKey(event))
        return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitAndMove(1, 0);
        return true;
    case Qt::Key_Tab:
        if (event->modifiers() & Qt::ShiftModifier)
            focusControlBeside(false);
        else
            commitAndMove(0, 1);
        return true;
    case Qt::Key_Backtab:
        focusControlBeside(false);
        return true;
    case Qt::Key_Escape:
        closeEditor();
        return true;
    default:
        if (event->matches(QKeySequence::Paste) && blockOnClipboard()) {
            emit rangeCommand(RangeCommand::Paste);
            return true;
        }
        // The typing is undone first; with none left, the grid's last command.
        if (event->matches(QKeySequence::Undo) && !editor_->isUndoAvailable()) {
            emit undoRequested();
            return true;
        }
        if ((event->matches(QKeySequence::Redo)
                || event->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y))
            && !editor_->isRedoAvailable()) {
            emit redoRequested();
            return true;
        }
        return false;
    }
}

bool GridView::blockOnClipboard() const
{
    return clipboard_ && clipboard_->text().find_first_of("\t\r\n") != std::string::npos;
}

// The typed text is dropped and the grid keeps the focus, so that its own
// keys (Delete, Shift+arrows, the clipboard keys) reach it.
void GridView::closeEditor()
{
    if (editorCell_)
        editor_->setText(QString::fromStdString(model_.text(editorCell_->row, editorCell_->col)));
    closingEditor_ = true;
    setFocus(Qt::OtherFocusReason);
    editor_->hide();
    closingEditor_ = false;
}

void GridView::editorFocusLost(Qt::FocusReason reason)
{
    // Another window (of this program or another) or a menu comes and goes:
    // the edit goes on when the focus comes back.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason
        || editor_->isHidden())
        return;
    if (closingEditor_) {
        editor_->hide();
        return;
    }
    if (QApplication::focusWidget() == this) {
        // A press on the grid itself (a cell, a heading, a scroll bar) ends
        // the edit and keeps it, as moving to another cell would.
        storeEditorText();
    } else if (editorCell_) {
        // Another control took the focus: what was typed is dropped, so it
        // can never reach the cell later.
        editor_->setText(QString::fromStdString(model_.text(editorCell_->row, editorCell_->col)));
    }
    editor_->hide();
}

// Ctrl+Tab and Ctrl+Shift+Tab leave the grid, as in other tables.
bool GridView::leaveByKey(QKeyEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    if (event->key() == Qt::Key_Backtab
        || (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)))
        focusControlBeside(false);
    else if (event->key() == Qt::Key_Tab)
        focusControlBeside(true);
    else
        return false;
    return true;
}

// Shift+Tab (and Ctrl+Shift+Tab, Ctrl+Tab) leave the grid for the control
// before (after) it, so that the keyboard is never caught in the grid.
void GridView::focusControlBeside(bool after)
{
    const auto step
        = [after](QWidget* w) { return after ? w->nextInFocusChain() : w->previousInFocusChain(); };
    for (QWidget* w = step(this); w && w != this; w = step(w)) {
        if (!isAncestorOf(w) && w->isVisible() && w->isEnabled() && !w->focusProxy()
            && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(after ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress && editorKeyPress(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::FocusOut)
            editorFocusLost(static_cast<QFocusEvent*>(event)->reason());
    } else if (event->type() == QEvent::MouseButtonPress) {
        // A heading or a scroll bar: the focus, if it came with this press, is the grid's.
        pressElsewhere();
    }
    return QTableView::eventFilter(watched, event);
}

// The grid's own events

bool GridView::moveByKey(QKeyEvent* event)
{
    int row = event->modifiers() & Qt::ShiftModifier ? model_.selEndRow() : model_.row();
    int col = event->modifiers() & Qt::ShiftModifier ? model_.selEndCol() : model_.col();
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(row - 1)));
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_PageUp:
        row -= page;
        break;
    case Qt::Key_PageDown:
        row += page;
        break;
    case Qt::Key_Home:
        col = 1;
        break;
    case Qt::Key_End:
        col = model_.cols() - 1;
        break;
    default:
        return false;
    }
    if (event->modifiers() & Qt::ShiftModifier)
        model_.setSelectionEnd(row, col);
    else
        model_.setCurrent(row, col);
    return true;
}

bool GridView::rangeCommandKey(QKeyEvent* event)
{
    const std::pair<QKeySequence::StandardKey, RangeCommand> keys[]
        = { { QKeySequence::Cut, RangeCommand::Cut }, { QKeySequence::Copy, RangeCommand::Copy },
              { QKeySequence::Paste, RangeCommand::Paste } };
    for (const auto& [key, command] : keys) {
        if (event->matches(key)) {
            emit rangeCommand(command);
            return true;
        }
    }
    return false;
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    // A key the editor left alone comes on to its parents; it is not a key
    // on the grid (the arrow keys in the editor never move the cell).
    if (editor_->hasFocus()) {
        event->ignore();
        return;
    }
    if (rangeCommandKey(event) || leaveByKey(event)) {
        event->accept();
        emit gridKeyDown(event->key());
        return;
    }
    bool handled = true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        OpenCellEditor();
        break;
    case Qt::Key_Delete:
        // The current cell only, whatever the selection.
        change(tr("Delete"), [this] { model_.setText(model_.row(), model_.col(), {}); });
        break;
    default:
        handled = moveByKey(event);
        break;
    }
    event->setAccepted(handled);
    emit gridKeyDown(event->key());
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (const auto cell = cellAt(event->position().toPoint(), false)) {
            if (event->modifiers() & Qt::ShiftModifier)
                model_.setSelectionEnd(cell->row, cell->col);
            else
                model_.setCurrent(cell->row, cell->col);
        }
        // The release opens the editor over the current cell.
        mousePressed_ = true;
        focusFromPress_ = false;
    } else {
        pressElsewhere();
    }
    model_.setAnchor(model_.row(), model_.col());
    event->accept();
    emit gridMouseDown();
}

// A press that opens no editor on release (right or middle button, a
// heading, a scroll bar): when it gave the grid the focus, the editor opens
// now, as on any other gain of the focus.
void GridView::pressElsewhere()
{
    if (!focusFromPress_)
        return;
    focusFromPress_ = false;
    OpenCellEditor();
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    if (!mousePressed_ || !(event->buttons() & Qt::LeftButton))
        return;
    if (const auto cell = cellAt(event->position().toPoint(), true))
        model_.setSelectionEnd(cell->row, cell->col);
    event->accept();
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mousePressed_)
        return;
    mousePressed_ = false;
    event->accept();
    OpenCellEditor();
    emit gridClicked();
}

void GridView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    // A mouse press is acted on when it arrives, which comes just after.
    if (event->reason() == Qt::MouseFocusReason)
        focusFromPress_ = true;
    else if (!closingEditor_)
        OpenCellEditor();
    emit gridFocusGained();
}

} // namespace quorin
