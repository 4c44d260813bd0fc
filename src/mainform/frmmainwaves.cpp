#include "mainform/frmmain.h"

#include "common/qt/gridhistory.h"
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
#include <QToolButton>
#include <QUndoStack>

#include <string>

// The wave table's commands on the main view.
namespace quorin {

namespace {

// The colour value 255: an interpolated wave's text.
const QColor kInterpolatedColour(255, 0, 0);

} // namespace

void frmMain::bindWaveCommands()
{
    // One undo step per command, with the wave count, the frequency display
    // and the rows shown in red.
    history_ = new GridHistory(waves_, this);
    history_->keepAlso(
        [this] {
            GridHistory::Texts texts { std::to_string(setup_.NoOfWaves),
                waveView_.RadPerSecShown ? "1" : "0" };
            for (const int row : waveView_.interpolatedRows)
                texts.push_back(std::to_string(row));
            return texts;
        },
        [this](const GridHistory::Texts& texts) {
            setup_.NoOfWaves = static_cast<std::int16_t>(std::stoi(texts[0]));
            waveView_.RadPerSecShown = texts[1] == "1";
            waveView_.interpolatedRows.clear();
            for (std::size_t i = 2; i < texts.size(); ++i)
                waveView_.interpolatedRows.insert(std::stoi(texts[i]));
            showInterpolatedRows();
        });
    Grid2->setRecorder([this](const QString& what, const std::function<void()>& change) {
        history_->record(what, change);
    });
    connect(Grid2, &GridView::undoRequested, history_->stack(), &QUndoStack::undo);
    connect(Grid2, &GridView::redoRequested, history_->stack(), &QUndoStack::redo);
    cmdUNDO->setDefaultAction(history_->undoAction());
    cmdREDO->setDefaultAction(history_->redoAction());

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
        history_->record(tr("Cut"), [&] { cutWaves(waves_, clipboard); });
        break;
    case 1:
        history_->record(tr("Paste"), [&] { pasteWaves(waves_, clipboard); });
        // The editor holds the current cell's text as the clean-up left it,
        // so that leaving the cell later does not put a removed sign back.
        Grid2->setEditorText(qs(waves_.text(waves_.row(), waves_.col())));
        break;
    case 2:
        // Copy's clean-up may change cells too.
        history_->record(tr("Copy"), [&] { copyWaves(waves_, clipboard); });
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
        Result<std::string> message;
        history_->record(tr("Generate Default Waves"), [&] {
            message = DefaultWaves(
                waves_, session_.defaultWaves, setup_.WaveSteepness, setup_.NoOfWaves, decimal);
        });
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
        history_->record(tr("Toggle Freq Rad/s"),
            [&] { toggleFrequency(waves_, setup_.NoOfWaves, waveView_, decimal); });
        return;
    }
    Result<void> inserted;
    history_->record(tr("Insert After"), [&] {
        inserted = insertAfter(waves_, setup_.NoOfWaves, waveView_, decimal);
        showInterpolatedRows();
    });
    if (!inserted)
        prompter_.tell(inserted.error().message, Prompter::Icon::Critical);
}

void frmMain::showInterpolatedRows()
{
    for (int row = 1; row <= kWaveRowCount; ++row)
        Grid2->setRowTextColor(row, waveView_.isInterpolated(row) ? kInterpolatedColour : QColor());
}

} // namespace quorin
