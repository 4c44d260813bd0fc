#include "run/inputtable.h"
#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quorin {
namespace {

using test::accessibleName;

class FrmMainTest : public test::MainView {
protected:
    bool checked(const char* name) { return control<QAbstractButton>(name)->isChecked(); }
    void press(const char* name) { control<QAbstractButton>(name)->click(); }
};

// What assistive technology reads: each control's name, and the frame that
// holds it, in the order the view makes them.
TEST_F(FrmMainTest, EveryControlHasItsAccessibleName)
{
    EXPECT_EQ(
        view.windowTitle(), "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility");
    std::vector<std::string> names;
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        const QString object = widget->objectName();
        const bool control = qobject_cast<QAbstractButton*>(widget)
            || qobject_cast<QLineEdit*>(widget) || qobject_cast<QGroupBox*>(widget)
            || qobject_cast<QAbstractItemView*>(widget);
        if (!control || object.isEmpty() || object.startsWith(QLatin1String("qt_")))
            continue;
        const auto* frame = qobject_cast<QGroupBox*>(widget->parentWidget());
        names.push_back((object + "=" + accessibleName(widget)
            + (frame ? " in " + frame->objectName() : QString()))
                            .toStdString());
    }
    EXPECT_EQ(names,
        (std::vector<std::string> { "txtBATNAM=Fatigue Batch File", "Frame1=Number of Directions",
            "Option1(0)=1 in Frame1", "Option1(1)=2 in Frame1", "Option1(2)=3 in Frame1",
            "Option1(3)=4 in Frame1", "Option1(4)=4 Sym in Frame1", "Option1(5)=6 in Frame1",
            "Option1(6)=8 in Frame1", "Option1(7)=12 in Frame1", "Frame4=Wave Energy Spectrum",
            "Option6(1)=ITTC Spectrum in Frame4", "Option6(2)=Pierson-Moskowitz PM in Frame4",
            "Option6(3)=JONSWAP in Frame4", "Command1=Edit Scatter Diagram in Frame4",
            "txtRETURN=Frequency Case", "txtBLOCKS=Critical Damping %", "Check2=Static Only",
            "txtSTART(0)=Load Case (Start)", "Check3=Exclude Static Improvement",
            "txtSTARTDIR=Start Direction (Deg)", "txtSCF=Tubular Joint SCF Correlations",
            "txtSTRESS=No of Joint Stress Points", "Frame3(0)=Global Assessments",
            "chkJOINTS(0)=Tubular Joints    SN Curve in Frame3(0)",
            "txtCurve(0)=Tubular Joints SN Curve in Frame3(0)",
            "chkJOINTS(1)=Member Joints    SN Curve in Frame3(0)",
            "txtCurve(1)=Member Joints SN Curve in Frame3(0)", "Text1(3)=SCF in Frame3(0)",
            "Text1(2)=Thickness in Frame3(0)", "Check1(0)=Include VM Stress Opt in Frame3(0)",
            "txtSTART(1)=Output ID Number (Start) in Frame3(0)",
            "cmdCREATE(0)=Create Control File in Frame3(0)", "Frame3(3)=Selective Assessments",
            "chkJOINTS(2)=Tubular Joints    SN Curve in Frame3(3)",
            "txtCurve(2)=Tubular Joints SN Curve in Frame3(3)",
            "chkJOINTS(3)=Member Joints    SN Curve in Frame3(3)",
            "txtCurve(3)=Member Joints SN Curve in Frame3(3)", "Text1(0)=SCF in Frame3(3)",
            "Text1(1)=Thickness in Frame3(3)", "Check1(1)=Include VM Stress Opt in Frame3(3)",
            "txtSTART(4)=Group SET No in Frame3(3)",
            "Option5(0)=Restrict to Element Group in Frame3(3)",
            "Option5(1)=Restrict to Node Group in Frame3(3)",
            "txtSTART(5)=Restrict to Group No. in Frame3(3)",
            "txtSTART(3)=Output ID Number (Start) in Frame3(3)", "txtDesc=Description in Frame3(3)",
            "cmdCREATE(1)=Append to Control File in Frame3(3)", "Frame2=Tranfer Function Wave Data",
            "txtWAVESTEP=No of Wave Steps in Frame2", "txtDEPTH=Water Depth in Frame2",
            "cmdUNDO=Undo in Frame2", "cmdREDO=Redo in Frame2", "Command2(0)=Cut in Frame2",
            "Command2(2)=Copy in Frame2", "Command2(1)=Paste in Frame2",
            "Grid2=Wave Data in Frame2", "Text2=Cell Editor",
            "Command3=Generate Default Waves in Frame2", "Command4(0)=Insert After in Frame2",
            "Command4(1)=Toggle Freq Rad/s in Frame2", "cmdREPORT=Report...", "cmdHELP=Help",
            "cmdQUIT=Close", "cmdCHANGES=What changed", "cmdCHART=Show Wave Chart" }));
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
        return text("txtRETURN").toStdString() + " " + std::to_string(checked("Check2"))
            + std::to_string(checked("Check3")) + std::to_string(setup.ExcludeStaticImprovement)
            + " " + setup.SpectrumType + std::to_string(view.inputs().spectrum);
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

TEST_F(FrmMainTest, DescriptionTakesAtMostThirtyCharacters)
{
    QTest::keyClicks(control("txtDesc"), QString(35, QLatin1Char('d')));
    EXPECT_EQ(text("txtDesc"), QString(30, QLatin1Char('d')));
}

TEST_F(FrmMainTest, ShownInputsLandInTheirOwnControlsAndReadBack)
{
    EXPECT_EQ(view.inputs(), MainInputs {});
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
    view.showInputs(in);
    EXPECT_EQ(view.inputs(), in);
    EXPECT_EQ(setup.ExcludeStaticImprovement, 0) << "showing inputs runs no click rule";

    in.directionOption = -1;
    view.showInputs(in);
    EXPECT_EQ(view.inputs(), in);
}

// The headings fit their columns; a larger window gives the wave table more
// rows and more width, shared by its columns in proportion.
TEST_F(FrmMainTest, WaveGridShowsItsHeadingsAndGrowsWithTheWindow)
{
    GridView* grid = view.waveGrid();
    const QFontMetrics headingFont(grid->horizontalHeader()->font());
    for (int c = 0; c < 3; ++c) {
        const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_LT(headingFont.horizontalAdvance(heading), grid->columnWidth(c)) << c;
    }
    EXPECT_LT(QFontMetrics(grid->verticalHeader()->font()).horizontalAdvance("100"),
        grid->verticalHeader()->maximumWidth());
    EXPECT_GT(grid->columnWidth(0), grid->fontMetrics().horizontalAdvance("12.25"));

    view.show();
    view.resize(view.minimumSize());
    QApplication::processEvents();
    const QSize least(grid->columnWidth(0), grid->viewport()->height());
    const int theory = grid->columnWidth(2);
    view.resize(view.size() + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_GE(grid->viewport()->height(), least.height() + 200);
    EXPECT_NEAR(static_cast<double>(grid->columnWidth(0)) / least.width(),
        static_cast<double>(grid->columnWidth(2)) / theory, 0.05);
    EXPECT_GT(grid->columnWidth(2), theory);
}

// A failure stays in the status line in the error colour, read out by its
// text, until the next command's outcome; no busy pointer is left. A command
// that runs to its end adds what it changed, and "What changed" (after Close
// in the Tab order) shows which files, their differing lines in a text to copy.
TEST_F(FrmMainTest, StatusLineTellsAFailureInRedAndWhatACommandChanged)
{
    view.startUp(model());
    ASSERT_TRUE(test::showActive(view));
    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).mkdir("JKT.DFS"));
    auto* status = control<QLabel>("StatusLine");
    auto* whatChanged = control<QPushButton>("cmdCHANGES");
    const auto colour = [status] { return status->palette().color(QPalette::WindowText); };
    const QColor normal = colour();
    EXPECT_EQ(status->parentWidget(), view.statusBar());
    press("cmdCREATE(0)");
    EXPECT_TRUE(status->text().contains("JKT.DFS")) << status->text().toStdString();
    EXPECT_EQ(accessibleName(status), status->text());
    EXPECT_TRUE(colour().red() > 150 && colour().green() < 80) << colour().name().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(whatChanged->isHidden());

    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).rmdir("JKT.DFS"));
    press("cmdCREATE(0)");
    EXPECT_TRUE(status->text().endsWith(" and JKT.BRSF; 5 changed, 0 unchanged"))
        << status->text().toStdString();
    control<QLineEdit>("txtBLOCKS")->setText("3");
    press("cmdCREATE(0)");
    EXPECT_TRUE(status->text().endsWith("; 1 changed, 4 unchanged"))
        << status->text().toStdString();
    control("cmdQUIT")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), whatChanged);
    QTest::keyClick(whatChanged, Qt::Key_Space);
    EXPECT_EQ(test::child<QPlainTextEdit>(view, "Details")->toPlainText(),
        QString::fromStdString(dir.file("JKT.DFS")) + ": 1 line differs\n-14: 5\n+14: 3\n\n");

    view.showOutcome(std::string("Wrote 4 load data files"));
    EXPECT_EQ(status->text(), "Wrote 4 load data files");
    EXPECT_EQ(colour(), normal);
    EXPECT_TRUE(whatChanged->isHidden());
}

TEST_F(FrmMainTest, StartUpShowsTheModelOrWhyThereIsNone)
{
    view.startUp(model());
    EXPECT_EQ(text("txtBATNAM"), QString::fromStdString(dir.file("JKT") + ".BRSF"));
    EXPECT_EQ(control<QLineEdit>("txtBATNAM")->cursorPosition(), text("txtBATNAM").size());
    EXPECT_EQ(view.helpFile().toStdString(), dir.file("quorin_spec.chm"));
    EXPECT_TRUE(status().startsWith(QString::fromStdString("Model " + dir.file("JKT"))));

    // Without model.NAM: the message comes before the view appears.
    const test::TempDir empty;
    bool shownWhileAsked = true;
    prompter.onAsk = [&] { shownWhileAsked = view.isVisible(); };
    view.open({ empty.path(), empty.path(), std::nullopt });
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_FALSE(shownWhileAsked);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(status().toStdString(),
        "No model: " + empty.file("model.NAM")
            + " was not found; start with --files1 DIR or set Files1");
}

// A command asks with the normal pointer; Close then ends the view without asking.
TEST_F(FrmMainTest, CommandsAskWithTheNormalPointerAndCloseDoesNotAsk)
{
    view.startUp(model());
    view.show();
    dir.write("JKT.BRSF", "old");
    bool busyWhileAsked = true;
    prompter.onAsk = [&] { busyWhileAsked = QApplication::overrideCursor() != nullptr; };
    press("cmdCREATE(0)");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, "Fatige Batch File Exist - Overwrite");
    EXPECT_FALSE(busyWhileAsked);
    press("cmdQUIT");
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(prompter.messages().size(), 1u);
}

using ReportButton = test::MainView;

// Report... and Ctrl+P ask where to save, proposing the model's report name,
// write the report there and tell the outcome on the status line.
TEST_F(ReportButton, AsksWhereAndTellsTheOutcome)
{
    struct Case {
        bool key; // Ctrl+P, or a click on the button
        std::optional<std::string> answer; // none: Cancel
        std::string status; // the start of the status line
        const char* starts; // the file's first bytes; nullptr: no file
    } const cases[] = {
        { true, "run.pdf", "Wrote the run report ", "%PDF-" },
        { false, "run.html", "Wrote the run report ", "<!DOCTYPE html>" },
        { false, std::nullopt, "No report was written: no file was chosen.", nullptr },
        { true, "run.txt", "The report file ", nullptr },
    };
    view.startUp(model());
    ASSERT_TRUE(test::showActive(view));
    for (const Case& c : cases) {
        const std::string path = c.answer ? dir.file(*c.answer) : "";
        SCOPED_TRACE(path);
        platforms.chooser.answers = { c.answer ? std::optional(path) : std::nullopt };
        if (c.key)
            QTest::keyClick(&view, Qt::Key_P, Qt::ControlModifier);
        else
            test::click(view, "cmdREPORT");
        EXPECT_EQ(platforms.chooser.proposals.back(), dir.file("JKT-report.pdf"));
        EXPECT_TRUE(status().startsWith(QString::fromStdString(c.status)))
            << status().toStdString();
        EXPECT_EQ(std::filesystem::exists(path), c.starts != nullptr);
        if (c.starts) {
            EXPECT_TRUE(dir.read(*c.answer).starts_with(c.starts));
        }
    }
    EXPECT_EQ(platforms.chooser.proposals.size(), std::size(cases));
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
} // namespace quorin
