#include "mainform/frmmain.h"

#include "common/comparingfiles.h"
#include "common/filechanges.h"
#include "common/numberformat.h"
#include "common/qt/busypointer.h"
#include "common/qt/buttonfocus.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "guide/guidewindow.h"
#include "guide/installguide.h"
#include "mainform/captions.h"
#include "mainform/runchanges.h"
#include "run/inputtable.h"
#include "scatter/frmeditgrid.h"
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
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QUrl>

namespace quorin {

namespace {

const QColor kErrorColour(192, 0, 0);

// Setting an unchanged text would move the caret and lose the undo history.
void showText(QLineEdit* edit, const std::string& value)
{
    const QString shown = QString::fromStdString(value);
    if (edit->text() != shown)
        edit->setText(shown);
}

// Selects one option button of a group, or none.
void selectOption(QRadioButton* option, bool checked)
{
    if (option->isChecked() == checked)
        return;
    option->setAutoExclusive(false);
    option->setChecked(checked);
    option->setAutoExclusive(true);
}

} // namespace

namespace {

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
        told = text;
        return answer;
    }

    std::string told; // the last message shown

private:
    Prompter& inner_;
};

} // namespace

frmMain::frmMain(Session& session, const Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , session_(session)
    , setup_(session.setup)
    , waves_(session.waves)
    , platform_(platform)
    , prompter_(platform.prompter)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(qs(caption::window));
    buildView();
    buildStatusLine();
    GridSetUp();
    showInputs(MainInputs {});
    bindClickRules();
    setReadingOrder();
    bindInputHints();
    bindWaveCommands();
    bindWaveChart();
    installGuide(*this, guide_);
    // Every command acts on what the view shows: a button pressed in any way
    // takes the focus first, which closes the cell editor.
    for (QPushButton* button : findChildren<QPushButton*>())
        takeFocusWhenPressed(button);

    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &frmMain::showHelp);
    auto* reportKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(reportKey, &QShortcut::activated, this, &frmMain::saveReport);
}

// The window takes its size as it first shows, when its controls have the
// style and fonts they are drawn with, and opens centred.
void frmMain::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && !fitted_) {
        fitted_ = true;
        fitToScreen();
        centreOnScreen();
    }
    QMainWindow::showEvent(event);
}

// The layout the controls need is the least size, and the size the window
// opens at, but never more than the screen offers: below it the page scrolls.
void frmMain::fitToScreen()
{
    const QSize statusLine(0, statusBar()->sizeHint().height());
    const QSize needed = content_->minimumSizeHint() + statusLine;
    const QSize wanted = content_->sizeHint() + statusLine;
    // The window's title bar takes from the screen too.
    const QSize area = screen()->availableGeometry().size()
        - QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    setMinimumSize(needed.boundedTo(area));
    resize(wanted.expandedTo(needed).boundedTo(area));
}

frmMain::~frmMain() = default;

MainInputs frmMain::inputs() const
{
    MainInputs in;
    for (const InputField& field : inputFields()) {
        switch (field.kind) {
        case InputKind::Text:
            field.text(in) = control<QLineEdit>(qs(field.objectName))->text().toStdString();
            break;
        case InputKind::OnOff:
        case InputKind::Switch:
            field.flag(in) = control<QCheckBox>(qs(field.objectName))->isChecked();
            break;
        case InputKind::Choice:
            field.choice(in) = -1;
            for (const Choice& choice : field.choices)
                if (control<QRadioButton>(indexed(field.objectName, choice.element))->isChecked())
                    field.choice(in) = choice.element;
            break;
        case InputKind::WaveFile:
        case InputKind::DefaultWaves:
            break;
        }
    }
    return in;
}

void frmMain::showInputs(const MainInputs& shown)
{
    const QScopedValueRollback<bool> showing(showingInputs_, true);
    MainInputs in = shown;
    for (const InputField& field : inputFields()) {
        switch (field.kind) {
        case InputKind::Text:
            showText(control<QLineEdit>(qs(field.objectName)), field.text(in));
            break;
        case InputKind::OnOff:
        case InputKind::Switch:
            control<QCheckBox>(qs(field.objectName))->setChecked(field.flag(in));
            break;
        case InputKind::Choice:
            for (const Choice& choice : field.choices)
                selectOption(control<QRadioButton>(indexed(field.objectName, choice.element)),
                    choice.element == field.choice(in));
            break;
        case InputKind::WaveFile:
        case InputKind::DefaultWaves:
            break;
        }
    }
}

void frmMain::bindClickRules()
{
    for (const InputField& field : inputFields()) {
        if (!field.click)
            continue;
        if (field.kind == InputKind::Switch) {
            connect(control<QCheckBox>(qs(field.objectName)), &QAbstractButton::toggled, this,
                [this, &field](bool checked) { applyClickRule(field, checked ? 1 : 0); });
            continue;
        }
        for (const Choice& choice : field.choices) {
            const int element = choice.element;
            connect(control<QRadioButton>(indexed(field.objectName, element)),
                &QAbstractButton::toggled, this, [this, &field, element](bool checked) {
                    if (checked)
                        applyClickRule(field, element);
                });
        }
    }
}

void frmMain::applyClickRule(const InputField& field, int value)
{
    if (showingInputs_)
        return;
    MainInputs in = inputs();
    field.click(in, setup_, value);
    showInputs(in);
}

void frmMain::startUp(const StartupDirectories& directories)
{
    const StartupResult result = quorin::startUp(
        directories, setup_, waves_, prompter_, platform_.numberFormat.decimalSymbol());
    helpFile_ = QString::fromStdString(result.helpFile);
    showInputs(result.inputs);
    txtBATNAM->end(false);
    statusLine_->setText(QString::fromStdString(result.where));
}

void frmMain::open(const StartupDirectories& directories)
{
    startUp(directories);
    show();
}

void frmMain::centreOnScreen()
{
    const QRect area = screen()->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmMain::showHelp()
{
    const bool present = !helpFile_.isEmpty() && QFileInfo(helpFile_).isFile();
    if (present)
        QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile_));
    GuideWindow& window = GuideWindow::showFor(*this, guide_, focusedAnchor(*this, guide_));
    window.setNotice(present ? QString() : qs(caption::helpMissing) + helpFile_);
}

void frmMain::showOutcome(const Result<std::string>& outcome)
{
    cmdCHANGES->hide();
    statusLine_->setText(QString::fromStdString(outcome ? *outcome : outcome.error().message));
    QPalette palette;
    // A file that could not be written, or a refused box, stays in the error
    // colour until the next command.
    if (!outcome && (!outcome.error().file.empty() || !outcome.error().field.empty()))
        palette.setColor(QPalette::WindowText, kErrorColour);
    statusLine_->setPalette(palette);
}

void frmMain::createClicked(int index)
{
    Result<std::string> outcome;
    FileChanges changes;
    NormalPointerPrompter prompter(prompter_);
    {
        BusyPointer busy;
        const MainInputs in = inputs();
        ComparingFiles files(platform_.files, ComparingFiles::Mode::Write);
        const CommandContext context { prompter, files, platform_.clock,
            platform_.numberFormat.decimalSymbol() };
        outcome = index == 0 ? createCommand(in, waves_, setup_, context)
                             : appendCommand(in, waves_, setup_, context);
        if (outcome)
            changes = changesOf(files);
    }
    if (!outcome && !outcome.error().field.empty()) {
        // A refused box: the status line keeps what the message said of it,
        // and the focus goes to it with its text selected.
        Failure refused = outcome.error();
        refused.message = prompter.told.substr(0, prompter.told.find('\r'));
        showOutcome(std::unexpected(refused));
        if (auto* box = control<QLineEdit>(qs(refused.field))) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        } else if (auto* grid = control<QWidget>(qs(refused.field))) {
            grid->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    showOutcome(outcome);
    if (outcome)
        showChanges(changes);
}

void frmMain::editScatterDiagram()
{
    frmEditGrid editor(
        session_.scatter, { setup_.ModelName, setup_.SpectrumType }, platform_, this);
    editor.exec();
}

} // namespace quorin
