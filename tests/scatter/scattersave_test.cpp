#include "scatter/scattersave.h"

#include "scatter/scatterread.h"
#include "scatterfixture.h"
#include "support/faultyfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

using test::Editor;
using Answer = Prompter::Answer;

TEST(ScatterSave, DefaultDiagramWritesSixLinesAndReadsBackEmpty)
{
    Editor editor;
    editor.grid.setText(4, 4, "7");
    loadScatterGrid(editor.store, editor.grid, '.'); // the editor opened afresh
    ASSERT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
    // The six lines, every value " 0 ".
    EXPECT_EQ(editor.dir.read("DECK.DBS1"), test::DiagramFile().text());

    const std::string fresh = gridText(editor.grid);
    editor.store.CyclesPerYear = 9;
    ASSERT_TRUE(ReadScatter(editor.store, editor.context()));
    EXPECT_EQ(totalsLine(editor.store, '.'), "Total :0  (0)");
    EXPECT_EQ(gridText(editor.grid), fresh);
}

TEST(ScatterSave, CellsAreWrittenInPrintFormAndShownInTextForm)
{
    Editor editor;
    editor.grid.setText(1, 1, "0.5");
    editor.grid.setText(1, 2, "12 waves");
    editor.grid.setText(1, 3, "-2");
    ASSERT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
    const std::string file = editor.dir.read("DECK.DBS1");
    EXPECT_EQ(file.substr(file.rfind("\r\n", file.size() - 3) + 2, 12), " .5  12 -2  ");
    EXPECT_EQ(editor.store.ScatterTotal, 10.5f);

    ASSERT_TRUE(ReadScatter(editor.store, editor.context()));
    EXPECT_EQ(editor.grid.text(1, 1), "0.5");
    EXPECT_EQ(editor.grid.text(1, 3), "");
}

TEST(ScatterSave, RefusesWhatCouldNotBeReadBackBeforeWriting)
{
    // The scaling, years and cell (2, 3) texts, and what the message names.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        { "1,5", "1", "", "\"Diagram Scaling Factor\"" },
        { "1", "\"2\"", "", "\"Period (Yrs)\"" },
        { "1", "2\r", "", "\"Period (Yrs)\"" },
        { "1", "1", "4e38", "row 2 (height 11.75), column 3" },
    };
    for (const auto& [scaling, years, cell, named] : cases) {
        SCOPED_TRACE(named);
        Editor editor;
        editor.boxes = { "1", scaling, years };
        editor.grid.setText(2, 3, cell);
        editor.grid.setText(1, 1, "5");
        EXPECT_FALSE(SaveScatter(editor.store, editor.context()));
        ASSERT_EQ(editor.messages().size(), 1u);
        EXPECT_NE(editor.messages()[0].find(named), std::string::npos) << editor.messages()[0];
        EXPECT_FALSE(std::filesystem::exists(editor.dir.file("DECK.DBS1")));
        EXPECT_EQ(editor.store.Scatter[1][1], 0);
    }
}

TEST(ScatterSave, AnsweringNoLeavesTheFile)
{
    Editor editor;
    editor.dir.write("DECK.DBS1", "old");
    editor.prompter = test::ScriptedPrompter({ Answer::No });
    editor.grid.setText(1, 1, "5");
    EXPECT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::KeptExisting);
    EXPECT_EQ(editor.dir.read("DECK.DBS1"), "old");
    const auto& question = editor.prompter.messages().at(0);
    EXPECT_EQ(question.text, "Overwrite existing data");
    EXPECT_EQ(question.title, "Scatter Diagram");
    EXPECT_EQ(editor.store.Scatter[1][1], 5);
}

// Writing fails three ways: a folder holds the file's name, the new file
// cannot be opened beside the old diagram, or the disk fills up while it is
// written. Each is told, leaves every file as it was (the old diagram whole)
// and closes what it opened; the next save, of another direction, works. A
// folder below a regular file is in the end-to-end tests.
TEST(ScatterSave, FailedWriteIsToldAndChangesNoFile)
{
    for (const char* failure : { "folder", "open", "write" }) {
        SCOPED_TRACE(failure);
        Editor editor;
        test::FaultyFiles faulty;
        if (failure == std::string("folder")) {
            editor.dir.write("DECK.DBS1/keep", "k");
        } else {
            editor.grid.setText(1, 1, "5");
            ASSERT_TRUE(SaveScatter(editor.store, editor.context()));
            editor.grid.setText(2, 2, "7");
            (failure == std::string("open") ? faulty.failOpen : faulty.failWrite) = 1;
        }
        const auto before = editor.dir.files();
        const auto saved = SaveScatter(editor.store,
            { editor.grid, editor.boxes, editor.prompter, faulty, editor.modelName, "3", '.' });
        ASSERT_FALSE(saved.has_value());
        EXPECT_EQ(saved.error().file, editor.dir.file("DECK.DBS1"));
        const auto& told = editor.prompter.messages().back();
        EXPECT_EQ(told.icon, Prompter::Icon::Critical);
        EXPECT_NE(
            told.text.find("Could not write " + editor.modelName + ".DBS1: "), std::string::npos)
            << told.text;
        EXPECT_EQ(editor.dir.files(), before);
        EXPECT_EQ(faulty.openNow, 0);
        editor.boxes.direction = "2";
        EXPECT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
    }
}

} // namespace
} // namespace quorin
