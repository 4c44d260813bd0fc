#include "common/qt/gridview.h"
#include "mainform/frmmain.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace quorin {
namespace {

// One control of the main view: its caption (a button's or frame's text, or
// the text of the label beside a text box), its starting value (a text box's
// text, or "checked"/"unchecked"), and the name assistive tools read.
struct Control {
    const char* name;
    const char* caption;
    const char* initial;
    const char* accessibleName;
};

const std::vector<Control> kControls = {
    { "txtBATNAM", "Fatigu&e Batch File", "C:\\FATENV", "Fatigue Batch File" },
    { "Frame1", "N&umber of Directions", nullptr, "Number of Directions" },
    { "Option1(0)", "1", "unchecked", "1" },
    { "Option1(1)", "2", "unchecked", "2" },
    { "Option1(2)", "3", "unchecked", "3" },
    { "Option1(3)", "4", "checked", "4" },
    { "Option1(4)", "4 Sym", "unchecked", "4 Sym" },
    { "Option1(5)", "6", "unchecked", "6" },
    { "Option1(6)", "8", "unchecked", "8" },
    { "Option1(7)", "12", "unchecked", "12" },
    { "Frame4", "Wave Energy Spectrum", nullptr, "Wave Energy Spectrum" },
    { "Option6(1)", "ITTC Spectrum", "unchecked", "ITTC Spectrum" },
    { "Option6(2)", "Pierson-Moskowitz PM", "unchecked", "Pierson-Moskowitz PM" },
    { "Option6(3)", "JONSWAP ", "checked", "JONSWAP" },
    { "Command1", "Edit Scatter Diagram", nullptr, "Edit Scatter Diagram" },
    { "txtRETURN", "Frequency Case", "50", "Frequency Case" },
    { "txtBLOCKS", "Critical Damping %", "5", "Critical Damping %" },
    { "Check2", "Static Only", "unchecked", "Static Only" },
    { "txtSTART(0)", "Load Case (Start)", "70", "Load Case (Start)" },
    { "Check3", "Exclude Static Improvement", "unchecked", "Exclude Static Improvement" },
    { "txtSTARTDIR", "Start Direction (De&g)", "0", "Start Direction (Deg)" },
    { "txtSCF", "Tubular Joint SCF Correlations", "4", "Tubular Joint SCF Correlations" },
    { "txtSTRESS", "No of &Joint Stress Points", "8", "No of Joint Stress Points" },
    { "Frame3(0)", "Global Assessments", nullptr, "Global Assessments" },
    { "chkJOINTS(0)", "Tubular Joints    SN Curve", "checked", "Tubular Joints    SN Curve" },
    { "txtCurve(0)", nullptr, "T", "Tubular Joints SN Curve" },
    { "chkJOINTS(1)", "Member Joints    SN Curve", "checked", "Member Joints    SN Curve" },
    { "txtCurve(1)", nullptr, "F2", "Member Joints SN Curve" },
    { "Text1(3)", "SCF", "1.0", "SCF" },
    { "Text1(2)", "Thickness", "0.02", "Thickness" },
    { "Check1(0)", "Include VM Stress Opt", "unchecked", "Include VM Stress Opt" },
    { "txtSTART(1)", "Output ID Number (Start)", "200", "Output ID Number (Start)" },
    { "cmdCREATE(0)", "Crea&te Control File ", nullptr, "Create Control File" },
    { "Frame3(3)", "Selective Assessments", nullptr, "Selective Assessments" },
    { "chkJOINTS(2)", "Tubular Joints    SN Curve", "unchecked", "Tubular Joints    SN Curve" },
    { "txtCurve(2)", nullptr, "T", "Tubular Joints SN Curve" },
    { "chkJOINTS(3)", "Member Joints    SN Curve", "checked", "Member Joints    SN Curve" },
    { "txtCurve(3)", nullptr, "F2", "Member Joints SN Curve" },
    { "Text1(0)", "SCF", "1.0", "SCF" },
    { "Text1(1)", "Thickness", "0.02", "Thickness" },
    { "Check1(1)", "Include VM Stress Opt", "unchecked", "Include VM Stress Opt" },
    { "txtSTART(4)", "Group SET No", "10", "Group SET No" },
    { "Option5(0)", "Restrict to Element Group", "unchecked", "Restrict to Element Group" },
    { "Option5(1)", "Restrict to Node Group", "checked", "Restrict to Node Group" },
    { "txtSTART(5)", "Restrict to Group No.", "1", "Restrict to Group No." },
    { "txtSTART(3)", "Output ID Number (Start)", "205", "Output ID Number (Start)" },
    { "txtDesc", "Description", "", "Description" },
    { "cmdCREATE(1)", "Append to Control File", nullptr, "Append to Control File" },
    { "Frame2", "Tranfer Function Wave Data", nullptr, "Tranfer Function Wave Data" },
    { "txtWAVESTEP", "No of Wave Ste&ps", "12", "No of Wave Steps" },
    { "txtDEPTH", "W&ater Depth", "113.3", "Water Depth" },
    { "Command2(0)", "Cut", nullptr, "Cut" },
    { "Command2(2)", "Copy", nullptr, "Copy" },
    { "Command2(1)", "Paste", nullptr, "Paste" },
    { "Grid2", nullptr, nullptr, "Wave Data" },
    { "Text2", nullptr, nullptr, "Cell Editor" },
    { "Command3", "Generate Default Waves", nullptr, "Generate Default Waves" },
    { "Command4(0)", "Insert After", nullptr, "Insert After" },
    { "Command4(1)", "Toggle Freq Rad/s", nullptr, "Toggle Freq Rad/s" },
    { "cmdQUIT", "Close", nullptr, "Close" },
};

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name).trimmed() : QStringLiteral("<none>");
}

// Records the pointer shape each message was shown with.
class PointerWatchingPrompter : public test::ScriptedPrompter {
public:
    Answer ask(
        const std::string& text, Buttons buttons, Icon icon, const std::string& title) override
    {
        busyWhileAsked.push_back(QApplication::overrideCursor() != nullptr);
        return ScriptedPrompter::ask(text, buttons, icon, title);
    }
    std::vector<bool> busyWhileAsked;
};

class FrmMainTest : public ::testing::Test {
protected:
    template <typename Widget = QWidget> Widget* control(const char* name)
    {
        auto* found = view.findChild<Widget*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return found;
    }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    bool checked(const char* name) { return control<QAbstractButton>(name)->isChecked(); }
    void click(const char* name) { control<QAbstractButton>(name)->click(); }
    bool activate()
    {
        view.show();
        QApplication::setActiveWindow(&view);
        return QTest::qWaitForWindowActive(&view);
    }
    QLabel* labelOf(QWidget* buddy)
    {
        for (QLabel* label : view.findChildren<QLabel*>())
            if (label->buddy() == buddy)
                return label;
        return nullptr;
    }
    // A model directory with model.NAM naming the stem "JKT" inside it.
    StartupDirectories model(const test::TempDir& dir)
    {
        dir.write("model.NAM", "\"" + dir.file("JKT") + "\",x,1\r\n");
        return { dir.path(), dir.path(), std::nullopt };
    }

    RunSetup setup;
    GridModel waves { kWaveGridRows, kWaveGridCols };
    PointerWatchingPrompter prompter;
    test::FixedClock clock;
    test::FixedNumberFormat numberFormat;
    frmMain view { setup, waves, prompter, clock, numberFormat };
};

TEST_F(FrmMainTest, EveryControlHasItsCaptionDefaultAndAccessibleName)
{
    EXPECT_EQ(
        view.windowTitle(), "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility");
    for (const Control& c : kControls) {
        QWidget* widget = control(c.name);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (c.caption) {
            auto* frame = qobject_cast<QGroupBox*>(widget);
            QLabel* label = labelOf(widget);
            const QString shown = button ? button->text()
                : frame                  ? frame->title()
                : label                  ? label->text()
                                         : QString();
            EXPECT_EQ(shown, c.caption) << c.name;
        }
        if (c.initial) {
            const QString value = edit ? edit->text()
                : button->isChecked()  ? QStringLiteral("checked")
                                       : QStringLiteral("unchecked");
            EXPECT_EQ(value, c.initial) << c.name;
        }
        EXPECT_EQ(accessibleName(widget), c.accessibleName) << c.name;
    }
}

TEST_F(FrmMainTest, LabelAccessKeysMoveTheFocusToTheirTextBoxes)
{
    ASSERT_TRUE(activate());
    const std::vector<std::pair<Qt::Key, const char*>> keys = { { Qt::Key_E, "txtBATNAM" },
        { Qt::Key_G, "txtSTARTDIR" }, { Qt::Key_J, "txtSTRESS" }, { Qt::Key_P, "txtWAVESTEP" },
        { Qt::Key_A, "txtDEPTH" }, { Qt::Key_U, "Option1(3)" } };
    for (const auto& [key, name] : keys) {
        QTest::keyClick(&view, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), control(name)) << name;
    }
}

TEST_F(FrmMainTest, StaticOnlySetsTheFrequencyCaseAndClearsExclude)
{
    control<QLineEdit>("txtRETURN")->setText("40");
    click("Check3");
    ASSERT_EQ(setup.ExcludeStaticImprovement, 1);

    click("Check2");
    EXPECT_EQ(text("txtRETURN"), "-");
    EXPECT_FALSE(checked("Check3"));
    EXPECT_EQ(setup.ExcludeStaticImprovement, 0);

    // Exclude may be ticked again under Static Only; it changes nothing else.
    click("Check3");
    EXPECT_EQ(setup.ExcludeStaticImprovement, 1);
    EXPECT_TRUE(checked("Check2"));
    EXPECT_EQ(text("txtRETURN"), "-");

    click("Check2");
    EXPECT_EQ(text("txtRETURN"), "50");
    EXPECT_TRUE(checked("Check3"));
}

TEST_F(FrmMainTest, SpectrumOptionsSetTheSpectrumType)
{
    for (const auto& [name, type] : std::vector<std::pair<const char*, std::string>> {
             { "Option6(1)", "1" }, { "Option6(2)", "2" }, { "Option6(3)", "3" } }) {
        click(name);
        EXPECT_EQ(setup.SpectrumType, type) << name;
        EXPECT_EQ(view.inputs().spectrum, std::stoi(type));
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
    // Every field differs from its default and from every other field.
    MainInputs in { "/m/JKT.BRSF", 6, 2, "71", "51", "6", true, true, "15", "3", "9", "13", "99.5",
        { false, "TG", false, "FG", "1.1", "0.03", true }, "201",
        { true, "TS", false, "FS", "1.2", "0.04", true }, "11", true, "2", "206", "jacket legs" };
    view.showInputs(in);
    const std::vector<std::pair<const char*, const char*>> texts = { { "txtBATNAM", "/m/JKT.BRSF" },
        { "txtSTART(0)", "71" }, { "txtRETURN", "51" }, { "txtBLOCKS", "6" },
        { "txtSTARTDIR", "15" }, { "txtSCF", "3" }, { "txtSTRESS", "9" }, { "txtWAVESTEP", "13" },
        { "txtDEPTH", "99.5" }, { "txtCurve(0)", "TG" }, { "txtCurve(1)", "FG" },
        { "Text1(3)", "1.1" }, { "Text1(2)", "0.03" }, { "txtSTART(1)", "201" },
        { "txtCurve(2)", "TS" }, { "txtCurve(3)", "FS" }, { "Text1(0)", "1.2" },
        { "Text1(1)", "0.04" }, { "txtSTART(4)", "11" }, { "txtSTART(5)", "2" },
        { "txtSTART(3)", "206" }, { "txtDesc", "jacket legs" } };
    for (const auto& [name, value] : texts)
        EXPECT_EQ(text(name), value) << name;
    for (const char* name : { "Option1(6)", "Option6(2)", "Check2", "Check3", "Check1(0)",
             "chkJOINTS(2)", "Check1(1)", "Option5(0)" })
        EXPECT_TRUE(checked(name)) << name;
    for (const char* name : { "Option1(3)", "chkJOINTS(0)", "chkJOINTS(1)", "chkJOINTS(3)" })
        EXPECT_FALSE(checked(name)) << name;
    EXPECT_EQ(view.inputs(), in);

    in.directionOption = -1;
    view.showInputs(in);
    EXPECT_EQ(view.inputs(), in);
}

TEST_F(FrmMainTest, WaveGridIsLaidOutWithHeadingsInFullAndTwipWidths)
{
    GridView* grid = view.waveGrid();
    const QAbstractItemModel* table = grid->model();
    const QFontMetrics headingFont(grid->horizontalHeader()->font());
    const QStringList headings = { "Height", "Period", "Theory" };
    EXPECT_EQ(waves.text(0, 0), "");
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(table->headerData(c - 1, Qt::Horizontal).toString(), headings[c - 1]);
        EXPECT_LT(headingFont.horizontalAdvance(headings[c - 1]), grid->columnWidth(c - 1));
    }
    for (int r = 1; r <= kWaveRowCount; ++r)
        ASSERT_EQ(table->headerData(r - 1, Qt::Vertical).toString(), QString::number(r));
    EXPECT_LT(QFontMetrics(grid->verticalHeader()->font()).horizontalAdvance("100"),
        grid->verticalHeader()->maximumWidth());
    EXPECT_EQ(std::pair(waves.row(), waves.col()), std::pair(1, 1));

    EXPECT_EQ(grid->columnWidthTwips(0), 500);
    EXPECT_EQ(grid->columnWidthTwips(3), 600);
    const double dpi = grid->logicalDpiX();
    EXPECT_EQ(grid->width(), GridView::twipsToPixels(2 * grid->columnWidthTwips(1) + 1353, dpi));
    EXPECT_GT(GridView::twipsToPixels(grid->columnWidthTwips(1), dpi),
        grid->fontMetrics().horizontalAdvance("12.25"));
}

TEST_F(FrmMainTest, GridCellsPublishTheirTexts)
{
    waves.setText(2, 3, "1");
    waves.setText(5, 1, "12.25");
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(view.waveGrid());
    ASSERT_TRUE(grid && grid->tableInterface());
    const auto cellText = [table = grid->tableInterface()](int row, int col) {
        QAccessibleInterface* cell = table->cellAt(row - 1, col - 1);
        return cell ? cell->text(QAccessible::Name) : QStringLiteral("<none>");
    };
    EXPECT_EQ(cellText(5, 1), "12.25");
    EXPECT_EQ(cellText(2, 3), "1");
}

TEST_F(FrmMainTest, StatusLineKeepsAFailureInTheErrorColourUntilTheNextCommand)
{
    QLabel* status = control<QLabel>("StatusLine");
    EXPECT_EQ(status->parentWidget(), view.statusBar());
    EXPECT_TRUE(status->accessibleName().isEmpty());
    const QColor normal = status->palette().color(QPalette::WindowText);

    view.showOutcome({ CommandOutcome::Status::Failed, "Could not write /x/JKT.BRSF" });
    EXPECT_EQ(accessibleName(status), "Could not write /x/JKT.BRSF");
    EXPECT_NE(status->palette().color(QPalette::WindowText), normal);

    view.showOutcome({ CommandOutcome::Status::Done, "Wrote 4 load data files" });
    EXPECT_EQ(status->text(), "Wrote 4 load data files");
    EXPECT_EQ(status->palette().color(QPalette::WindowText), normal);
}

TEST_F(FrmMainTest, StartUpShowsTheModelsBatchFileName)
{
    const test::TempDir dir;
    view.startUp(model(dir));
    EXPECT_EQ(text("txtBATNAM"), QString::fromStdString(dir.file("JKT") + ".BRSF"));
    EXPECT_EQ(control<QLineEdit>("txtBATNAM")->cursorPosition(), text("txtBATNAM").size());
    const QFileInfo help(view.helpFile());
    EXPECT_EQ(help.absolutePath(), QString::fromStdString(dir.path()));
    EXPECT_EQ(help.suffix(), "chm");
}

TEST_F(FrmMainTest, CommandsAskWithTheNormalPointerAndRestoreIt)
{
    const test::TempDir dir;
    view.startUp(model(dir));
    click("cmdCREATE(1)");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, "WAV Data does not exist");
    EXPECT_FALSE(prompter.busyWhileAsked[0]);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FrmMainTest, CreateThatCannotWriteReportsInTheStatusLineInRed)
{
    const test::TempDir dir;
    view.startUp(model(dir));
    dir.write("JKT.WAV", "");
    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).mkdir("JKT.DFS"));
    click("cmdCREATE(0)");
    QLabel* status = control<QLabel>("StatusLine");
    EXPECT_TRUE(status->text().contains("JKT.DFS")) << status->text().toStdString();
    const QColor shown = status->palette().color(QPalette::WindowText);
    EXPECT_TRUE(shown.red() > 150 && shown.green() < 80) << shown.name().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FrmMainTest, F1WithTheHelpFileMissingNamesItInAMessage)
{
    ASSERT_TRUE(activate());
    view.setHelpFile(QStringLiteral("/nowhere/help.chm"));
    QTest::keyClick(&view, Qt::Key_F1);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.messages()[0].text.find("/nowhere/help.chm"), std::string::npos);
}

TEST_F(FrmMainTest, CloseEndsTheViewWithoutAsking)
{
    view.show();
    click("cmdQUIT");
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
} // namespace quorin
