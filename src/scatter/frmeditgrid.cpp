#include "scatter/frmeditgrid.h"

#include "common/gridclipboard.h"
#include "common/qt/gridhistory.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "guide/guidetext.h"
#include "guide/installguide.h"
#include "scatter/scattereditor.h"
#include "scatter/scattersave.h"
#include "scatter/scattershading.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace quorin {

namespace {
constexpr const char* kCaption = "Quorin Scatter Diagram";
}

frmEditGrid::frmEditGrid(GridEdit& store, ScatterRun run, const Platform& platform, QWidget* parent)
    : QDialog(parent)
    , store_(store)
    , run_(std::move(run))
    , prompter_(platform.prompter)
    , clipboard_(platform.clipboard)
    , files_(platform.files)
    , decimalSymbol_(platform.numberFormat.decimalSymbol())
{
    setObjectName(QStringLiteral("frmEditGrid"));
    setModal(true);
    buildControls();
    bindShortcuts();
    new ScatterShading(*grid, decimalSymbol_);
    const GuideText guide;
    installGuide(*this, guide);
    bindGuideKey(*this, guide);
    connect(Command2[0], &QToolButton::clicked, this, &frmEditGrid::Open);
    connect(Command2[1], &QToolButton::clicked, this, &frmEditGrid::Save);
    connect(Command3[0], &QToolButton::clicked, this, &frmEditGrid::Cut);
    connect(Command3[1], &QToolButton::clicked, this, &frmEditGrid::Copy);
    connect(Command3[2], &QToolButton::clicked, this, &frmEditGrid::Paste);
    connect(directionDown_, &QToolButton::clicked, this, [this] { stepDirection(false); });
    connect(directionUp_, &QToolButton::clicked, this, [this] { stepDirection(true); });
    Form_Load();
}

frmEditGrid::~frmEditGrid()
{
    // The grid shows model_, a member that goes before the window's own
    // clean-up (which still hides and repaints its children) runs.
    delete grid;
}

void frmEditGrid::Form_Load()
{
    setWindowTitle(qs(kCaption));
    // A fresh grid: default headings and an empty body, whatever the store holds.
    loadScatterGrid(store_, model_, decimalSymbol_);
    placeControls();
    sizeGrid();
    fitWindow();
}

void frmEditGrid::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const QWidget& top = *Command2[0];
    grid->setGeometry(0, top.height(), width(), std::max(0, height() - (top.y() + top.height())));
}

void frmEditGrid::keyPressEvent(QKeyEvent* event)
{
    // Only the window's close box closes the editor: Escape would lose unsaved cells.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

ScatterBoxes frmEditGrid::boxes() const
{
    return { Text2->text().toStdString(), Text3[0]->text().toStdString(),
        Text3[1]->text().toStdString() };
}

void frmEditGrid::showBoxes(const ScatterBoxes& boxes)
{
    const std::pair<QLineEdit*, const std::string&> shown[]
        = { { Text3[0], boxes.scalingFactor }, { Text3[1], boxes.years } };
    for (const auto& [edit, text] : shown)
        if (edit->text() != qs(text))
            edit->setText(qs(text));
}

ScatterContext frmEditGrid::context(ScatterBoxes& boxes)
{
    return { model_, boxes, prompter_, files_, run_.modelName, run_.spectrumType, decimalSymbol_ };
}

void frmEditGrid::showTotals(const std::string& line)
{
    Label1[2]->setText(qs(line));
    placeControls();
}

void frmEditGrid::Open()
{
    history_->record(tr("Open"), [this] {
        ScatterBoxes read = boxes();
        const ScatterOpened opened = openScatter(store_, context(read), Check1->isChecked());
        showBoxes(read);
        showTotals(opened.totalsLine);
    });
    grid->OpenCellEditor();
}

void frmEditGrid::Save()
{
    ScatterBoxes saved = boxes();
    // Every way a save can end has been told in a message box.
    static_cast<void>(SaveScatter(store_, context(saved)));
    grid->OpenCellEditor();
}

// After Cut and Paste the cell editor holds the current cell's new text, so
// that leaving the cell keeps what the command put there.
void frmEditGrid::Cut()
{
    history_->record(tr("Cut"), [this] { cutRange(model_, clipboard_); });
    grid->setEditorText(qs(model_.text(model_.row(), model_.col())));
}

void frmEditGrid::Copy()
{
    copyRange(model_, clipboard_);
}

void frmEditGrid::Paste()
{
    history_->record(tr("Paste"), [this] { pasteScatter(model_, clipboard_.text()); });
    grid->setEditorText(qs(model_.text(model_.row(), model_.col())));
}

void frmEditGrid::stepDirection(bool up)
{
    const std::string text = Text2->text().toStdString();
    Text2->setText(
        qs(up ? stepDirectionUp(text, decimalSymbol_) : stepDirectionDown(text, decimalSymbol_)));
}

} // namespace quorin
