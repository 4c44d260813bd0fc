// quorin-batch on a real filesystem that runs out of room: a small tmpfs
// mounted for the test, where the machine allows mounting (CI runs as root).
#include "e2e/batchrunner.h"
#include "support/nothinglost.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quorin::test {
namespace {

// The files of the model's folder "disk", by name, filler left out. The
// digits of a load data file's "Date: ... Time: ..." line are zeroed: the
// runs compared are made seconds apart.
Files DiskFiles(const TempDir& dir)
{
    Files files;
    for (auto [name, bytes] : dir.files()) {
        if (!name.starts_with("disk/") || name == "disk/filler")
            continue;
        if (auto at = bytes.find("\r\nDate:"); at != std::string::npos)
            for (at += 2; at < bytes.size() && bytes[at] != '\r'; ++at)
                if (std::isdigit(static_cast<unsigned char>(bytes[at])))
                    bytes[at] = '0';
        files[name.substr(5)] = bytes;
    }
    return files;
}

// Two directions of two waves first, then of 100 default waves: 400 wave
// files do not fit in 512 KB. The second Create stops on the file that found
// no room; every file is then as before or as a whole run on a roomy disk
// writes it, except the wave file the failure names, which is written in
// place. A scatter diagram saved over on the full disk stays as it was.
TEST(FullDisk, RunsStopOnTheFileThatFoundNoRoomAndLoseNoOldFile)
{
    const std::vector<std::string> first
        = { "create", "--model", "disk/JKT", "--directions", "2", "--waves", "two.txt" };
    const std::vector<std::string> second = { "create", "--model", "disk/JKT", "--directions", "2",
        "--default-waves", "100,2.5,14,22", "--overwrite" };
    const std::vector<std::string> import
        = { "scatter", "2", "--model", "disk/JKT", "--import", "cells.txt", "--overwrite" };

    TempDir roomy, dir;
    const std::string disk = dir.file("disk");
    std::filesystem::create_directory(disk);
    if (std::system(("mount -t tmpfs -o size=512k quorin-test " + disk + " 2>/dev/null").c_str()))
        GTEST_SKIP() << "this machine does not allow mounting a small filesystem";
    const struct Unmount {
        std::string disk;
        ~Unmount() { [[maybe_unused]] const int done = std::system(("umount " + disk).c_str()); }
    } unmount { disk };
    for (const TempDir* model : { &roomy, &dir }) {
        model->write("disk/JKT.WAV", "");
        model->write("two.txt", "9.5\t12\t2\r\n1.25\t4.5\t1\r\n");
        model->write("cells.txt", "3\t4.5\r\n");
    }
    ASSERT_EQ(RunQuorinBatch(roomy, first).status, 0);
    ASSERT_EQ(RunQuorinBatch(roomy, second).status, 0);
    ASSERT_EQ(RunQuorinBatch(dir, first).status, 0);
    ASSERT_EQ(RunQuorinBatch(dir, import).status, 0);
    const Files before = DiskFiles(dir);

    const BatchRun stopped = RunQuorinBatch(dir, second);
    EXPECT_EQ(stopped.status, 1) << stopped.err;
    // "Could not write FILE: No space left on device..."
    const auto from = stopped.err.find("Could not write ");
    const auto to = stopped.err.find(": No space left on device");
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << stopped.err;
    const Files after = DiskFiles(dir);
    expectNothingLost(before, DiskFiles(roomy), after,
        stopped.err.substr(from + 16, to - from - 16), "full disk");

    const std::string diagram = dir.read("disk/JKT.DBS2");
    std::ofstream filler(disk + "/filler", std::ios::binary);
    while (filler << std::string(4096, 'x') << std::flush) { }
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
