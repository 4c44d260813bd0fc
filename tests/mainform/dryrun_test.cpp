#include "common/comparingfiles.h"
#include "mainform/commandmodel.h"
#include "mainform/runchanges.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace quorin {
namespace {

namespace fs = std::filesystem;

// Each file of the folder: its bytes and their last change.
auto snapshot(const test::TempDir& dir)
{
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& [name, bytes] : dir.files())
        files[dir.file(name)] = { bytes, fs::last_write_time(dir.file(name)) };
    return files;
}

// Three runs of a model, each a dry run then the real run: into an empty
// folder, again with the same inputs, then with another damping. The dry run
// leaves every file as it was; the real run then changes exactly the files
// the dry run called new or changed, into the very bytes the dry run built.
// Which status a missing or an existing file gets is in the run changes test.
TEST(DryRun, TheRealRunThenWritesWhatTheDryRunBuiltWhereItSaidSo)
{
    test::CommandModel model("9.5\t12\t2\r1.25\t4.5\t1");
    model.inputs.directionOption = 1; // "2"
    for (const char* damping : { "5", "5", "3" }) {
        SCOPED_TRACE(std::string("damping ") + damping);
        model.inputs.damping = damping;
        const auto before = snapshot(model.dir);
        ComparingFiles dryRun(model.disk, ComparingFiles::Mode::DryRun);
        ASSERT_TRUE(model.run(false, dryRun));
        EXPECT_EQ(snapshot(model.dir), before);
        const FileChanges changes = changesOf(dryRun);
        ASSERT_EQ(changes.files.size(), 13u);

        ASSERT_TRUE(model.run());
        const auto after = snapshot(model.dir);
        auto expected = before; // the files the dry run did not list stay as they were
        const std::vector<FileRecord> built = dryRun.files();
        for (std::size_t i = 0; i < built.size(); ++i) {
            const std::string& path = built[i].path;
            const bool rewritten
                = !before.contains(path) || before.at(path).first != built[i].after;
            EXPECT_EQ(rewritten, changes.files[i].status != FileStatus::Same) << path;
            expected[path] = { built[i].after,
                after.contains(path) ? after.at(path).second : fs::file_time_type() };
        }
        EXPECT_EQ(after, expected);
    }
}

} // namespace
} // namespace quorin
