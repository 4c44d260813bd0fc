#pragma once

#include <QApplication>

namespace quorin {

// The busy pointer over the whole screen while a command runs, shown before
// the command starts.
class BusyPointer {
public:
    BusyPointer()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace quorin
