#include "run/inputtable.h"
#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

using test::accessibleName;

using FrmMainTest = test::MainView;

// What assistive technology reads: each control's name in the order the view
// makes them, with ">" before a control in a frame.
TEST_F(FrmMainTest, EveryControlHasItsAccessibleName)
{
    EXPECT_EQ(
        view.windowTitle(), "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility");
    QStringList names;
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        const QString object = widget->objectName();
        if ((qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)
                || qobject_cast<QGroupBox*>(widget) || qobject_cast<QAbstractItemView*>(widget))
            && !object.isEmpty() && !object.startsWith(QLatin1String("qt_")))
            names << (qobject_cast<QGroupBox*>(widget->parentWidget()) ? ">" : "") + object + "="
                    + accessibleName(widget);
    }
    EXPECT_EQ(names.join(';').toStdString(),
        "txtBATNAM=Fatigue Batch File;Frame1=Number of Directions;>Option1(0)=1;>Option1(1)=2;"
        ">Option1(2)=3;>Option1(3)=4;>Option1(4)=4 Sym;>Option1(5)=6;>Option1(6)=8;>Option1(7)=12;"
        "Frame4=Wave Energy Spectrum;>Option6(1)=ITTC Spectrum;>Option6(2)=Pierson-Moskowitz PM;"
        ">Option6(3)=JONSWAP;>Command1=Edit Scatter Diagram;txtRETURN=Frequency Case;"
        "txtBLOCKS=Critical Damping %;Check2=Static Only;txtSTART(0)=Load Case (Start);"
        "Check3=Exclude Static Improvement;txtSTARTDIR=Start Direction (Deg);"
        "txtSCF=Tubular Joint SCF Correlations;txtSTRESS=No of Joint Stress Points;"
        "Frame3(0)=Global Assessments;>chkJOINTS(0)=Tubular Joints    SN Curve;"
        ">txtCurve(0)=Tubular Joints SN Curve;>chkJOINTS(1)=Member Joints    SN Curve;"
        ">txtCurve(1)=Member Joints SN Curve;>Text1(3)=SCF;>Text1(2)=Thickness;"
        ">Check1(0)=Include VM Stress Opt;>txtSTART(1)=Output ID Number (Start);"
        ">cmdCREATE(0)=Create Control File;Frame3(3)=Selective Assessments;"
        ">chkJOINTS(2)=Tubular Joints    SN Curve;>txtCurve(2)=Tubular Joints SN Curve;"
        ">chkJOINTS(3)=Member Joints    SN Curve;>txtCurve(3)=Member Joints SN Curve;>Text1(0)=SCF;"
        ">Text1(1)=Thickness;>Check1(1)=Include VM Stress Opt;>txtSTART(4)=Group SET No;"
        ">Option5(0)=Restrict to Element Group;>Option5(1)=Restrict to Node Group;"
        ">txtSTART(5)=Restrict to Group No.;>txtSTART(3)=Output ID Number (Start);"
        ">txtDesc=Description;>cmdCREATE(1)=Append to Control File;"
        "Frame2=Tranfer Function Wave Data;>txtWAVESTEP=No of Wave Steps;>txtDEPTH=Water Depth;"
        ">cmdUNDO=Undo;>cmdREDO=Redo;>Command2(0)=Cut;>Command2(2)=Copy;>Command2(1)=Paste;"
        ">Grid2=Wave Data;Text2=Cell Editor;>Command3=Generate Default Waves;"
        ">Command4(0)=Insert After;>Command4(1)=Toggle Freq Rad/s;cmdREPORT=Report...;cmdHELP=Help;"
        "cmdQUIT=Close;cmdCHANGES=What changed;cmdCHART=Show Wave Chart");
}

// The click rules run however a box or option changes, even through the
// toggle action of assistive technology, which sends no click. Exclude may be
// ticked again under Static Only, changing nothing else.
TEST_F(FrmMainTest, ClickRulesRunOnTheToggleAction)
{
    view.startUp(model());
    ASSERT_TRUE(test::showActive(view));
    control<QLineEdit>("txtRETURN")->setText("40");
    // The frequency case, Static Only, Exclude (the box and the run set-up),
    // and the spectrum (the run set-up and the option chosen).
    const auto state = [this] {
        const MainInputs in = view.inputs();
        return in.frequencyCase + " " + std::to_string(in.staticOnly)
            + std::to_string(in.excludeStaticImprovement)
            + std::to_string(setup.ExcludeStaticImprovement) + " " + setup.SpectrumType
            + std::to_string(in.spectrum);
    };
    const std::pair<const char*, const char*> steps[]
        = { { "Check3", "40 011 33" }, { "Check2", "- 100 33" }, { "Check3", "- 111 33" },
              { "Check2", "50 011 33" }, { "Option6(1)", "50 011 11" },
              { "Option6(2)", "50 011 22" }, { "Option6(3)", "50 011 33" } };
    for (const auto& [name, after] : steps) {
        QAccessible::queryAccessibleInterface(control(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(state(), after) << name;
    }
}

// Every input shown lands in its own control and reads back, even with no
// direction option chosen; showing inputs runs no click rule. The description
// takes at most 30 characters typed.
TEST_F(FrmMainTest, ShownInputsLandInTheirOwnControlsAndReadBack)
{
    QTest::keyClicks(control("txtDesc"), QString(35, QLatin1Char('d')));
    EXPECT_EQ(text("txtDesc"), QString(30, QLatin1Char('d')));
    // Every input differs from its default and every text from every other.
    MainInputs in;
    for (const InputField& field : inputFields()) {
        if (field.text)
            field.text(in) = std::string(field.objectName) + "!";
        if (field.flag)
            field.flag(in) = !field.flag(in);
        if (field.choice)
            field.choice(in) = field.choices.back().element == field.choice(in)
                ? field.choices.front().element
                : field.choices.back().element;
    }
    in.directionOption = -1;
    view.showInputs(in);
    EXPECT_EQ(view.inputs(), in);
    EXPECT_EQ(setup.ExcludeStaticImprovement, 0);
}

// A larger window gives the wave table more rows, and more width to each column.
TEST_F(FrmMainTest, WaveTableGrowsWithTheWindow)
{
    GridView* grid = view.waveGrid();
    view.show();
    view.resize(view.minimumSize());
    QApplication::processEvents();
    const QSize least(grid->columnWidth(0), grid->viewport()->height());
    const int theory = grid->columnWidth(2);
    view.resize(view.size() + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_GE(grid->viewport()->height(), least.height() + 200);
    EXPECT_TRUE(grid->columnWidth(0) > least.width() && grid->columnWidth(2) > theory);
}

// A failure stays in the status line in the error colour, read out by its
// text, until the next command's outcome; no busy pointer is left. A command
// that runs to its end adds what it changed, and "What changed" (after Close
// in the Tab order) shows which files, their differing lines in a text to copy.
// A command asks with the normal pointer; Close then ends the view without asking.
TEST_F(FrmMainTest, StatusLineTellsAFailureInRedAndWhatACommandChanged)
{
    view.startUp(model());
    ASSERT_TRUE(test::showActive(view));
    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).mkdir("JKT.DFS"));
    auto* status = control<QLabel>("StatusLine");
    auto* whatChanged = control<QPushButton>("cmdCHANGES");
    const auto colour = [status] { return status->palette().color(QPalette::WindowText); };
    const QColor normal = colour();
    test::click(view, "cmdCREATE(0)");
    EXPECT_TRUE(status->text().contains("JKT.DFS")) << status->text().toStdString();
    EXPECT_EQ(accessibleName(status), status->text());
    EXPECT_TRUE(colour().red() > 150 && colour().green() < 80) << colour().name().toStdString();
    EXPECT_TRUE(!QApplication::overrideCursor() && whatChanged->isHidden());

    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).rmdir("JKT.DFS"));
    test::click(view, "cmdCREATE(0)");
    EXPECT_EQ(colour(), normal);
    control<QLineEdit>("txtBLOCKS")->setText("3");
    bool busyWhileAsked = true;
    prompter.onAsk = [&] { busyWhileAsked = QApplication::overrideCursor() != nullptr; };
    test::click(view, "cmdCREATE(0)"); // asks to overwrite JKT.BRSF
    EXPECT_TRUE(prompter.messages().size() == 1 && !busyWhileAsked);
    EXPECT_TRUE(status->text().endsWith(" and JKT.BRSF; 1 changed, 4 unchanged"))
        << status->text().toStdString();
    control("cmdQUIT")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), whatChanged);
    QTest::keyClick(whatChanged, Qt::Key_Space);
    EXPECT_EQ(test::child<QPlainTextEdit>(view, "Details")->toPlainText(),
        QString::fromStdString(dir.file("JKT.DFS")) + ": 1 line differs\n-14: 5\n+14: 3\n\n");

    test::click(view, "cmdQUIT");
    EXPECT_TRUE(!view.isVisible() && prompter.messages().size() == 1);
}

TEST_F(FrmMainTest, StartUpShowsTheModelOrWhyThereIsNone)
{
    view.startUp(model());
    EXPECT_TRUE(status().startsWith(QString::fromStdString("Model " + dir.file("JKT"))));

    // Without model.NAM: the message comes before the view appears.
    const test::TempDir empty;
    bool shownWhileAsked = true;
    prompter.onAsk = [&] { shownWhileAsked = view.isVisible(); };
    view.open({ empty.path(), empty.path(), std::nullopt });
    EXPECT_TRUE(prompter.messages().size() == 1 && !shownWhileAsked && view.isVisible());
    EXPECT_EQ(status().toStdString(),
        "No model: " + empty.file("model.NAM")
            + " was not found; start with --files1 DIR or set Files1");
}

// Ctrl+P and Report... ask where to save, proposing the model's report name,
// write the report there and tell the outcome on the status line. The report
// tests have the other outcomes and formats.
TEST_F(FrmMainTest, ReportAsksWhereAndTellsTheOutcome)
{
    view.startUp(model());
    ASSERT_TRUE(test::showActive(view));
    platforms.chooser.answers = { dir.file("run.pdf"), std::nullopt };
    QTest::keyClick(&view, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(status().startsWith("Wrote the run report ")) << status().toStdString();
    EXPECT_TRUE(dir.read("run.pdf").starts_with("%PDF-"));
    test::click(view, "cmdREPORT");
    EXPECT_EQ(status(), "No report was written: no file was chosen.");
    EXPECT_EQ(platforms.chooser.proposals, std::vector(2, dir.file("JKT-report.pdf")));
}

} // namespace
} // namespace quorin
