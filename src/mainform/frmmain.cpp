#include "mainform/frmmain.h"
#include "mainform/frmmainparts.h"

#include "common/numberformat.h"
#include "common/qt/gridview.h"
#include "mainform/clickrules.h"
#include "wavetable/wavegrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <exception>
namespace quorin {

namespace {

const QColor kErrorColour(192, 0, 0);

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
