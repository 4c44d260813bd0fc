// quorin-batch on a real filesystem that runs out of room: a small tmpfs
// mounted for the test, where the machine allows mounting (CI runs as root).
#include "e2e/batchrunner.h"
#include "support/nothinglost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quorin::test {
namespace {

// A tmpfs of the given size on the folder "disk" of dir while the object lives;
// none where the machine does not allow mounting.
class SmallDisk {
public:
    SmallDisk(const TempDir& dir, const std::string& size)
        : folder_(dir.file("disk"))
    {
        std::filesystem::create_directory(folder_);
        const std::string mount
            = "mount -t tmpfs -o size=" + size + " quorin-test " + folder_ + " 2>/dev/null";
        mounted_ = std::system(mount.c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (!mounted_)
            return;
        [[maybe_unused]] const int unmounted = std::system(("umount " + folder_).c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Takes every block that is left.
    void fill() const
    {
        std::ofstream filler(folder_ + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())).flush()) { }
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

// The files of the model's folder "disk", by name, filler left out. The
// digits of a load data file's "Date: ... Time: ..." line are zeroed: the
// runs compared are made seconds apart.
Files DiskFiles(const TempDir& dir)
{
    Files files;
    for (auto [name, bytes] : dir.files()) {
        if (!name.starts_with("disk/") || name == "disk/filler")
            continue;
        if (const auto date = bytes.find("\r\nDate:"); date != std::string::npos)
            std::replace_if(bytes.begin() + static_cast<std::ptrdiff_t>(date),
                bytes.begin()
                    + static_cast<std::ptrdiff_t>(
                        std::min(bytes.find("\r\n", date + 2), bytes.size())),
                ::isdigit, '0');
        files[name.substr(5)] = bytes;
    }
    return files;
}

// The file a failure names: "Could not write FILE: reason...".
std::string FailedFile(const std::string& err)
{
    const auto start = err.find("Could not write ");
    if (start == std::string::npos)
        return {};
    const auto from = start + 16;
    return err.substr(from, err.find(": ", from) - from);
}

// Two directions of two waves first, then of 100 waves: 400 wave files do not
// fit in 512 KB. The second Create stops on the file that found no room; every
// file is then as before or as a whole run on a roomy disk writes it, except
// the wave file the failure names, which is written in place. A scatter
// diagram saved over on the full disk stays as it was.
TEST(FullDisk, RunsStopOnTheFileThatFoundNoRoomAndLoseNoOldFile)
{
    std::string many;
    for (int i = 1; i <= 100; ++i)
        many += "2\t" + std::to_string(4 + i) + "\t1\r\n";
    const auto prepare = [&many](const TempDir& dir) {
        dir.write("disk/JKT.WAV", "");
        dir.write("two.txt", "9.5\t12\t2\r\n1.25\t4.5\t1\r\n");
        dir.write("many.txt", many);
        dir.write("cells.txt", "3\t4.5\r\n");
    };
    const std::vector<std::string> first
        = { "create", "--model", "disk/JKT", "--directions", "2", "--waves", "two.txt" };
    const std::vector<std::string> second = { "create", "--model", "disk/JKT", "--directions", "2",
        "--waves", "many.txt", "--overwrite" };
    const std::vector<std::string> import
        = { "scatter", "2", "--model", "disk/JKT", "--import", "cells.txt", "--overwrite" };

    TempDir roomy;
    prepare(roomy);
    ASSERT_EQ(RunQuorinBatch(roomy, first).status, 0);
    ASSERT_EQ(RunQuorinBatch(roomy, second).status, 0);
    const Files whole = DiskFiles(roomy);

    TempDir dir;
    const SmallDisk disk(dir, "512k");
    if (!disk.mounted())
        GTEST_SKIP() << "this machine does not allow mounting a small filesystem";
    prepare(dir);
    ASSERT_EQ(RunQuorinBatch(dir, first).status, 0);
    ASSERT_EQ(RunQuorinBatch(dir, import).status, 0);
    const Files before = DiskFiles(dir);

    const BatchRun stopped = RunQuorinBatch(dir, second);
    EXPECT_EQ(stopped.status, 1) << stopped.err;
    const std::string failed = FailedFile(stopped.err);
    EXPECT_NE(stopped.err.find(failed + ": No space left on device"), std::string::npos)
        << stopped.err;
    const Files after = DiskFiles(dir);
    expectNothingLost(before, whole, after, failed, "full disk");

    const std::string diagram = dir.read("disk/JKT.DBS2");
    disk.fill();
    dir.write("cells.txt", "9\t9\r\n");
    const BatchRun refused = RunQuorinBatch(dir, import);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("JKT.DBS2: No space left on device"), std::string::npos)
        << refused.err;
    EXPECT_EQ(dir.read("disk/JKT.DBS2"), diagram);
    EXPECT_EQ(DiskFiles(dir).size(), after.size()) << "no temporary file is left";
}

} // namespace
} // namespace quorin::test
