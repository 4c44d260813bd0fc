#pragma once

#include "common/filelayer.h"
#include "common/platform.h"
#include "common/qt/core/qtplatform.h"
#include "common/qt/qtfilechooser.h"
#include "common/qt/qtprompter.h"

namespace quorin {

// The desktop's side of every platform interface, held together by the
// program (or tool) that shows the views.
struct DesktopPlatform {
    QtPrompter prompter;
    QtClipboard clipboard;
    DiskFiles files;
    const QtClock clock;
    const QtNumberFormat numberFormat;
    QtFileChooser chooser;

    Platform platform() { return { prompter, clipboard, files, clock, numberFormat, chooser }; }
};

} // namespace quorin
