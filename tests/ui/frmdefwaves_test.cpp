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
    std::string focus() const { return QApplication::focusWidget()->objectName().toStdString(); }

    DefaultWaveParameters parameters { 1, 2, 5 };
    float waveSteepness = 22;
    test::ScriptedPrompter prompter;
    std::unique_ptr<frmDefWaves> dialog;
};

// The dialog opens on OK; Enter walks the focus order through the boxes
// without closing the dialog; OK stores the values typed. The controls by
// their names for assistive technology: the one with the focus at opening,
// on each box in turn and at the end, then Cancel. Cancel itself is in the
// main view's Generate Default Waves test.
TEST_F(DefWavesTest, EnterWalksTheFocusOrderAndOkStoresTheValuesTyped)
{
    const auto named = [](QWidget* control) { return test::accessibleName(control).toStdString(); };
    std::string walk = named(QApplication::focusWidget());
    box("txtREAL(0)")->setFocus(Qt::TabFocusReason);
    for (const char* keys : { "'1e3 Enter", "'18.5 Enter", "Enter", "'7 Enter" }) {
        walk += ", " + named(QApplication::focusWidget());
        test::runSteps(keys, test::pressKeys);
    }
    EXPECT_EQ(walk + ", " + named(QApplication::focusWidget()) + "; "
            + named(test::child(*dialog, "CancelButton")),
        "OK, Minimum Period Secs, Wave Steepness, Maximum Period Secs, Number of Waves, OK; "
        "Cancel");
    EXPECT_EQ(box("txtREAL(0)")->text(), "1E3");
    EXPECT_TRUE(dialog->isVisible());
    test::click(*dialog, "OKButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(parameters.MinPeriod, parameters.MaxPeriod, parameters.NumDefaultWaves,
                  waveSteepness),
        std::tuple(1000.0f, 14.0f, 7, 18.5f));
    EXPECT_TRUE(prompter.messages().empty());
}

// Keys typed into a box with its whole text selected, then the focus moves
// on to another box: refused keys leave the text, a real box keeps what
// single precision reads, else "0"; Ctrl+V pastes into a real box only.
TEST_F(DefWavesTest, KeysAreFilteredAndRealBoxesChecked)
{
    QtClipboard clipboard;
    clipboard.setText("99");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "txtREAL(0)", "'xyz", "2.5" },
        { "txtREAL(2)", "'-", "0" },
        { "txtREAL(0)", "'-9/:+x_.0e1", "-9.0E1" },
        { "txtREAL(1)", "^V", "99" },
        { "txtINTEG(0)", "^V '/0:9e-", "09" },
    };
    for (const auto& [name, keys, shown] : cases) {
        box(name)->setFocus(Qt::TabFocusReason);
        test::runSteps(keys, test::pressKeys);
        box(name == std::string("txtREAL(1)") ? "txtINTEG(0)" : "txtREAL(1)")
            ->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box(name)->text(), shown) << name << " " << keys;
    }
}

// The close box acts as Cancel: no waves, and the steepness typed is kept.
TEST_F(DefWavesTest, CloseBoxActsAsCancel)
{
    box("txtREAL(1)")->setText("19");
    dialog->close();
    EXPECT_EQ(std::pair(parameters.NumDefaultWaves, waveSteepness),
        (std::pair<std::int16_t, float>(0, 19)));
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
    std::size_t told = 0;
    for (const auto& [name, value, message] : cases) {
        SCOPED_TRACE(message);
        open();
        box("txtINTEG(0)")->setText("3");
        box(name)->setText(value);
        test::click(*dialog, "OKButton");
        ASSERT_EQ(prompter.messages().size(), ++told);
        EXPECT_TRUE(prompter.messages().back().text.starts_with(message))
            << prompter.messages().back().text;
        EXPECT_TRUE(dialog->isVisible());
        if (!std::string(message).starts_with("Generate")) {
            EXPECT_EQ(focus(), name);
        }
        EXPECT_EQ(std::pair(parameters.NumDefaultWaves, waveSteepness),
            (std::pair<std::int16_t, float>(5, 22)));
    }
}

} // namespace
} // namespace quorin
