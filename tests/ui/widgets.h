#pragma once

#include "common/platform.h"
#include "common/qt/gridview.h"
#include "common/qt/qtprompter.h"
#include "mainform/frmmain.h"
#include "support/scripted.h"
#include "support/tempdir.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace quorin::test {

using Cell = std::pair<int, int>; // row, column of a data cell, from 1

// The child with the object name; a missing one fails the test.
template <typename Widget = QWidget> Widget* child(const QObject& parent, const std::string& name)
{
    auto* found = parent.findChild<Widget*>(QString::fromStdString(name));
    if (!found)
        throw std::runtime_error("no control " + name);
    return found;
}

inline QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name).trimmed() : QStringLiteral("<none>");
}

inline bool showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// A mouse click on the named button, which takes the focus as a user's click does.
inline void click(const QObject& parent, const std::string& name)
{
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

// One step of keys for the widget with the focus: "'abc" types abc ("_" types
// a space), "^V" presses Ctrl+V, and a key name (Enter, KpEnter, Tab, Del, Esc,
// Up, Down, Left, Right) presses that key, with Shift when it starts with "+".
inline void pressKeys(const std::string& step)
{
    static const std::map<std::string, Qt::Key> keys { { "Enter", Qt::Key_Return },
        { "Tab", Qt::Key_Tab }, { "Del", Qt::Key_Delete }, { "Up", Qt::Key_Up },
        { "Down", Qt::Key_Down }, { "Left", Qt::Key_Left }, { "Right", Qt::Key_Right },
        { "KpEnter", Qt::Key_Enter }, { "Esc", Qt::Key_Escape } };
    QWidget* focus = QApplication::focusWidget();
    if (step[0] == '\'')
        QTest::keyClicks(focus, QString::fromStdString(step.substr(1)).replace('_', ' '));
    else if (step[0] == '^')
        QTest::keyClick(focus, step[1], Qt::ControlModifier);
    else if (step[0] == '+')
        QTest::keyClick(focus, keys.at(step.substr(1)), Qt::ShiftModifier);
    else
        QTest::keyClick(focus, keys.at(step));
}

// Steps separated by spaces, each one given to `step`.
template <typename Step> void runSteps(const std::string& steps, Step step)
{
    std::istringstream in(steps);
    for (std::string each; in >> each;)
        step(each);
}

inline QPoint centre(GridView& grid, Cell cell)
{
    const QModelIndex index = grid.model()->index(cell.first - 1, cell.second - 1);
    grid.scrollTo(index);
    return grid.visualRect(index).center();
}

// The mouse goes down on `from` and comes up on `to`.
inline void drag(GridView& grid, Cell from, Cell to)
{
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre(grid, from));
    QTest::mouseMove(grid.viewport(), centre(grid, to));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre(grid, to));
}

// Scripted stand-ins for the platform, with the desktop clipboard of Qt.
struct Platforms {
    ScriptedPrompter prompter;
    QtClipboard clipboard;
    DiskFiles files;
    FixedClock clock;
    FixedNumberFormat numberFormat;
    ScriptedFileChooser chooser;
    Platform platform() { return { prompter, clipboard, files, clock, numberFormat, chooser }; }
};

// The main view on scripted platforms, and a folder for its model.
class MainView : public testing::Test {
protected:
    template <typename Widget = QWidget> Widget* control(const std::string& name)
    {
        return child<Widget>(view, name);
    }
    QString text(const std::string& name) { return control<QLineEdit>(name)->text(); }
    QString status() { return control<QLabel>("StatusLine")->text(); }
    // model.NAM naming the model JKT, whose wave data exists.
    StartupDirectories model()
    {
        dir.write("model.NAM", "\"" + dir.file("JKT") + "\",x,1\r\n");
        dir.write("JKT.WAV", "");
        return { dir.path(), dir.path(), std::nullopt };
    }

    TempDir dir;
    Session session;
    RunSetup& setup = session.setup;
    GridModel& waves = session.waves;
    Platforms platforms;
    ScriptedPrompter& prompter = platforms.prompter;
    frmMain view { session, platforms.platform() };
};

} // namespace quorin::test
