#include "scatter/scattersave.h"

#include "common/textfile.h"
#include "scatter/scatterread.h"
#include "scatterfixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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

// Every name under the directory with the content of each file.
std::map<std::string, std::string> listing(const Editor& editor)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(editor.dir.path()))
        entries[entry.path().string()] = readWholeFile(entry.path().string()).value_or("");
    return entries;
}

// A folder that holds the file's name: nothing changes, and the next save
// beside it works. Failing to open the new file beside an old one is in the
// write fault tests, a folder below a regular file in the end-to-end tests.
TEST(ScatterSave, FailedWriteIsToldAndChangesNoFile)
{
    Editor editor;
    editor.dir.write("DECK.DBS1/keep", "k");
    const auto before = listing(editor);
    EXPECT_FALSE(SaveScatter(editor.store, editor.context()));
    const auto& told = editor.prompter.messages().back();
    EXPECT_EQ(told.icon, Prompter::Icon::Critical);
    EXPECT_NE(told.text.find("Could not write " + editor.modelName + ".DBS1: "), std::string::npos)
        << told.text;
    EXPECT_EQ(listing(editor), before);
    editor.boxes.direction = "2";
    EXPECT_EQ(SaveScatter(editor.store, editor.context()), ScatterSaved::Written);
}

} // namespace
} // namespace quorin
