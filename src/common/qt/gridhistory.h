#pragma once

#include "common/gridmodel.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QUndoStack;

namespace quorin {

// The undo history of a grid: each command on it is one step that undo
// takes back to the grid as it was before the command (every cell, headings
// included, and whatever else the owner keeps with it) and redo forward to
// the grid as the command left it. A command that changes nothing leaves no step.
class GridHistory : public QObject {
    Q_OBJECT
public:
    GridHistory(GridModel& grid, QObject* parent);

    // What the owner keeps besides the cells (the wave count, the rows shown
    // in red...), written as texts: how to take it and how to put it back.
    using Texts = std::vector<std::string>;
    void keepAlso(std::function<Texts()> take, std::function<void(const Texts&)> restore);

    // Runs `change` as one step named `what`.
    void record(const QString& what, const std::function<void()>& change);

    QUndoStack* stack() const { return stack_; }
    // Undo and Redo with the theme's icons and the standard keys (Ctrl+Z;
    // Ctrl+Shift+Z and Ctrl+Y), disabled when there is nothing to do.
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

    struct State {
        Texts cells;
        Texts also;
        bool operator==(const State&) const = default;
    };

private:
    State take() const;
    void restore(const State& state);

    GridModel& grid_;
    QUndoStack* stack_;
    QAction* undo_;
    QAction* redo_;
    std::function<Texts()> takeAlso_;
    std::function<void(const Texts&)> restoreAlso_;
};

} // namespace quorin
