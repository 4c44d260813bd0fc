#include "scatter/scattersave.h"

#include "scatter/scatterread.h"
#include "scatterfixture.h"
#include "support/faultyfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

using test::Editor;

// The default diagram is saved as six lines, every value " 0 ", and read
// back empty. Cells are written in print form and shown in text form.
TEST(ScatterSave, WritesTheDiagramAsItReadsItBack)
{
    Editor editor;
    ASSERT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
    EXPECT_EQ(editor.dir.read("DECK.DBS1"), test::DiagramFile().text());
    const std::string fresh = gridText(editor.grid);
    editor.store.CyclesPerYear = 9;
    ASSERT_TRUE(ReadScatter(editor.store, editor.context()));
    EXPECT_EQ(totalsLine(editor.store, '.') + gridText(editor.grid), "Total :0  (0)" + fresh);

    editor.grid.setText(1, 1, "0.5");
    editor.grid.setText(1, 2, "12 waves");
    editor.grid.setText(1, 3, "-2");
    ASSERT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
    const std::string file = editor.dir.read("DECK.DBS1");
    EXPECT_EQ(file.substr(file.rfind("\r\n", file.size() - 3) + 2, 12), " .5  12 -2  ");
    ASSERT_TRUE(ReadScatter(editor.store, editor.context()));
    EXPECT_EQ(editor.grid.text(1, 1) + "|" + editor.grid.text(1, 3), "0.5|");
}

// A comma in a box would shift the fields read back: Save refuses it and
// names the box, writing and storing nothing.
TEST(ScatterSave, RefusesACommaInABox)
{
    Editor editor;
    editor.boxes.scalingFactor = "1,5";
    editor.grid.setText(1, 1, "5");
    EXPECT_FALSE(SaveScatter(editor.store, editor.context()));
    ASSERT_EQ(editor.messages().size(), 1u);
    EXPECT_NE(editor.messages()[0].find("\"Diagram Scaling Factor\""), std::string::npos);
    EXPECT_FALSE(
        std::filesystem::exists(editor.dir.file("DECK.DBS1")) || editor.store.Scatter[1][1]);
}

TEST(ScatterSave, AnsweringNoLeavesTheFile)
{
    Editor editor;
    editor.dir.write("DECK.DBS1", "old");
    editor.prompter = test::ScriptedPrompter({ Prompter::Answer::No });
    EXPECT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::KeptExisting);
    EXPECT_EQ(editor.dir.read("DECK.DBS1") + "|" + editor.messages().at(0),
        "old|Overwrite existing data");
}

// The disk fills up while the new file is written beside the old diagram:
// this is told, leaves every file as it was (the old diagram whole) and closes
// what it opened; the next save, of another direction, works. A path below a
// regular file is in the quorin-batch tests.
TEST(ScatterSave, FailedWriteIsToldAndChangesNoFile)
{
    Editor editor;
    test::FaultyFiles faulty;
    editor.grid.setText(1, 1, "5");
    ASSERT_TRUE(SaveScatter(editor.store, editor.context()));
    editor.grid.setText(2, 2, "7");
    faulty.failWrite = 1;
    const auto before = editor.dir.files();
    ASSERT_FALSE(SaveScatter(editor.store,
        { editor.grid, editor.boxes, editor.prompter, faulty, editor.modelName, "3", '.' }));
    const std::string told = editor.prompter.messages().back().text;
    EXPECT_TRUE(told.starts_with("Could not write " + editor.modelName + ".DBS1: ")) << told;
    EXPECT_EQ(editor.dir.files(), before);
    EXPECT_EQ(faulty.openNow, 0);
    editor.boxes.direction = "2";
    EXPECT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
}

} // namespace
} // namespace quorin
