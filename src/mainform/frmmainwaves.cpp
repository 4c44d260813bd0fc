#include "mainform/frmmain.h"

#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "wavetable/frmdefwaves.h"
#include "wavetable/insertafter.h"
#include "wavetable/togglefrequency.h"
#include "wavetable/waveclipboard.h"
#include "wavetable/wavegrid.h"

#include <QColor>
#include <QLineEdit>
#include <QPushButton>

// The wave table's commands on the main view.
namespace quorin {

namespace {

// The colour value 255: an interpolated wave's text.
const QColor kInterpolatedColour(255, 0, 0);

} // namespace

void frmMain::bindWaveCommands()
{
    for (int index = 0; index < 3; ++index)
        connect(Command2[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
            [this, index] { Command2Click(index); });
    for (int index = 0; index < 2; ++index)
        connect(Command4[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
            [this, index] { Command4Click(index); });
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3Click);

    Grid2->setClipboard(&platform_.clipboard);
    connect(Grid2, &GridView::rangeCommand, this, [this](GridView::RangeCommand command) {
        switch (command) {
        case GridView::RangeCommand::Cut:
            Command2Click(0);
            break;
        case GridView::RangeCommand::Paste:
            Command2Click(1);
            break;
        case GridView::RangeCommand::Copy:
            Command2Click(2);
            break;
        }
    });
}

void frmMain::Command2Click(int index)
{
    Clipboard& clipboard = platform_.clipboard;
    switch (index) {
    case 0:
        Grid2->setEditorText({});
        cutWaves(waves_, clipboard);
        break;
    case 1:
        pasteWaves(waves_, clipboard);
        // The editor holds the current cell's text as the clean-up left it,
        // so that leaving the cell later does not put a removed sign back.
        Grid2->setEditorText(qs(waves_.text(waves_.row(), waves_.col())));
        break;
    case 2:
        copyWaves(waves_, clipboard);
        break;
    default:
        break;
    }
}

void frmMain::Command3Click()
{
    const char decimal = platform_.numberFormat.decimalSymbol();
    {
        frmDefWaves dialog(session_.defaultWaves, setup_.WaveSteepness, prompter_, decimal, this);
        dialog.exec();
    }
    if (session_.defaultWaves.NumDefaultWaves > 0) {
        const auto message = DefaultWaves(
            waves_, session_.defaultWaves, setup_.WaveSteepness, setup_.NoOfWaves, decimal);
        if (message)
            prompter_.tell(*message);
        else
            prompter_.tell(message.error().message, Prompter::Icon::Critical);
    }
    Grid2->OpenCellEditor();
}

void frmMain::Command4Click(int index)
{
    const char decimal = platform_.numberFormat.decimalSymbol();
    if (index == 1) {
        toggleFrequency(waves_, setup_.NoOfWaves, waveView_, decimal);
        return;
    }
    if (auto inserted = insertAfter(waves_, setup_.NoOfWaves, waveView_, decimal); !inserted) {
        prompter_.tell(inserted.error().message, Prompter::Icon::Critical);
        return;
    }
    showInterpolatedRows();
}

void frmMain::showInterpolatedRows()
{
    for (int row = 1; row <= kWaveRowCount; ++row)
        Grid2->setRowTextColor(row, waveView_.isInterpolated(row) ? kInterpolatedColour : QColor());
}

} // namespace quorin
