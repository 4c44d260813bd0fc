#include "e2e/batchrunner.h"
#include "scatter/frmeditgrid.h"
#include "scatter/scatterfixture.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quorin {
namespace {

// Runs check on the modal window once "Edit Scatter Diagram" has opened it, then closes it.
void editScatter(frmMain& view, const std::function<void(frmEditGrid&)>& check)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<frmEditGrid*>(QApplication::activeModalWidget());
        if (editor) {
            seen = true;
            check(*editor);
            editor->close();
        }
    });
    test::child<QAbstractButton>(view, "Command1")->click();
    EXPECT_TRUE(seen) << "no modal editor";
}

using EditScatterDiagram = test::MainView;

TEST_F(EditScatterDiagram, OpensAFreshModalEditorEachTimeWhileTheStoreKeepsTheDiagram)
{
    setup.ModelName = dir.file("JKT");
    setup.SpectrumType = "2";
    view.show();

    editScatter(view, [&](frmEditGrid& editor) {
        EXPECT_EQ(editor.parentWidget(), &view);
        editor.gridView()->gridModel().setText(1, 1, "7");
        test::child<QAbstractButton>(editor, "Command2(1)")->click();
    });
    EXPECT_EQ(dir.read("JKT.DBS1").substr(0, 3), "2\r\n") << "the run's spectrum type";
    EXPECT_EQ(session.scatter.Scatter[1][1], 7.0f);

    editScatter(view, [&](frmEditGrid& editor) {
        EXPECT_EQ(editor.gridView()->gridModel().text(1, 1), "");
        EXPECT_EQ(editor.gridView()->gridModel().text(1, 0), "12.25");
    });
    EXPECT_EQ(session.scatter.Scatter[1][1], 7.0f);
}

// The grid as the editor shows it after Open and its totals line, in the
// form quorin-batch prints them.
std::string openedInTheEditor(const test::TempDir& dir, bool steepness)
{
    test::Platforms platforms;
    GridEdit store;
    frmEditGrid editor(store, { dir.file("DECK"), "3" }, platforms.platform());
    test::child<QLineEdit>(editor, "Text2")->setText(QStringLiteral(" 2 "));
    test::child<QCheckBox>(editor, "Check1")->setChecked(steepness);
    test::child<QAbstractButton>(editor, "Command2(0)")->click();
    EXPECT_TRUE(platforms.prompter.messages().empty());
    return gridText(editor.gridView()->gridModel())
        + test::child<QLabel>(editor, "Label1(2)")->text().toStdString() + "\n";
}

TEST_F(EditScatterDiagram, QuorinBatchPrintsWhatTheEditorShowsForTheSameFile)
{
    test::DiagramFile file;
    file.years = "2.5";
    file.heights.replace(0, 5, "13.5");
    file.cell(1, 1, "0.5").cell(4, 9, "120").cell(21, 9, "3.25").cell(25, 18, "-4");
    dir.write("DECK.DBS2", file.text());
    for (const bool steepness : { false, true }) {
        SCOPED_TRACE(steepness ? "steepness" : "occurrences");
        std::vector<std::string> args = { "scatter", " 2 ", "--model", "DECK" };
        if (steepness)
            args.push_back("--steepness");
        const test::BatchRun batch = test::RunQuorinBatch(dir, args);
        EXPECT_EQ(batch.status, 0) << batch.err;
        const std::string shown = openedInTheEditor(dir, steepness);
        EXPECT_EQ(batch.out, shown);
        EXPECT_NE(shown.find(steepness ? "\t50\t" : "\t3.25\t"), std::string::npos) << shown;
    }
}

} // namespace
} // namespace quorin
