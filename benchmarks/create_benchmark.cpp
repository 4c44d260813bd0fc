// Times Create for 12 directions of 100 waves (dynamic with static
// improvement: 2,400 wave files, 3 combination files and a control file of
// about 42,000 lines) against the floor: the very same bytes written to the
// same number of files with plain open/write/close.
//
//   build/benchmarks/create_benchmark [repeats]

#include "common/gridmodel.h"
#include "mainform/commands.h"
#include "wavetable/wavegrid.h"

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

namespace {

class YesPrompter : public quorin::Prompter {
public:
    Answer ask(const std::string&, Buttons buttons, Icon, const std::string&) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class FixedClock : public quorin::Clock {
public:
    std::string shortDate() const override { return "06/12/2026"; }
    std::string timeOfDay() const override { return "09:05:07"; }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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

    quorin::GridModel waves(quorin::kWaveGridRows, quorin::kWaveGridCols);
    quorin::GridSetUp(waves);
    for (int r = 1; r <= 100; ++r) {
        const double period = 3.0 + 0.2 * r;
        waves.setText(r, 1, std::to_string(period * period * 1.56131 / 22));
        waves.setText(r, 2, std::to_string(period));
        waves.setText(r, 3, r % 3 ? "1" : "2");
    }
    quorin::MainInputs inputs;
    inputs.directionOption = 7;
    inputs.batchFile = (model / "JKT.BRSF").string();
    YesPrompter prompter;
    quorin::DiskFiles disk;
    FixedClock clock;

    std::vector<double> create, raw;
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 0; i < repeats; ++i) {
        quorin::RunSetup setup;
        setup.ModelName = (model / "JKT").string();
        setup.SpectrumType = "3";
        const auto start = Clock::now();
        const auto outcome
            = quorin::createCommand(inputs, waves, setup, { prompter, disk, clock, '.' });
        create.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        if (!outcome) {
            std::fprintf(stderr, "Create failed: %s\n", outcome.error().message.c_str());
            return 1;
        }
        if (files.empty()) {
            files = ReadAll(model);
            std::printf("%s\n", outcome->c_str());
        }
        raw.push_back(WriteFloor(floor, files));
    }
    std::size_t bytes = 0;
    for (const auto& file : files)
        bytes += file.second.size();
    const double createMedian = Median(create), rawMedian = Median(raw);
    std::printf("files: %zu, bytes: %zu, repeats: %d\n", files.size(), bytes, repeats);
    std::printf("Create median: %.1f ms\nfloor median:  %.1f ms\nratio:         %.2f\n",
        createMedian * 1e3, rawMedian * 1e3, createMedian / rawMedian);
    fs::remove_all(root);
    return 0;
}
