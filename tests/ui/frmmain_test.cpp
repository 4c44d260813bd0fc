#include "common/qt/gridview.h"
#include "common/qt/qtprompter.h"
#include "mainform/frmmain.h"
#include "run/inputtable.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
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

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorin {
namespace {

// The controls of the main view that are not inputs: their caption and the
// name assistive tools read. The inputs come from the table of inputs.
const std::vector<std::pair<const char*, const char*>> kOtherControls = {
    { "Frame1", "N&umber of Directions" },
    { "Frame4", "Wave Energy Spectrum" },
    { "Command1", "Edit Scatter Diagram" },
    { "Frame3(0)", "Global Assessments" },
    { "cmdCREATE(0)", "Crea&te Control File " },
    { "Frame3(3)", "Selective Assessments" },
    { "cmdCREATE(1)", "Append to Control File" },
    { "Frame2", "Tranfer Function Wave Data" },
    { "Command2(0)", "Cut" },
    { "Command2(2)", "Copy" },
    { "Command2(1)", "Paste" },
    { "Command3", "Generate Default Waves" },
    { "Command4(0)", "Insert After" },
    { "Command4(1)", "Toggle Freq Rad/s" },
    { "cmdQUIT", "Close" },
};

// The rule of accessible names: the caption without its ampersand and trailing spaces.
QString spoken(std::string_view caption)
{
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()))
        .remove(QLatin1Char('&'))
        .trimmed();
}

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
        if (onAsk)
            onAsk();
        return ScriptedPrompter::ask(text, buttons, icon, title);
    }
    std::vector<bool> busyWhileAsked;
    std::function<void()> onAsk;
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

    Session session;
    RunSetup& setup = session.setup;
    GridModel& waves = session.waves;
    PointerWatchingPrompter prompter;
    QtClipboard clipboard;
    DiskFiles files;
    test::FixedClock clock;
    test::FixedNumberFormat numberFormat;
    frmMain view { session, { prompter, clipboard, files, clock, numberFormat } };
};

TEST_F(FrmMainTest, EveryControlHasItsCaptionDefaultAndAccessibleName)
{
    EXPECT_EQ(
        view.windowTitle(), "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility");
    for (const auto& [name, caption] : kOtherControls) {
        QWidget* widget = control(name);
        const auto* frame = qobject_cast<QGroupBox*>(widget);
        EXPECT_EQ(frame ? frame->title() : control<QAbstractButton>(name)->text(), caption) << name;
        EXPECT_EQ(accessibleName(widget), spoken(caption)) << name;
    }
    EXPECT_EQ(accessibleName(control("Grid2")), "Wave Data");
    EXPECT_EQ(accessibleName(control("Text2")), "Cell Editor");

    MainInputs defaults;
    for (const InputField& field : inputFields()) {
        const std::string object(field.objectName);
        if (field.kind == InputKind::Choice) {
            for (const Choice& choice : field.choices) {
                if (choice.caption.empty())
                    continue; // another name for an option
                const std::string option = object + "(" + std::to_string(choice.element) + ")";
                auto* button = control<QAbstractButton>(option.c_str());
                EXPECT_EQ(button->text().toStdString(), choice.caption) << option;
                EXPECT_EQ(accessibleName(button), spoken(choice.caption)) << option;
                EXPECT_EQ(button->isChecked(), choice.element == field.choice(defaults)) << option;
            }
            continue;
        }
        if (object.empty())
            continue;
        QWidget* widget = control(object.c_str());
        EXPECT_EQ(accessibleName(widget).toStdString(), field.name()) << object;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(edit->text().toStdString(), field.text(defaults)) << object;
            if (!field.caption.empty()) {
                EXPECT_EQ(labelOf(edit)->text().toStdString(), field.caption) << object;
            }
        } else {
            auto* box = control<QAbstractButton>(object.c_str());
            EXPECT_EQ(box->text().toStdString(), field.caption) << object;
            EXPECT_EQ(box->isChecked(), field.flag(defaults)) << object;
        }
        if (!field.frame.empty()) {
            auto* frame = qobject_cast<QGroupBox*>(widget->parentWidget());
            ASSERT_TRUE(frame) << object;
            EXPECT_EQ(frame->title().toStdString(), field.frame) << object;
        }
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

// The click rules run however a box or option changes: a mouse click, the
// space bar, or the toggle action of assistive technology.
enum class Toggle { Mouse, SpaceBar, Assistive };
void PrintTo(Toggle toggle, std::ostream* out)
{
    *out << (toggle == Toggle::Mouse     ? "mouse"
            : toggle == Toggle::SpaceBar ? "space"
                                         : "assistive");
}

class ClickRulesTest : public FrmMainTest, public testing::WithParamInterface<Toggle> {
protected:
    void SetUp() override { ASSERT_TRUE(activate()); }
    void toggle(const char* name)
    {
        auto* button = control<QAbstractButton>(name);
        switch (GetParam()) {
        case Toggle::Mouse: // on the box or the option's circle
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
            break;
        case Toggle::SpaceBar:
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
            break;
        case Toggle::Assistive:
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
            break;
        }
    }
};

TEST_P(ClickRulesTest, StaticOnlySetsTheFrequencyCaseAndClearsExclude)
{
    control<QLineEdit>("txtRETURN")->setText("40");
    toggle("Check3");
    ASSERT_EQ(setup.ExcludeStaticImprovement, 1);

    toggle("Check2");
    EXPECT_EQ(text("txtRETURN"), "-");
    EXPECT_FALSE(checked("Check3"));
    EXPECT_EQ(setup.ExcludeStaticImprovement, 0);

    // Exclude may be ticked again under Static Only; it changes nothing else.
    toggle("Check3");
    EXPECT_EQ(setup.ExcludeStaticImprovement, 1);
    EXPECT_TRUE(checked("Check2"));
    EXPECT_EQ(text("txtRETURN"), "-");

    toggle("Check2");
    EXPECT_EQ(text("txtRETURN"), "50");
    EXPECT_TRUE(checked("Check3"));
}

TEST_P(ClickRulesTest, SpectrumOptionsSetTheSpectrumType)
{
    for (const auto& [name, type] : std::vector<std::pair<const char*, std::string>> {
             { "Option6(1)", "1" }, { "Option6(2)", "2" }, { "Option6(3)", "3" } }) {
        toggle(name);
        EXPECT_EQ(setup.SpectrumType, type) << name;
        EXPECT_EQ(view.inputs().spectrum, std::stoi(type));
    }
}

INSTANTIATE_TEST_SUITE_P(
    FrmMain, ClickRulesTest, testing::Values(Toggle::Mouse, Toggle::SpaceBar, Toggle::Assistive));

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

    // At the window's least size the table has the widths it was laid out
    // with; a larger window gives it more rows and more width, shared by its
    // columns in proportion.
    view.show();
    view.resize(view.minimumSize());
    QApplication::processEvents();
    EXPECT_EQ(grid->columnWidthTwips(0), 500);
    EXPECT_EQ(grid->columnWidthTwips(3), 600);
    const double dpi = grid->logicalDpiX();
    EXPECT_EQ(grid->width(), GridView::twipsToPixels(2 * grid->columnWidthTwips(1) + 1353, dpi));
    EXPECT_GT(GridView::twipsToPixels(grid->columnWidthTwips(1), dpi),
        grid->fontMetrics().horizontalAdvance("12.25"));
    const QSize least(grid->columnWidth(0), grid->viewport()->height());
    const int theory = grid->columnWidth(2);
    view.resize(view.size() + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_GE(grid->viewport()->height(), least.height() + 200);
    EXPECT_NEAR(static_cast<double>(grid->columnWidth(0)) / least.width(),
        static_cast<double>(grid->columnWidth(2)) / theory, 0.05);
    EXPECT_GT(grid->columnWidth(2), theory);
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

    view.showOutcome(fail("Could not write /x/JKT.BRSF", "/x/JKT.BRSF"));
    EXPECT_EQ(accessibleName(status), "Could not write /x/JKT.BRSF");
    EXPECT_NE(status->palette().color(QPalette::WindowText), normal);

    view.showOutcome(std::string("Wrote 4 load data files"));
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

TEST_F(FrmMainTest, StartUpMessagesComeBeforeTheViewAppears)
{
    const test::TempDir dir; // no model.NAM
    bool shownWhileAsked = true;
    prompter.onAsk = [&] { shownWhileAsked = view.isVisible(); };
    view.open({ dir.path(), dir.path(), std::nullopt });
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_FALSE(shownWhileAsked);
    EXPECT_TRUE(view.isVisible());
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
