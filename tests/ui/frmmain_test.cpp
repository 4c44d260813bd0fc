#include "run/inputtable.h"
#include "ui/widgets.h"

#include <QAccessibleActionInterface>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorin {
namespace {

using test::accessibleName;

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
    { "cmdREPORT", "Report..." },
    { "cmdQUIT", "Close" },
};

// The rule of accessible names: the caption without its ampersand and trailing spaces.
QString spoken(std::string_view caption)
{
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()))
        .remove(QLatin1Char('&'))
        .trimmed();
}

class FrmMainTest : public test::MainView {
protected:
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    bool checked(const char* name) { return control<QAbstractButton>(name)->isChecked(); }
    void press(const char* name) { control<QAbstractButton>(name)->click(); }
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
                auto* button = control<QAbstractButton>(option);
                EXPECT_EQ(button->text().toStdString(), choice.caption) << option;
                EXPECT_EQ(accessibleName(button), spoken(choice.caption)) << option;
                EXPECT_EQ(button->isChecked(), choice.element == field.choice(defaults)) << option;
            }
            continue;
        }
        if (object.empty())
            continue;
        QWidget* widget = control(object);
        EXPECT_EQ(accessibleName(widget).toStdString(), field.name()) << object;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(edit->text().toStdString(), field.text(defaults)) << object;
            const auto labels = view.findChildren<QLabel*>();
            const auto label = std::ranges::find(labels, edit, &QLabel::buddy);
            EXPECT_EQ(label == labels.end() ? "" : (*label)->text().toStdString(), field.caption)
                << object;
        } else {
            auto* box = control<QAbstractButton>(object);
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

// The click rules run however a box or option changes, even through the
// toggle action of assistive technology, which sends no click.
TEST_F(FrmMainTest, ClickRulesRunOnTheToggleAction)
{
    ASSERT_TRUE(test::showActive(view));
    const auto toggle = [this](const std::string& name) {
        QAccessible::queryAccessibleInterface(control(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
    };
    control<QLineEdit>("txtRETURN")->setText("40");
    // The box toggled, then the frequency case, Static Only and Exclude (which
    // may be ticked again under Static Only, changing nothing else).
    const std::tuple<const char*, const char*, bool, bool> steps[]
        = { { "Check3", "40", false, true }, { "Check2", "-", true, false },
              { "Check3", "-", true, true }, { "Check2", "50", false, true } };
    for (const auto& [name, frequency, staticOnly, exclude] : steps) {
        toggle(name);
        EXPECT_EQ(text("txtRETURN"), frequency) << name;
        EXPECT_EQ(checked("Check2"), staticOnly) << name;
        EXPECT_EQ(checked("Check3"), exclude) << name;
        EXPECT_EQ(setup.ExcludeStaticImprovement, exclude ? 1 : 0) << name;
    }
    for (const char* type : { "1", "2", "3" }) {
        toggle("Option6(" + std::string(type) + ")");
        EXPECT_EQ(setup.SpectrumType, type);
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

// At the window's least size the wave table has the widths it was laid out
// with; a larger window gives it more rows and more width, shared by its
// columns in proportion.
TEST_F(FrmMainTest, WaveGridHasTwipWidthsAndGrowsWithTheWindow)
{
    GridView* grid = view.waveGrid();
    const QFontMetrics headingFont(grid->horizontalHeader()->font());
    for (int c = 0; c < 3; ++c) {
        const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_LT(headingFont.horizontalAdvance(heading), grid->columnWidth(c)) << c;
    }
    EXPECT_LT(QFontMetrics(grid->verticalHeader()->font()).horizontalAdvance("100"),
        grid->verticalHeader()->maximumWidth());

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

// A failure stays in the status line in the error colour, read out by its
// text, until the next command's outcome. A command that runs to its end
// adds what it changed, and "What changed" (after Close in the Tab order)
// shows which files, their differing lines in a text to copy from.
TEST_F(FrmMainTest, StatusLineTellsAFailureInRedAndWhatACommandChanged)
{
    view.startUp(model());
    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).mkdir("JKT.DFS"));
    QLabel* status = control<QLabel>("StatusLine");
    EXPECT_EQ(status->parentWidget(), view.statusBar());
    const QColor normal = status->palette().color(QPalette::WindowText);
    press("cmdCREATE(0)");
    EXPECT_TRUE(status->text().contains("JKT.DFS")) << status->text().toStdString();
    EXPECT_EQ(accessibleName(status), status->text());
    const QColor shown = status->palette().color(QPalette::WindowText);
    EXPECT_TRUE(shown.red() > 150 && shown.green() < 80) << shown.name().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    auto* whatChanged = control<QPushButton>("cmdCHANGES");
    EXPECT_TRUE(whatChanged->isHidden());
    ASSERT_TRUE(QDir(QString::fromStdString(dir.path())).rmdir("JKT.DFS"));
    press("cmdCREATE(0)");
    EXPECT_TRUE(status->text().endsWith(" and JKT.BRSF; 5 changed, 0 unchanged"))
        << status->text().toStdString();
    control<QLineEdit>("txtBLOCKS")->setText("3");
    press("cmdCREATE(0)");
    EXPECT_TRUE(status->text().endsWith("; 1 changed, 4 unchanged"))
        << status->text().toStdString();
    ASSERT_TRUE(test::showActive(view));
    control("cmdQUIT")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), whatChanged);
    EXPECT_EQ(accessibleName(whatChanged), "What changed");
    QTest::keyClick(whatChanged, Qt::Key_Space);
    auto* details = view.findChild<QPlainTextEdit*>("Details");
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isReadOnly());
    EXPECT_TRUE(details->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    const QString text = details->toPlainText();
    EXPECT_EQ(
        text, QString::fromStdString(dir.file("JKT.DFS")) + ": 1 line differs\n-14: 5\n+14: 3\n\n");

    view.showOutcome(std::string("Wrote 4 load data files"));
    EXPECT_EQ(status->text(), "Wrote 4 load data files");
    EXPECT_EQ(status->palette().color(QPalette::WindowText), normal);
    EXPECT_TRUE(whatChanged->isHidden());
}

TEST_F(FrmMainTest, StartUpShowsTheModelOrWhyThereIsNone)
{
    view.startUp(model());
    EXPECT_EQ(text("txtBATNAM"), QString::fromStdString(dir.file("JKT") + ".BRSF"));
    EXPECT_EQ(control<QLineEdit>("txtBATNAM")->cursorPosition(), text("txtBATNAM").size());
    EXPECT_EQ(view.helpFile().toStdString(), dir.file("quorin_spec.chm"));
    EXPECT_TRUE(control<QLabel>("StatusLine")
                    ->text()
                    .startsWith(QString::fromStdString("Model " + dir.file("JKT"))));

    // Without model.NAM: the message comes before the view appears.
    const test::TempDir empty;
    bool shownWhileAsked = true;
    prompter.onAsk = [&] { shownWhileAsked = view.isVisible(); };
    view.open({ empty.path(), empty.path(), std::nullopt });
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_FALSE(shownWhileAsked);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(control<QLabel>("StatusLine")->text().toStdString(),
        "No model: " + empty.file("model.NAM")
            + " was not found; start with --files1 DIR or set Files1");
}

TEST_F(FrmMainTest, CommandsAskWithTheNormalPointerAndRestoreIt)
{
    view.startUp(model());
    dir.write("JKT.BRSF", "old");
    bool busyWhileAsked = true;
    prompter.onAsk = [&] { busyWhileAsked = QApplication::overrideCursor() != nullptr; };
    press("cmdCREATE(0)");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, "Fatige Batch File Exist - Overwrite");
    EXPECT_FALSE(busyWhileAsked);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FrmMainTest, CloseEndsTheViewWithoutAsking)
{
    view.show();
    press("cmdQUIT");
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
} // namespace quorin
