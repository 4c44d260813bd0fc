#include "ui/widgets.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

class ReportButton : public test::MainView { };

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
        const QString status = control<QLabel>("StatusLine")->text();
        EXPECT_TRUE(status.startsWith(QString::fromStdString(c.status))) << status.toStdString();
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
