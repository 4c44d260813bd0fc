#include "common/comparingfiles.h"
#include "mainform/commandmodel.h"
#include "mainform/runchanges.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace quorin {
namespace {

namespace fs = std::filesystem;

using OnDisk = std::pair<std::string, fs::file_time_type>; // the bytes and their last change

std::map<std::string, OnDisk> snapshot(const test::TempDir& dir)
{
    std::map<std::string, OnDisk> files;
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
        const std::vector<FileRecord> built = dryRun.files();
        std::set<std::string> listed;
        for (std::size_t i = 0; i < built.size(); ++i) {
            const std::string& path = built[i].path;
            listed.insert(path);
            EXPECT_EQ(after.at(path).first, built[i].after) << path;
            const auto old = before.find(path);
            const bool rewritten = old == before.end() || old->second.first != built[i].after;
            EXPECT_EQ(rewritten, changes.files[i].status != FileStatus::Same) << path;
        }
        for (const auto& [path, file] : after) {
            const auto old = before.find(path);
            EXPECT_TRUE(listed.contains(path) || (old != before.end() && old->second == file))
                << path;
        }
    }
}

} // namespace
} // namespace quorin
