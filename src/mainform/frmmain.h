#pragma once

#include "common/platform.h"
#include "common/qt/queuedrefresh.h"
#include "guide/guidetext.h"
#include "mainform/commands.h"
#include "mainform/session.h"
#include "mainform/startup.h"
#include "run/directions.h"
#include "run/maininputs.h"
#include "wavetable/waveviewstate.h"

#include <QMainWindow>
#include <QString>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QToolButton;

namespace quorin {
struct InputField;
}

namespace quorin {

struct FileChanges;
class GridHistory;
class GridView;
class ViewSettings;
class WaveChartPanel;

// The main view: every input of a fatigue run, the wave table and the Create
// and Append commands. It copies what the user did into MainInputs, calls the
// rules and commands of the core and shows what they give back.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds every control with its default and lays the wave grid out empty.
    frmMain(Session& session, const Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    MainInputs inputs() const;
    void showInputs(const MainInputs& inputs);

    // The view's load: start-up on the given directories, then its inputs are shown.
    void startUp(const StartupDirectories& directories);
    void centreOnScreen();
    // The window's least and opening size: what the controls need, never
    // more than the screen offers.
    void fitToScreen();
    // Start-up, then the view appears centred on the screen: start-up's
    // messages come before it, not over a view still showing the defaults.
    void open(const StartupDirectories& directories);

    const QString& helpFile() const { return helpFile_; }
    void setHelpFile(const QString& path) { helpFile_ = path; }
    // Opens the help file with the desktop's viewer, and shows the built-in
    // guide at the paragraph of the control that has the focus; a missing
    // help file is named at the top of the guide.
    void showHelp();

    // The status line keeps a command's report, or why it stopped, until the next command.
    void showOutcome(const Result<std::string>& outcome);
    // After a command that ran to its end: what it changed, behind "What changed".
    void showChanges(const FileChanges& changes);

    GridView* waveGrid() const { return Grid2; }

    // The wave chart's panel shows as the settings last left it, and they
    // keep it from now on (without them it starts hidden and is not kept).
    void keepViewState(ViewSettings& settings);
    void showWaveChart(bool shown);
    WaveChartPanel* waveChart() const { return waveChart_; }

    // The wave table's commands: Cut (0), Paste (1), Copy (2); Generate
    // Default Waves; Insert After (0), Toggle Freq Rad/s (1).
    void Command2Click(int index);
    void Command3Click();
    void Command4Click(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildView();
    QLayout* buildTopBand();
    QGroupBox* buildDirections();
    QGroupBox* buildSpectrum();
    QLayout* buildRunNumbers();
    QLayout* buildJointRows();
    QGroupBox* buildGlobalAssessments();
    QGroupBox* buildSelectiveAssessments();
    QGroupBox* buildWaveData();
    QLayout* buildCloseRow();
    void buildStatusLine();
    // The files of the last command that changed, with their differing lines, in a dialog.
    void showWhatChanged();
    // frmmainchart.cpp: the wave chart beside the wave table, the facts line under it.
    QWidget* buildWavePanes(QGroupBox* waveData);
    void bindWaveChart();
    void redrawWaveChart();
    void showWaveFacts();
    void GridSetUp();

    // Runs the control's click rule however its state changed: a click, a key,
    // or assistive technology toggling it (but not showInputs itself).
    void bindClickRules();
    void setReadingOrder();
    void bindInputHints();
    void showBoxHint(QLineEdit* box);
    void showWaveHints();
    template <typename Control> Control* control(const QString& objectName) const
    {
        return findChild<Control*>(objectName);
    }
    void applyClickRule(const InputField& field, int value);
    void createClicked(int index);
    void bindWaveCommands();
    void showInterpolatedRows();
    // "Edit Scatter Diagram": a fresh editor, modal over this view.
    void editScatterDiagram();
    // frmmainreport.cpp: "Report...": asks where to save the run report of
    // the inputs and waves as they stand, writes it, and tells the outcome.
    void saveReport();

    Session& session_;
    RunSetup& setup_;
    GridModel& waves_;
    Platform platform_;
    Prompter& prompter_;
    QString helpFile_;
    GuideText guide_; // the built-in guide, shown by Help and F1

    QLineEdit* txtBATNAM = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kDirectionOptions.size()> Option1 {};
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 4> Option6 {}; // elements 1 to 3
    QPushButton* Command1 = nullptr;
    QLineEdit* txtRETURN = nullptr;
    QLineEdit* txtBLOCKS = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    std::array<QLineEdit*, 6> txtSTART {}; // elements 0, 1, 3, 4, 5
    QLineEdit* txtSTARTDIR = nullptr;
    QLineEdit* txtSCF = nullptr;
    QLineEdit* txtSTRESS = nullptr;
    std::array<QGroupBox*, 4> Frame3 {}; // elements 0 and 3
    std::array<QCheckBox*, 4> chkJOINTS {};
    std::array<QLineEdit*, 4> txtCurve {};
    std::array<QLineEdit*, 4> Text1 {};
    std::array<QCheckBox*, 2> Check1 {};
    std::array<QRadioButton*, 2> Option5 {};
    QLineEdit* txtDesc = nullptr;
    std::array<QPushButton*, 2> cmdCREATE {};
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtWAVESTEP = nullptr;
    QLineEdit* txtDEPTH = nullptr;
    std::array<QPushButton*, 3> Command2 {};
    GridView* Grid2 = nullptr;
    QPushButton* Command3 = nullptr;
    std::array<QPushButton*, 2> Command4 {};
    QPushButton* cmdREPORT = nullptr;
    QPushButton* cmdHELP = nullptr;
    QPushButton* cmdQUIT = nullptr;
    QLabel* statusLine_ = nullptr;
    QPushButton* cmdCHANGES = nullptr; // "What changed", shown after a command ran to its end
    QString changeDetails_;
    QWidget* content_ = nullptr; // the page every control lies on
    bool showingInputs_ = false;
    bool fitted_ = false; // sized to the screen at the first show
    WaveViewState waveView_;
    GridHistory* history_ = nullptr; // the wave table's undo history, for the whole run
    QToolButton* cmdUNDO = nullptr;
    QToolButton* cmdREDO = nullptr;
    QSplitter* wavePanes_ = nullptr;
    WaveChartPanel* waveChart_ = nullptr;
    QLabel* waveFacts_ = nullptr;
    QToolButton* chartSwitch_ = nullptr;
    QueuedRefresh waveRedraw_ { this, [this] { redrawWaveChart(); } };
    ViewSettings* viewSettings_ = nullptr;
};

} // namespace quorin
