#include "ui/widgets.h"
#include "wavetable/frmdefwaves.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quorin {
namespace {

class DefWavesTest : public testing::Test {
protected:
    void SetUp() override { open(); }
    void open()
    {
        dialog = std::make_unique<frmDefWaves>(parameters, waveSteepness, prompter, '.');
        ASSERT_TRUE(test::showActive(*dialog));
    }
    QLineEdit* box(const std::string& name) const { return test::child<QLineEdit>(*dialog, name); }
    QString text(const std::string& name) const { return box(name)->text(); }
    void click(const char* name) { test::click(*dialog, name); }
    std::string focus() const { return QApplication::focusWidget()->objectName().toStdString(); }
    // Keys for the box with the focus, as steps of test::pressKeys.
    static void type(const std::string& steps) { test::runSteps(steps, test::pressKeys); }

    DefaultWaveParameters parameters { 1, 2, 5 };
    float waveSteepness = 22;
    test::ScriptedPrompter prompter;
    std::unique_ptr<frmDefWaves> dialog;
};

// The boxes' texts at opening are in the Cancel test and the main view's
// Generate Default Waves test (the standard table).
TEST_F(DefWavesTest, OpensOnOkWithItsBoxesNamed)
{
    EXPECT_EQ(dialog->windowTitle(), "Default Waves");
    EXPECT_EQ(focus(), "OKButton");
    const std::pair<const char*, const char*> boxes[]
        = { { "txtREAL(0)", "Minimum Period Secs" }, { "txtREAL(2)", "Maximum Period Secs" },
              { "txtREAL(1)", "Wave Steepness" }, { "txtINTEG(0)", "Number of Waves" } };
    for (const auto& [name, spoken] : boxes)
        EXPECT_EQ(test::accessibleName(box(name)), spoken) << name;
}

// Keys typed into a box with its whole text selected, then the focus moves
// on to another box, or OK is pressed from code (as assistive technology
// does), which takes the focus first. Which key each box takes is in the
// key filter tests; these show the filters and Ctrl+V at work in the boxes.
TEST_F(DefWavesTest, KeysAreFilteredAndRealBoxesChecked)
{
    QtClipboard clipboard;
    clipboard.setText("99");
    const std::tuple<const char*, const char*, const char*, bool> cases[]
        = { { "txtREAL(0)", "'1e3", "1E3", false }, { "txtREAL(0)", "'xyz", "2.5", false },
              { "txtREAL(2)", "'-", "0", false }, { "txtREAL(2)", "'-", "0", true },
              { "txtREAL(1)", "^V", "99", false }, { "txtINTEG(0)", "^V '3", "3", false } };
    for (const auto& [name, keys, shown, pressOk] : cases) {
        open();
        box(name)->setFocus(Qt::TabFocusReason);
        type(keys);
        if (pressOk)
            test::child<QAbstractButton>(*dialog, "OKButton")->click();
        else
            box("txtREAL(0)" == std::string(name) ? "txtINTEG(0)" : "txtREAL(0)")
                ->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(name), shown) << name << " " << keys;
    }
}

// Enter walks the focus order without reaching a box's text or closing the
// dialog; OK stores the values typed.
TEST_F(DefWavesTest, EnterWalksTheFocusOrderAndOkStoresTheValuesTyped)
{
    box("txtREAL(0)")->setFocus(Qt::TabFocusReason);
    for (const auto& [keys, next] :
        { std::pair { "'1e3 Enter", "txtREAL(1)" }, { "'18.5 Enter", "txtREAL(2)" },
            { "Enter", "txtINTEG(0)" }, { "'7 Enter", "OKButton" } }) {
        type(keys);
        EXPECT_EQ(focus(), next);
    }
    EXPECT_EQ(text("txtREAL(0)") + " " + text("txtINTEG(0)"), "1E3 7");
    EXPECT_TRUE(dialog->isVisible());
    click("OKButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(parameters.MinPeriod, parameters.MaxPeriod, parameters.NumDefaultWaves,
                  waveSteepness),
        std::tuple(1000.0f, 14.0f, 7, 18.5f));
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(DefWavesTest, CancelAndTheCloseBoxKeepTheSteepnessForTheNextOpening)
{
    for (const bool closeBox : { false, true }) {
        parameters.NumDefaultWaves = 5;
        box("txtREAL(0)")->setText("3");
        box("txtREAL(1)")->setFocus(Qt::TabFocusReason);
        type(closeBox ? "'19" : "'18");
        if (closeBox)
            dialog->close();
        else
            click("CancelButton");
        EXPECT_EQ(parameters.NumDefaultWaves, 0);
        EXPECT_EQ(waveSteepness, closeBox ? 19.0f : 18.0f);
        open();
        EXPECT_EQ(text("txtREAL(0)"), "2.5");
        EXPECT_EQ(text("txtREAL(1)"), closeBox ? "19" : "18");
    }
}

// A value OK refuses: its message, the dialog still open with the focus on
// the box refused, nothing stored.
TEST_F(DefWavesTest, OkRefusesWhatGivesNoWavesAndStaysOpen)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "txtINTEG(0)", "", "Number of Waves: the box is empty" },
        { "txtINTEG(0)", "20.0", "Number of Waves: \"20.0\" is not a whole number" },
        { "txtINTEG(0)", "1", "Number of Waves: at least 2" },
        { "txtINTEG(0)", "101", "Number of Waves: at most 100" },
        { "txtINTEG(0)", "99999999999", "Number of Waves: at most 100" },
        { "txtREAL(0)", "0", "Minimum Period Secs: a period of 0" },
        { "txtREAL(0)", "abc", "Minimum Period Secs: \"abc\" is not a number" },
        { "txtREAL(2)", "0", "Maximum Period Secs: a period of 0" },
        { "txtREAL(2)", "2.5", "Maximum Period Secs: equals the minimum period" },
        { "txtREAL(1)", "0", "Wave Steepness: a steepness of 0" },
        { "txtREAL(1)", "1e39", "Wave Steepness: \"1e39\" is not a number" },
        { "txtREAL(2)", "-2.5", "Generate Default Waves: a frequency of 0 has no period" },
        { "txtREAL(0)", "1e-39", "Generate Default Waves: these periods" },
    };
    for (const auto& [name, value, message] : cases) {
        SCOPED_TRACE(message);
        open();
        box(name)->setText(value);
        const bool generation = std::string(message).starts_with("Generate");
        if (generation)
            box("txtINTEG(0)")->setText("3");
        const std::size_t before = prompter.messages().size();
        click("OKButton");
        ASSERT_EQ(prompter.messages().size(), before + 1);
        EXPECT_TRUE(prompter.messages().back().text.starts_with(message))
            << prompter.messages().back().text;
        EXPECT_TRUE(dialog->isVisible());
        if (!generation) {
            EXPECT_EQ(focus(), name);
        }
        EXPECT_EQ(parameters.NumDefaultWaves, 5);
        EXPECT_EQ(waveSteepness, 22.0f);
    }
}

} // namespace
} // namespace quorin
