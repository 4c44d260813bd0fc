#include "common/qt/gridhistory.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QUndoCommand>
#include <QUndoStack>

namespace quorin {

namespace {

// A step: the grid before and after one command. The command has already
// run when the step is pushed, so its first redo does nothing.
class GridStep : public QUndoCommand {
public:
    GridStep(const QString& what, GridHistory::State before, GridHistory::State after,
        std::function<void(const GridHistory::State&)> restore)
        : QUndoCommand(what)
        , before_(std::move(before))
        , after_(std::move(after))
        , restore_(std::move(restore))
    {
    }
    void undo() override { restore_(before_); }
    void redo() override
    {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        restore_(after_);
    }

private:
    GridHistory::State before_;
    GridHistory::State after_;
    std::function<void(const GridHistory::State&)> restore_;
    bool pushed_ = false;
};

} // namespace

GridHistory::GridHistory(GridModel& grid, QObject* parent)
    : QObject(parent)
    , grid_(grid)
    , stack_(new QUndoStack(this))
    , undo_(stack_->createUndoAction(this, tr("Undo")))
    , redo_(stack_->createRedoAction(this, tr("Redo")))
{
    // Without a desktop theme, the style's arrows.
    const QStyle* style = QApplication::style();
    undo_->setIcon(
        QIcon::fromTheme(QStringLiteral("edit-undo"), style->standardIcon(QStyle::SP_ArrowBack)));
    undo_->setShortcut(QKeySequence::Undo);
    redo_->setIcon(QIcon::fromTheme(
        QStringLiteral("edit-redo"), style->standardIcon(QStyle::SP_ArrowForward)));
    redo_->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    // The tool tips name the command a click takes back or does again.
    const auto tell = [this] {
        undo_->setToolTip(stack_->canUndo()
                ? tr("Undoes the last change to the grid, %1 (Ctrl+Z).").arg(stack_->undoText())
                : tr("There is no change to the grid to undo."));
        redo_->setToolTip(stack_->canRedo()
                ? tr("Redoes the change last undone, %1 (Ctrl+Shift+Z).").arg(stack_->redoText())
                : tr("There is no undone change to redo."));
    };
    connect(stack_, &QUndoStack::indexChanged, this, tell);
    connect(stack_, &QUndoStack::cleanChanged, this, tell);
    tell();
}

void GridHistory::keepAlso(std::function<Texts()> take, std::function<void(const Texts&)> restore)
{
    takeAlso_ = std::move(take);
    restoreAlso_ = std::move(restore);
}

GridHistory::State GridHistory::take() const
{
    State state;
    state.cells.reserve(static_cast<std::size_t>(grid_.rows() * grid_.cols()));
    for (int r = 0; r < grid_.rows(); ++r)
        for (int c = 0; c < grid_.cols(); ++c)
            state.cells.push_back(grid_.text(r, c));
    if (takeAlso_)
        state.also = takeAlso_();
    return state;
}

void GridHistory::restore(const State& state)
{
    std::size_t i = 0;
    for (int r = 0; r < grid_.rows(); ++r)
        for (int c = 0; c < grid_.cols(); ++c)
            grid_.setText(r, c, state.cells[i++]);
    if (restoreAlso_)
        restoreAlso_(state.also);
}

void GridHistory::record(const QString& what, const std::function<void()>& change)
{
    State before = take();
    change();
    State after = take();
    if (after == before)
        return;
    stack_->push(new GridStep(
        what, std::move(before), std::move(after), [this](const State& state) { restore(state); }));
}

} // namespace quorin
