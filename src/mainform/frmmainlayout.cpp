#include "mainform/frmmain.h"

#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "mainform/captions.h"
#include "run/inputtable.h"
#include "wavetable/wavegrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quorin {

namespace {

// The elements of the controls that one assessment frame holds.
struct AssessmentElements {
    int tubular; // chkJOINTS, txtCurve
    int member; // chkJOINTS, txtCurve
    int scf; // Text1
    int thickness; // Text1
    int vmStress; // Check1
};

constexpr AssessmentElements kGlobalElements { 0, 1, 3, 2, 0 };
constexpr AssessmentElements kSelectiveElements { 2, 3, 0, 1, 1 };

const InputField& input(const QString& objectName)
{
    return *findInput(objectName.toStdString());
}

// The caption of an input's control, from the table of inputs.
QString captionOf(const QString& objectName)
{
    return qs(input(objectName).caption);
}

// An option button of an option group, captioned from the table of inputs.
QRadioButton* makeOption(QWidget* parent, const char* group, int element)
{
    const InputField& field = *findInput(group);
    const auto choice = std::ranges::find(field.choices, element, &Choice::element);
    return named(new QRadioButton(qs(choice->caption), parent), indexed(group, element));
}

constexpr double kSmallestHeadingPoints = 6.0;
constexpr int kEditFrameAndMargins = 14;

// A text box wide enough for `chars` digits; 0 lets the layout stretch it.
QLineEdit* makeEdit(QWidget* parent, const QString& name, int chars)
{
    auto* edit = named(new QLineEdit(parent), name);
    if (chars > 0) {
        const QFontMetrics metrics(edit->font());
        edit->setFixedWidth(
            metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + kEditFrameAndMargins);
    }
    return edit;
}

// The label of a text box, captioned from the table of inputs: its access key
// moves the focus to the box, and it names the box.
QLabel* makeLabel(QWidget* parent, QWidget* buddy)
{
    auto* label = named(new QLabel(captionOf(buddy->objectName()), parent),
        buddy->objectName() + QStringLiteral("_label"));
    label->setBuddy(buddy);
    return label;
}

// The headings keep to the widths the table is laid out with: a system font
// too large for a heading row or column gives its headings a smaller size
// rather than cutting them off.
void fitHeadings(QHeaderView* header, const QStringList& texts, int width)
{
    const int margins
        = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 1;
    const auto fits = [&](const QFont& font) {
        const QFontMetrics metrics(font);
        return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            return metrics.horizontalAdvance(text) + margins <= width;
        });
    };
    QFont font = header->font();
    while (!fits(font) && font.pointSizeF() > kSmallestHeadingPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    header->setFont(font);
}

void fitHeadings(GridView* grid)
{
    const GridModel& model = grid->gridModel();
    for (int c = 1; c < model.cols(); ++c)
        fitHeadings(grid->horizontalHeader(), { QString::fromStdString(model.text(0, c)) },
            grid->columnWidth(c - 1));
    // Row numbers, or the circular frequencies Toggle Freq Rad/s shows.
    fitHeadings(grid->verticalHeader(),
        { QString::number(model.rows() - 1), QStringLiteral("0.000") },
        GridView::twipsToPixels(grid->columnWidthTwips(0), grid->logicalDpiX()));
}

} // namespace

void frmMain::buildView()
{
    // The controls lie on a page that scrolls when the window is smaller
    // than they need (a small screen at a large scaling).
    content_ = named(new QWidget, QStringLiteral("centralWidget"));
    auto* page = named(new QScrollArea(this), QStringLiteral("page"));
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    page->setFocusPolicy(Qt::NoFocus);

    auto* left = new QVBoxLayout;
    left->addLayout(buildTopBand());

    auto* upper = new QHBoxLayout;
    upper->addWidget(buildDirections());
    auto* beside = new QVBoxLayout;
    auto* spectrumAndNumbers = new QHBoxLayout;
    spectrumAndNumbers->addWidget(buildSpectrum());
    spectrumAndNumbers->addLayout(buildRunNumbers());
    spectrumAndNumbers->addStretch();
    beside->addLayout(spectrumAndNumbers);
    beside->addLayout(buildJointRows());
    beside->addStretch();
    upper->addLayout(beside, 1);
    left->addLayout(upper);

    left->addWidget(buildGlobalAssessments());
    left->addWidget(buildSelectiveAssessments());
    left->addStretch();

    // Width and height beyond what the controls need go to the wave table.
    auto* layout = new QGridLayout(content_);
    layout->addLayout(left, 0, 0, 2, 1);
    layout->addWidget(buildWavePanes(buildWaveData()), 0, 1);
    layout->addLayout(buildCloseRow(), 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    page->setWidget(content_);
    setCentralWidget(page);
}

QLayout* frmMain::buildTopBand()
{
    QWidget* central = content_;
    txtBATNAM = makeEdit(central, QStringLiteral("txtBATNAM"), 0);
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(central, txtBATNAM));
    row->addWidget(txtBATNAM, 1);
    return row;
}

QGroupBox* frmMain::buildDirections()
{
    Frame1 = named(new QGroupBox(captionOf("Option1"), content_), QStringLiteral("Frame1"));
    auto* column = new QVBoxLayout(Frame1);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = makeOption(Frame1, "Option1", static_cast<int>(i));
        column->addWidget(Option1[i]);
    }
    column->addStretch();
    return Frame1;
}

QGroupBox* frmMain::buildSpectrum()
{
    Frame4 = named(new QGroupBox(captionOf("Option6"), content_), QStringLiteral("Frame4"));
    auto* column = new QVBoxLayout(Frame4);
    for (int i = 1; i <= 3; ++i) {
        Option6[i] = makeOption(Frame4, "Option6", i);
        column->addWidget(Option6[i]);
    }
    Command1 = named(new QPushButton(qs(caption::editScatter), Frame4), QStringLiteral("Command1"));
    column->addWidget(Command1);
    connect(Command1, &QPushButton::clicked, this, &frmMain::editScatterDiagram);
    column->addStretch();
    return Frame4;
}

QLayout* frmMain::buildRunNumbers()
{
    QWidget* central = content_;
    txtRETURN = makeEdit(central, QStringLiteral("txtRETURN"), 4);
    txtBLOCKS = makeEdit(central, QStringLiteral("txtBLOCKS"), 4);
    Check2 = named(new QCheckBox(captionOf("Check2"), central), QStringLiteral("Check2"));
    txtSTART[0] = makeEdit(central, indexed("txtSTART", 0), 4);
    Check3 = named(new QCheckBox(captionOf("Check3"), central), QStringLiteral("Check3"));

    auto* block = new QGridLayout;
    block->addWidget(makeLabel(central, txtRETURN), 0, 0);
    block->addWidget(txtRETURN, 0, 1);
    block->addWidget(makeLabel(central, txtBLOCKS), 0, 2);
    block->addWidget(txtBLOCKS, 0, 3);
    block->addWidget(Check2, 1, 0, 1, 4);
    block->addWidget(makeLabel(central, txtSTART[0]), 2, 0);
    block->addWidget(txtSTART[0], 2, 1);
    block->addWidget(Check3, 3, 0, 1, 4);
    block->setRowStretch(4, 1);
    return block;
}

QLayout* frmMain::buildJointRows()
{
    QWidget* central = content_;
    txtSTARTDIR = makeEdit(central, QStringLiteral("txtSTARTDIR"), 5);
    txtSCF = makeEdit(central, QStringLiteral("txtSCF"), 4);
    txtSTRESS = makeEdit(central, QStringLiteral("txtSTRESS"), 4);

    auto* rows = new QGridLayout;
    rows->addWidget(makeLabel(central, txtSTARTDIR), 0, 0);
    rows->addWidget(txtSTARTDIR, 0, 1);
    rows->addWidget(makeLabel(central, txtSCF), 1, 0);
    rows->addWidget(txtSCF, 1, 1);
    rows->addWidget(makeLabel(central, txtSTRESS), 1, 3);
    rows->addWidget(txtSTRESS, 1, 4);
    rows->setColumnMinimumWidth(2, 12);
    rows->setColumnStretch(5, 1);
    return rows;
}

namespace {

// Both frames: the tubular joints row, then the member joints row with SCF,
// thickness and VM stress, in columns shared by the two rows.
QGridLayout* jointGrid(QGroupBox* frame, const AssessmentElements& e,
    std::array<QCheckBox*, 4>& chkJOINTS, std::array<QLineEdit*, 4>& txtCurve,
    std::array<QLineEdit*, 4>& Text1, std::array<QCheckBox*, 2>& Check1)
{
    const auto checkBox = [frame](const char* name, int element) {
        const QString objectName = indexed(name, element);
        return named(new QCheckBox(captionOf(objectName), frame), objectName);
    };
    const auto curveBox = [frame](int element) {
        QLineEdit* edit = makeEdit(frame, indexed("txtCurve", element), 3);
        edit->setAccessibleName(qs(input(edit->objectName()).accessibleName));
        return edit;
    };
    chkJOINTS[e.tubular] = checkBox("chkJOINTS", e.tubular);
    txtCurve[e.tubular] = curveBox(e.tubular);
    chkJOINTS[e.member] = checkBox("chkJOINTS", e.member);
    txtCurve[e.member] = curveBox(e.member);
    Text1[e.scf] = makeEdit(frame, indexed("Text1", e.scf), 4);
    Text1[e.thickness] = makeEdit(frame, indexed("Text1", e.thickness), 5);
    Check1[e.vmStress] = checkBox("Check1", e.vmStress);

    auto* grid = new QGridLayout;
    grid->addWidget(chkJOINTS[e.tubular], 0, 0);
    grid->addWidget(txtCurve[e.tubular], 0, 1);
    grid->addWidget(chkJOINTS[e.member], 1, 0);
    grid->addWidget(txtCurve[e.member], 1, 1);
    grid->addWidget(makeLabel(frame, Text1[e.scf]), 1, 2, Qt::AlignRight);
    grid->addWidget(Text1[e.scf], 1, 3);
    grid->addWidget(makeLabel(frame, Text1[e.thickness]), 1, 4, Qt::AlignRight);
    grid->addWidget(Text1[e.thickness], 1, 5);
    grid->addWidget(Check1[e.vmStress], 1, 6);
    grid->setColumnMinimumWidth(2, 36);
    grid->setColumnStretch(7, 1);
    return grid;
}

} // namespace

QGroupBox* frmMain::buildGlobalAssessments()
{
    Frame3[0] = named(new QGroupBox(qs(caption::globalFrame), content_), indexed("Frame3", 0));
    QGroupBox* frame = Frame3[0];
    auto* column = new QVBoxLayout(frame);
    QGridLayout* joints = jointGrid(frame, kGlobalElements, chkJOINTS, txtCurve, Text1, Check1);
    column->addLayout(joints);

    txtSTART[1] = makeEdit(frame, indexed("txtSTART", 1), 5);
    cmdCREATE[0] = named(new QPushButton(qs(caption::create), frame), indexed("cmdCREATE", 0));
    auto* last = new QHBoxLayout;
    last->addWidget(makeLabel(frame, txtSTART[1]));
    last->addWidget(txtSTART[1]);
    last->addStretch();
    last->addWidget(cmdCREATE[0]);
    column->addLayout(last);
    connect(cmdCREATE[0], &QPushButton::clicked, this, [this] { createClicked(0); });
    return frame;
}

QGroupBox* frmMain::buildSelectiveAssessments()
{
    Frame3[3] = named(new QGroupBox(qs(caption::selectiveFrame), content_), indexed("Frame3", 3));
    QGroupBox* frame = Frame3[3];
    auto* column = new QVBoxLayout(frame);
    QGridLayout* joints = jointGrid(frame, kSelectiveElements, chkJOINTS, txtCurve, Text1, Check1);
    txtSTART[4] = makeEdit(frame, indexed("txtSTART", 4), 4);
    joints->addWidget(makeLabel(frame, txtSTART[4]), 0, 2, 1, 3, Qt::AlignRight);
    joints->addWidget(txtSTART[4], 0, 5);
    column->addLayout(joints);

    Option5[0] = makeOption(frame, "Option5", 0);
    Option5[1] = makeOption(frame, "Option5", 1);
    txtSTART[5] = makeEdit(frame, indexed("txtSTART", 5), 4);
    auto* restrict = new QHBoxLayout;
    restrict->addWidget(Option5[0]);
    restrict->addWidget(Option5[1]);
    restrict->addStretch();
    restrict->addWidget(makeLabel(frame, txtSTART[5]));
    restrict->addWidget(txtSTART[5]);
    column->addLayout(restrict);

    txtSTART[3] = makeEdit(frame, indexed("txtSTART", 3), 5);
    txtDesc = makeEdit(frame, QStringLiteral("txtDesc"), 0);
    txtDesc->setMaxLength(kDescriptionLimit);
    txtDesc->setMinimumWidth(QFontMetrics(txtDesc->font()).averageCharWidth() * 24);
    auto* describe = new QHBoxLayout;
    describe->addWidget(makeLabel(frame, txtSTART[3]));
    describe->addWidget(txtSTART[3]);
    describe->addSpacing(12);
    describe->addWidget(makeLabel(frame, txtDesc));
    describe->addWidget(txtDesc, 1);
    column->addLayout(describe);

    cmdCREATE[1] = named(new QPushButton(qs(caption::append), frame), indexed("cmdCREATE", 1));
    auto* last = new QHBoxLayout;
    last->addStretch();
    last->addWidget(cmdCREATE[1]);
    column->addLayout(last);
    connect(cmdCREATE[1], &QPushButton::clicked, this, [this] { createClicked(1); });
    return frame;
}

QGroupBox* frmMain::buildWaveData()
{
    Frame2 = named(new QGroupBox(qs(caption::waveData), content_), QStringLiteral("Frame2"));
    auto* column = new QVBoxLayout(Frame2);

    txtWAVESTEP = makeEdit(Frame2, QStringLiteral("txtWAVESTEP"), 4);
    txtDEPTH = makeEdit(Frame2, QStringLiteral("txtDEPTH"), 6);
    auto* inputs = new QGridLayout;
    inputs->addWidget(makeLabel(Frame2, txtWAVESTEP), 0, 0);
    inputs->addWidget(txtWAVESTEP, 0, 1);
    inputs->addWidget(makeLabel(Frame2, txtDEPTH), 1, 0);
    inputs->addWidget(txtDEPTH, 1, 1);
    inputs->setColumnStretch(2, 1);
    // Undo and Redo beside the two boxes: their actions come with the wave
    // table's history.
    cmdUNDO = named(new QToolButton(Frame2), QStringLiteral("cmdUNDO"));
    cmdREDO = named(new QToolButton(Frame2), QStringLiteral("cmdREDO"));
    for (QToolButton* button : { cmdUNDO, cmdREDO }) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    inputs->addWidget(cmdUNDO, 0, 3);
    inputs->addWidget(cmdREDO, 1, 3);
    column->addLayout(inputs);

    // Left to right Cut, Copy, Paste; the elements are 0, 2 and 1.
    auto* clipboardRow = new QHBoxLayout;
    const std::array<std::pair<int, const char*>, 3> clipboardButtons { { { 0, caption::cut },
        { 2, caption::copy }, { 1, caption::paste } } };
    for (const auto& [index, text] : clipboardButtons) {
        Command2[index] = named(new QPushButton(qs(text), Frame2), indexed("Command2", index));
        clipboardRow->addWidget(Command2[index]);
    }
    column->addLayout(clipboardRow);

    Grid2 = named(new GridView(waves_, Frame2), QStringLiteral("Grid2"));
    Grid2->setAccessibleName(qs(caption::waveGrid));
    Grid2->editor()->setObjectName(QStringLiteral("Text2"));
    Grid2->editor()->setAccessibleName(qs(caption::cellEditor));
    Grid2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    column->addWidget(Grid2, 1);

    Command3
        = named(new QPushButton(qs(caption::defaultWaves), Frame2), QStringLiteral("Command3"));
    column->addWidget(Command3);

    auto* bottom = new QHBoxLayout;
    Command4[0] = named(new QPushButton(qs(caption::insertAfter), Frame2), indexed("Command4", 0));
    Command4[1]
        = named(new QPushButton(qs(caption::toggleFrequency), Frame2), indexed("Command4", 1));
    bottom->addWidget(Command4[0]);
    bottom->addWidget(Command4[1]);
    column->addLayout(bottom);
    return Frame2;
}

QLayout* frmMain::buildCloseRow()
{
    QWidget* central = content_;
    cmdREPORT = named(new QPushButton(qs(caption::report), central), QStringLiteral("cmdREPORT"));
    cmdHELP = named(new QPushButton(qs(caption::help), central), QStringLiteral("cmdHELP"));
    cmdQUIT = named(new QPushButton(qs(caption::close), central), QStringLiteral("cmdQUIT"));
    connect(cmdREPORT, &QPushButton::clicked, this, &frmMain::saveReport);
    connect(cmdHELP, &QPushButton::clicked, this, &frmMain::showHelp);
    connect(cmdQUIT, &QPushButton::clicked, this, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cmdREPORT);
    row->addWidget(cmdHELP);
    row->addWidget(cmdQUIT);
    return row;
}

void frmMain::buildStatusLine()
{
    statusLine_ = named(new QLabel(statusBar()), QStringLiteral("StatusLine"));
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(statusLine_, 1);
    cmdCHANGES = named(
        new QPushButton(qs(caption::whatChanged), statusBar()), QStringLiteral("cmdCHANGES"));
    cmdCHANGES->hide();
    connect(cmdCHANGES, &QPushButton::clicked, this, &frmMain::showWhatChanged);
    statusBar()->addPermanentWidget(cmdCHANGES);
}

void frmMain::GridSetUp()
{
    quorin::GridSetUp(waves_);
    Grid2->setColumnWidthTwips(0, 500);
    const int widthTwips = 2 * Grid2->columnWidthTwips(1) + 1353;
    Grid2->setMinimumWidth(GridView::twipsToPixels(widthTwips, Grid2->logicalDpiX()));
    Grid2->setColumnWidthTwips(3, 600);
    fitHeadings(Grid2);
    Grid2->shareExtraWidth();
}

} // namespace quorin
