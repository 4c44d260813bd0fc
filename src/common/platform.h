#pragma once

#include "common/clipboard.h"
#include "common/clock.h"
#include "common/filechooser.h"
#include "common/filelayer.h"
#include "common/numberformat.h"
#include "common/prompter.h"

namespace quorin {

// The platform the views and commands work through, owned by the application.
struct Platform {
    Prompter& prompter;
    Clipboard& clipboard;
    FileLayer& files;
    const Clock& clock;
    const NumberFormat& numberFormat;
    FileChooser& chooser;
};

} // namespace quorin
