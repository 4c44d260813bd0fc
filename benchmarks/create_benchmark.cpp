// Times Create for 12 directions of 100 waves (dynamic with static
// improvement: 2,400 wave files, 3 combination files and a control file of
// about 42,000 lines) against the floor: the very same bytes written to the
// same number of files with plain open/write/close. Then its dry run against
// the files just written: with the same inputs (every file the same), and
// with another damping (the control file differs in 4,800 lines), and the
// real run as the main view makes it, recording what changed.
//
//   build/benchmarks/create_benchmark [repeats]

#include "benchplatform.h"
#include "common/comparingfiles.h"
#include "common/gridmodel.h"
#include "mainform/commands.h"
#include "mainform/runchanges.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using bench::FixedClock;
using bench::Median;
using bench::YesPrompter;

namespace {

std::vector<std::pair<std::string, std::string>> ReadAll(const fs::path& dir)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == ".WAV")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(entry.path().filename().string(),
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    return files;
}

double WriteFloor(
    const fs::path& dir, const std::vector<std::pair<std::string, std::string>>& files)
{
    const auto start = Clock::now();
    for (const auto& [name, content] : files) {
        const int fd = ::open((dir / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0
            || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
            std::perror(name.c_str());
        ::close(fd);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const fs::path root
        = fs::temp_directory_path() / ("quorin-bench-" + std::to_string(::getpid()));
    const fs::path model = root / "model";
    const fs::path floor = root / "floor";
    fs::create_directories(model);
    fs::create_directories(floor);
    std::ofstream(model / "JKT.WAV").close();

    const quorin::GridModel waves = bench::HundredWaves();
    quorin::MainInputs inputs;
    inputs.directionOption = 7;
    inputs.batchFile = (model / "JKT.BRSF").string();
    YesPrompter prompter;
    quorin::DiskFiles disk;
    FixedClock clock;

    // One Create on the layer given; with a comparing layer, telling what it
    // changed is part of the time.
    struct Timed {
        double seconds;
        quorin::Result<std::string> outcome;
        quorin::FileChanges changes;
    };
    const auto run = [&](const quorin::MainInputs& in, quorin::FileLayer& files,
                         const quorin::ComparingFiles* comparing) {
        quorin::RunSetup setup;
        setup.ModelName = (model / "JKT").string();
        setup.SpectrumType = "3";
        const auto start = Clock::now();
        Timed timed { 0, quorin::createCommand(in, waves, setup, { prompter, files, clock, '.' }),
            {} };
        if (comparing)
            timed.changes = quorin::changesOf(*comparing);
        timed.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!timed.outcome)
            std::fprintf(stderr, "Create failed: %s\n", timed.outcome.error().message.c_str());
        return timed;
    };
    const auto dryRun = [&](const quorin::MainInputs& in) {
        quorin::ComparingFiles files(disk, quorin::ComparingFiles::Mode::DryRun);
        return run(in, files, &files);
    };
    quorin::MainInputs otherDamping = inputs;
    otherDamping.damping = "4";

    std::vector<double> create, raw, dry, dryDamping, recording;
    std::vector<std::pair<std::string, std::string>> files;
    std::string summaries;
    for (int i = 0; i < repeats; ++i) {
        const Timed real = run(inputs, disk, nullptr);
        if (!real.outcome)
            return 1;
        create.push_back(real.seconds);
        if (files.empty()) {
            files = ReadAll(model);
            std::printf("%s\n", real.outcome->c_str());
        }
        raw.push_back(WriteFloor(floor, files));
    }
    // Apart from the loop above, so that their writing leaves Create and the
    // floor alike.
    for (int i = 0; i < repeats; ++i) {
        const Timed same = dryRun(inputs);
        const Timed damping = dryRun(otherDamping);
        quorin::ComparingFiles writing(disk, quorin::ComparingFiles::Mode::Write);
        recording.push_back(run(inputs, writing, &writing).seconds);
        dry.push_back(same.seconds);
        dryDamping.push_back(damping.seconds);
        if (i == 0)
            summaries = "dry run, same inputs:   " + quorin::changeSummary(same.changes)
                + "\ndry run, other damping: " + quorin::changeSummary(damping.changes) + "\n";
    }
    std::size_t bytes = 0;
    for (const auto& file : files)
        bytes += file.second.size();
    const double createMedian = Median(create), rawMedian = Median(raw);
    std::printf("files: %zu, bytes: %zu, repeats: %d\n", files.size(), bytes, repeats);
    std::printf("Create median: %.1f ms\nfloor median:  %.1f ms\nratio:         %.2f\n",
        createMedian * 1e3, rawMedian * 1e3, createMedian / rawMedian);
    std::printf("%s", summaries.c_str());
    const std::pair<const char*, double> compared[] = {
        { "dry run, same inputs", Median(dry) },
        { "dry run, other damping", Median(dryDamping) },
        { "Create recording changes", Median(recording) },
    };
    for (const auto& [name, median] : compared)
        std::printf("%-26s %.1f ms, %.2f x Create\n", name, median * 1e3, median / createMedian);
    fs::remove_all(root);
    return 0;
}
