#include "mainform/frmmain.h"

#include "common/numberformat.h"
#include "common/qt/gridview.h"
#include "mainform/clickrules.h"
#include "wavetable/wavegrid.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace quorin {

namespace {

// Every text the view shows. An ampersand marks the access key of the next letter.
namespace caption {
constexpr const char* window = "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility";
constexpr const char* batchFile = "Fatigu&e Batch File";
constexpr const char* directions = "N&umber of Directions";
constexpr const char* spectrum = "Wave Energy Spectrum";
constexpr const char* spectra[4] = { "", "ITTC Spectrum", "Pierson-Moskowitz PM", "JONSWAP " };
constexpr const char* editScatter = "Edit Scatter Diagram";
constexpr const char* frequencyCase = "Frequency Case";
constexpr const char* damping = "Critical Damping %";
constexpr const char* staticOnly = "Static Only";
constexpr const char* loadCaseStart = "Load Case (Start)";
constexpr const char* excludeStatic = "Exclude Static Improvement";
constexpr const char* startDirection = "Start Direction (De&g)";
constexpr const char* scfCorrelation = "Tubular Joint SCF Correlations";
constexpr const char* stressPoints = "No of &Joint Stress Points";
constexpr const char* globalFrame = "Global Assessments";
constexpr const char* selectiveFrame = "Selective Assessments";
constexpr const char* tubularJoints = "Tubular Joints    SN Curve";
constexpr const char* memberJoints = "Member Joints    SN Curve";
constexpr const char* tubularCurve = "Tubular Joints SN Curve";
constexpr const char* memberCurve = "Member Joints SN Curve";
constexpr const char* scf = "SCF";
constexpr const char* thickness = "Thickness";
constexpr const char* vmStress = "Include VM Stress Opt";
constexpr const char* outputIdStart = "Output ID Number (Start)";
constexpr const char* create = "Crea&te Control File ";
constexpr const char* groupSet = "Group SET No";
constexpr const char* elementGroup = "Restrict to Element Group";
constexpr const char* nodeGroup = "Restrict to Node Group";
constexpr const char* groupNo = "Restrict to Group No.";
constexpr const char* description = "Description";
constexpr const char* append = "Append to Control File";
constexpr const char* waveData = "Tranfer Function Wave Data";
constexpr const char* waveSteps = "No of Wave Ste&ps";
constexpr const char* waterDepth = "W&ater Depth";
constexpr const char* cut = "Cut";
constexpr const char* paste = "Paste";
constexpr const char* copy = "Copy";
constexpr const char* defaultWaves = "Generate Default Waves";
constexpr const char* insertAfter = "Insert After";
constexpr const char* toggleFrequency = "Toggle Freq Rad/s";
constexpr const char* help = "&Help";
constexpr const char* close = "Close";
constexpr const char* waveGrid = "Wave Data";
constexpr const char* cellEditor = "Cell Editor";
constexpr const char* helpMissing = "The help file was not found: ";
} // namespace caption

const QColor kErrorColour(192, 0, 0);
constexpr double kSmallestHeadingPoints = 6.0;
constexpr int kEditFrameAndMargins = 14;

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

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

// A label whose access key moves the focus to its text box, and which names it.
QLabel* makeLabel(QWidget* parent, const char* text, QWidget* buddy)
{
    auto* label
        = named(new QLabel(qs(text), parent), buddy->objectName() + QStringLiteral("_label"));
    label->setBuddy(buddy);
    return label;
}

std::string toStd(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

// Setting an unchanged text would move the caret and lose the undo history.
void showText(QLineEdit* edit, const std::string& value)
{
    const QString shown = QString::fromStdString(value);
    if (edit->text() != shown)
        edit->setText(shown);
}

void selectButton(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

// The command's questions and messages show with the normal pointer.
class NormalPointerPrompter : public Prompter {
public:
    explicit NormalPointerPrompter(Prompter& inner)
        : inner_(inner)
    {
    }
    Answer ask(
        const std::string& text, Buttons buttons, Icon icon, const std::string& title) override
    {
        const bool busy = QApplication::overrideCursor() != nullptr;
        if (busy)
            QApplication::restoreOverrideCursor();
        const Answer answer = inner_.ask(text, buttons, icon, title);
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }

private:
    Prompter& inner_;
};

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
    fitHeadings(grid->verticalHeader(), { QString::number(model.rows() - 1) },
        GridView::twipsToPixels(grid->columnWidthTwips(0), grid->logicalDpiX()));
}

} // namespace

frmMain::frmMain(RunSetup& setup, GridModel& waves, Prompter& prompter, const Clock& clock,
    const NumberFormat& numberFormat, QWidget* parent)
    : QMainWindow(parent)
    , setup_(setup)
    , waves_(waves)
    , prompter_(prompter)
    , clock_(clock)
    , numberFormat_(numberFormat)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(qs(caption::window));
    buildView();
    buildStatusLine();
    GridSetUp();
    showInputs(MainInputs {});

    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &frmMain::showHelp);

    const QSize wanted = sizeHint();
    const QRect area = screen()->availableGeometry();
    resize(qMin(wanted.width(), area.width()), qMin(wanted.height(), area.height()));
}

frmMain::~frmMain() = default;

void frmMain::buildView()
{
    auto* central = named(new QWidget(this), QStringLiteral("centralWidget"));
    setCentralWidget(central);

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

    auto* layout = new QGridLayout(central);
    layout->addLayout(left, 0, 0, 2, 1);
    layout->addWidget(buildWaveData(), 0, 1);
    layout->addLayout(buildCloseRow(), 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);
}

QLayout* frmMain::buildTopBand()
{
    QWidget* central = centralWidget();
    txtBATNAM = makeEdit(central, QStringLiteral("txtBATNAM"), 0);
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(central, caption::batchFile, txtBATNAM));
    row->addWidget(txtBATNAM, 1);
    return row;
}

QGroupBox* frmMain::buildDirections()
{
    Frame1
        = named(new QGroupBox(qs(caption::directions), centralWidget()), QStringLiteral("Frame1"));
    directionGroup_ = new QButtonGroup(this);
    auto* column = new QVBoxLayout(Frame1);
    for (int i = 0; i < kDirectionOptionCount; ++i) {
        Option1[i]
            = named(new QRadioButton(qs(kDirectionCaptions[i]), Frame1), indexed("Option1", i));
        directionGroup_->addButton(Option1[i], i);
        column->addWidget(Option1[i]);
    }
    column->addStretch();
    return Frame1;
}

QGroupBox* frmMain::buildSpectrum()
{
    Frame4 = named(new QGroupBox(qs(caption::spectrum), centralWidget()), QStringLiteral("Frame4"));
    spectrumGroup_ = new QButtonGroup(this);
    auto* column = new QVBoxLayout(Frame4);
    for (int i = 1; i <= 3; ++i) {
        Option6[i]
            = named(new QRadioButton(qs(caption::spectra[i]), Frame4), indexed("Option6", i));
        spectrumGroup_->addButton(Option6[i], i);
        column->addWidget(Option6[i]);
    }
    connect(spectrumGroup_, &QButtonGroup::idClicked, this, &frmMain::spectrumClicked);
    Command1 = named(new QPushButton(qs(caption::editScatter), Frame4), QStringLiteral("Command1"));
    column->addWidget(Command1);
    column->addStretch();
    return Frame4;
}

QLayout* frmMain::buildRunNumbers()
{
    QWidget* central = centralWidget();
    txtRETURN = makeEdit(central, QStringLiteral("txtRETURN"), 4);
    txtBLOCKS = makeEdit(central, QStringLiteral("txtBLOCKS"), 4);
    Check2 = named(new QCheckBox(qs(caption::staticOnly), central), QStringLiteral("Check2"));
    txtSTART[0] = makeEdit(central, indexed("txtSTART", 0), 4);
    Check3 = named(new QCheckBox(qs(caption::excludeStatic), central), QStringLiteral("Check3"));
    connect(Check2, &QCheckBox::clicked, this, &frmMain::staticOnlyClicked);
    connect(Check3, &QCheckBox::clicked, this, &frmMain::excludeStaticImprovementClicked);

    auto* block = new QGridLayout;
    block->addWidget(makeLabel(central, caption::frequencyCase, txtRETURN), 0, 0);
    block->addWidget(txtRETURN, 0, 1);
    block->addWidget(makeLabel(central, caption::damping, txtBLOCKS), 0, 2);
    block->addWidget(txtBLOCKS, 0, 3);
    block->addWidget(Check2, 1, 0, 1, 4);
    block->addWidget(makeLabel(central, caption::loadCaseStart, txtSTART[0]), 2, 0);
    block->addWidget(txtSTART[0], 2, 1);
    block->addWidget(Check3, 3, 0, 1, 4);
    block->setRowStretch(4, 1);
    return block;
}

QLayout* frmMain::buildJointRows()
{
    QWidget* central = centralWidget();
    txtSTARTDIR = makeEdit(central, QStringLiteral("txtSTARTDIR"), 5);
    txtSCF = makeEdit(central, QStringLiteral("txtSCF"), 4);
    txtSTRESS = makeEdit(central, QStringLiteral("txtSTRESS"), 4);

    auto* rows = new QGridLayout;
    rows->addWidget(makeLabel(central, caption::startDirection, txtSTARTDIR), 0, 0);
    rows->addWidget(txtSTARTDIR, 0, 1);
    rows->addWidget(makeLabel(central, caption::scfCorrelation, txtSCF), 1, 0);
    rows->addWidget(txtSCF, 1, 1);
    rows->addWidget(makeLabel(central, caption::stressPoints, txtSTRESS), 1, 3);
    rows->addWidget(txtSTRESS, 1, 4);
    rows->setColumnMinimumWidth(2, 12);
    rows->setColumnStretch(5, 1);
    return rows;
}

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

// Both frames: the tubular joints row, then the member joints row with SCF,
// thickness and VM stress, in columns shared by the two rows.
QGridLayout* jointGrid(QGroupBox* frame, const AssessmentElements& e,
    std::array<QCheckBox*, 4>& chkJOINTS, std::array<QLineEdit*, 4>& txtCurve,
    std::array<QLineEdit*, 4>& Text1, std::array<QCheckBox*, 2>& Check1)
{
    chkJOINTS[e.tubular]
        = named(new QCheckBox(qs(caption::tubularJoints), frame), indexed("chkJOINTS", e.tubular));
    txtCurve[e.tubular] = makeEdit(frame, indexed("txtCurve", e.tubular), 3);
    txtCurve[e.tubular]->setAccessibleName(qs(caption::tubularCurve));
    chkJOINTS[e.member]
        = named(new QCheckBox(qs(caption::memberJoints), frame), indexed("chkJOINTS", e.member));
    txtCurve[e.member] = makeEdit(frame, indexed("txtCurve", e.member), 3);
    txtCurve[e.member]->setAccessibleName(qs(caption::memberCurve));
    Text1[e.scf] = makeEdit(frame, indexed("Text1", e.scf), 4);
    Text1[e.thickness] = makeEdit(frame, indexed("Text1", e.thickness), 5);
    Check1[e.vmStress]
        = named(new QCheckBox(qs(caption::vmStress), frame), indexed("Check1", e.vmStress));

    auto* grid = new QGridLayout;
    grid->addWidget(chkJOINTS[e.tubular], 0, 0);
    grid->addWidget(txtCurve[e.tubular], 0, 1);
    grid->addWidget(chkJOINTS[e.member], 1, 0);
    grid->addWidget(txtCurve[e.member], 1, 1);
    grid->addWidget(makeLabel(frame, caption::scf, Text1[e.scf]), 1, 2, Qt::AlignRight);
    grid->addWidget(Text1[e.scf], 1, 3);
    grid->addWidget(makeLabel(frame, caption::thickness, Text1[e.thickness]), 1, 4, Qt::AlignRight);
    grid->addWidget(Text1[e.thickness], 1, 5);
    grid->addWidget(Check1[e.vmStress], 1, 6);
    grid->setColumnMinimumWidth(2, 36);
    grid->setColumnStretch(7, 1);
    return grid;
}

} // namespace

QGroupBox* frmMain::buildGlobalAssessments()
{
    Frame3[0]
        = named(new QGroupBox(qs(caption::globalFrame), centralWidget()), indexed("Frame3", 0));
    QGroupBox* frame = Frame3[0];
    auto* column = new QVBoxLayout(frame);
    QGridLayout* joints = jointGrid(frame, kGlobalElements, chkJOINTS, txtCurve, Text1, Check1);
    column->addLayout(joints);

    txtSTART[1] = makeEdit(frame, indexed("txtSTART", 1), 5);
    cmdCREATE[0] = named(new QPushButton(qs(caption::create), frame), indexed("cmdCREATE", 0));
    auto* last = new QHBoxLayout;
    last->addWidget(makeLabel(frame, caption::outputIdStart, txtSTART[1]));
    last->addWidget(txtSTART[1]);
    last->addStretch();
    last->addWidget(cmdCREATE[0]);
    column->addLayout(last);
    connect(cmdCREATE[0], &QPushButton::clicked, this, [this] { createClicked(0); });
    return frame;
}

QGroupBox* frmMain::buildSelectiveAssessments()
{
    Frame3[3]
        = named(new QGroupBox(qs(caption::selectiveFrame), centralWidget()), indexed("Frame3", 3));
    QGroupBox* frame = Frame3[3];
    auto* column = new QVBoxLayout(frame);
    QGridLayout* joints = jointGrid(frame, kSelectiveElements, chkJOINTS, txtCurve, Text1, Check1);
    txtSTART[4] = makeEdit(frame, indexed("txtSTART", 4), 4);
    joints->addWidget(makeLabel(frame, caption::groupSet, txtSTART[4]), 0, 2, 1, 3, Qt::AlignRight);
    joints->addWidget(txtSTART[4], 0, 5);
    column->addLayout(joints);

    Option5[0] = named(new QRadioButton(qs(caption::elementGroup), frame), indexed("Option5", 0));
    Option5[1] = named(new QRadioButton(qs(caption::nodeGroup), frame), indexed("Option5", 1));
    txtSTART[5] = makeEdit(frame, indexed("txtSTART", 5), 4);
    auto* groups = new QButtonGroup(this);
    groups->addButton(Option5[0], 0);
    groups->addButton(Option5[1], 1);
    auto* restrict = new QHBoxLayout;
    restrict->addWidget(Option5[0]);
    restrict->addWidget(Option5[1]);
    restrict->addStretch();
    restrict->addWidget(makeLabel(frame, caption::groupNo, txtSTART[5]));
    restrict->addWidget(txtSTART[5]);
    column->addLayout(restrict);

    txtSTART[3] = makeEdit(frame, indexed("txtSTART", 3), 5);
    txtDesc = makeEdit(frame, QStringLiteral("txtDesc"), 0);
    txtDesc->setMaxLength(kDescriptionLimit);
    txtDesc->setMinimumWidth(QFontMetrics(txtDesc->font()).averageCharWidth() * 24);
    auto* describe = new QHBoxLayout;
    describe->addWidget(makeLabel(frame, caption::outputIdStart, txtSTART[3]));
    describe->addWidget(txtSTART[3]);
    describe->addSpacing(12);
    describe->addWidget(makeLabel(frame, caption::description, txtDesc));
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
    Frame2 = named(new QGroupBox(qs(caption::waveData), centralWidget()), QStringLiteral("Frame2"));
    auto* column = new QVBoxLayout(Frame2);

    txtWAVESTEP = makeEdit(Frame2, QStringLiteral("txtWAVESTEP"), 4);
    txtDEPTH = makeEdit(Frame2, QStringLiteral("txtDEPTH"), 6);
    auto* inputs = new QGridLayout;
    inputs->addWidget(makeLabel(Frame2, caption::waveSteps, txtWAVESTEP), 0, 0);
    inputs->addWidget(txtWAVESTEP, 0, 1);
    inputs->addWidget(makeLabel(Frame2, caption::waterDepth, txtDEPTH), 1, 0);
    inputs->addWidget(txtDEPTH, 1, 1);
    inputs->setColumnStretch(2, 1);
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
    Grid2->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    column->addWidget(Grid2, 1, Qt::AlignHCenter);

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
    QWidget* central = centralWidget();
    cmdHELP = named(new QPushButton(qs(caption::help), central), QStringLiteral("cmdHELP"));
    cmdQUIT = named(new QPushButton(qs(caption::close), central), QStringLiteral("cmdQUIT"));
    connect(cmdHELP, &QPushButton::clicked, this, &frmMain::showHelp);
    connect(cmdQUIT, &QPushButton::clicked, this, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cmdHELP);
    row->addWidget(cmdQUIT);
    return row;
}

void frmMain::buildStatusLine()
{
    statusLine_ = named(new QLabel(statusBar()), QStringLiteral("StatusLine"));
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(statusLine_, 1);
}

void frmMain::GridSetUp()
{
    quorin::GridSetUp(waves_);
    Grid2->setColumnWidthTwips(0, 500);
    const int widthTwips = 2 * Grid2->columnWidthTwips(1) + 1353;
    Grid2->setFixedWidth(GridView::twipsToPixels(widthTwips, Grid2->logicalDpiX()));
    Grid2->setColumnWidthTwips(3, 600);
    fitHeadings(Grid2);
}

MainInputs frmMain::inputs() const
{
    MainInputs in;
    in.batchFile = toStd(txtBATNAM);
    in.directionOption = directionGroup_->checkedId();
    in.spectrum = spectrumGroup_->checkedId();
    in.loadCaseStart = toStd(txtSTART[0]);
    in.frequencyCase = toStd(txtRETURN);
    in.damping = toStd(txtBLOCKS);
    in.staticOnly = Check2->isChecked();
    in.excludeStaticImprovement = Check3->isChecked();
    in.startDirection = toStd(txtSTARTDIR);
    in.scfCorrelation = toStd(txtSCF);
    in.stressPoints = toStd(txtSTRESS);
    in.waveSteps = toStd(txtWAVESTEP);
    in.waterDepth = toStd(txtDEPTH);

    const auto frame = [this](const AssessmentElements& e) {
        return AssessmentFrame { chkJOINTS[e.tubular]->isChecked(), toStd(txtCurve[e.tubular]),
            chkJOINTS[e.member]->isChecked(), toStd(txtCurve[e.member]), toStd(Text1[e.scf]),
            toStd(Text1[e.thickness]), Check1[e.vmStress]->isChecked() };
    };
    in.global = frame(kGlobalElements);
    in.globalOutputId = toStd(txtSTART[1]);
    in.selective = frame(kSelectiveElements);
    in.groupSet = toStd(txtSTART[4]);
    in.elementGroup = Option5[0]->isChecked();
    in.groupNo = toStd(txtSTART[5]);
    in.selectiveOutputId = toStd(txtSTART[3]);
    in.description = toStd(txtDesc);
    return in;
}

void frmMain::showInputs(const MainInputs& in)
{
    showText(txtBATNAM, in.batchFile);
    selectButton(directionGroup_, in.directionOption);
    selectButton(spectrumGroup_, in.spectrum);
    showText(txtSTART[0], in.loadCaseStart);
    showText(txtRETURN, in.frequencyCase);
    showText(txtBLOCKS, in.damping);
    Check2->setChecked(in.staticOnly);
    Check3->setChecked(in.excludeStaticImprovement);
    showText(txtSTARTDIR, in.startDirection);
    showText(txtSCF, in.scfCorrelation);
    showText(txtSTRESS, in.stressPoints);
    showText(txtWAVESTEP, in.waveSteps);
    showText(txtDEPTH, in.waterDepth);

    const auto frame = [this](const AssessmentElements& e, const AssessmentFrame& values) {
        chkJOINTS[e.tubular]->setChecked(values.tubularJoints);
        showText(txtCurve[e.tubular], values.tubularCurve);
        chkJOINTS[e.member]->setChecked(values.memberJoints);
        showText(txtCurve[e.member], values.memberCurve);
        showText(Text1[e.scf], values.scf);
        showText(Text1[e.thickness], values.thickness);
        Check1[e.vmStress]->setChecked(values.vmStress);
    };
    frame(kGlobalElements, in.global);
    showText(txtSTART[1], in.globalOutputId);
    frame(kSelectiveElements, in.selective);
    showText(txtSTART[4], in.groupSet);
    Option5[in.elementGroup ? 0 : 1]->setChecked(true);
    showText(txtSTART[5], in.groupNo);
    showText(txtSTART[3], in.selectiveOutputId);
    showText(txtDesc, in.description);
}

void frmMain::startUp(const StartupDirectories& directories)
{
    const StartupResult result
        = StartUp(directories, setup_, waves_, prompter_, numberFormat_.decimalSymbol());
    helpFile_ = QString::fromStdString(result.helpFile);
    showInputs(result.inputs);
    txtBATNAM->end(false);
}

void frmMain::centreOnScreen()
{
    const QRect area = screen()->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmMain::showHelp()
{
    if (helpFile_.isEmpty() || !QFileInfo(helpFile_).isFile()) {
        prompter_.tell(caption::helpMissing + helpFile_.toStdString());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile_));
}

void frmMain::showOutcome(const CommandOutcome& outcome)
{
    statusLine_->setText(QString::fromStdString(outcome.report));
    if (outcome.status == CommandOutcome::Status::Failed) {
        QPalette palette = statusLine_->palette();
        palette.setColor(QPalette::WindowText, kErrorColour);
        statusLine_->setPalette(palette);
    } else {
        statusLine_->setPalette(QPalette());
    }
}

void frmMain::staticOnlyClicked(bool checked)
{
    MainInputs in = inputs();
    ClickStaticOnly(in, setup_, checked);
    showInputs(in);
}

void frmMain::excludeStaticImprovementClicked(bool checked)
{
    MainInputs in = inputs();
    ClickExcludeStaticImprovement(in, setup_, checked);
    showInputs(in);
}

void frmMain::spectrumClicked(int index)
{
    MainInputs in = inputs();
    ClickSpectrum(in, setup_, index);
    showInputs(in);
}

void frmMain::createClicked(int index)
{
    CommandOutcome outcome;
    {
        BusyPointer busy;
        const MainInputs in = inputs();
        NormalPointerPrompter prompter(prompter_);
        const CommandContext context { prompter, clock_, numberFormat_.decimalSymbol() };
        try {
            outcome = index == 0 ? CreateCommand(in, waves_, setup_, context)
                                 : AppendCommand(in, waves_, setup_, context);
        } catch (const std::exception& failure) {
            outcome = { CommandOutcome::Status::Failed, failure.what() };
        }
    }
    showOutcome(outcome);
}

} // namespace quorin
