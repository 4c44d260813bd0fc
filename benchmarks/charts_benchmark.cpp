// Times what a paste of a whole table costs the displays around it, against
// the 16 ms of one frame: in the scatter diagram editor, a full 25 x 18 body
// pasted, then its shading, totals and legend worked out and painted; in the
// main view, 100 waves pasted, then the wave chart and the facts line worked
// out and painted. Runs offscreen unless a platform is asked for.
//
//   build/benchmarks/charts_benchmark [repeats]

#include "common/qt/desktopplatform.h"
#include "common/qt/gridview.h"
#include "mainform/frmmain.h"
#include "mainform/wavechartpanel.h"
#include "scatter/frmeditgrid.h"
#include "wavetable/wavegrid.h"

#include <QApplication>
#include <QChartView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Times {
    double wall; // ms, median
    double cpu; // ms of this thread's processor time, median: what a busy machine does not inflate
};

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

Times measure(int repeats, const std::function<void(int)>& run)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = threadCpuMs();
        run(i);
        cpu.push_back(threadCpuMs() - startCpu);
        wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return { median(wall), median(cpu) };
}

// A whole body as range text; each repeat pastes other numbers.
std::string block(
    int rows, int cols, int seed, const std::function<std::string(int, int, int)>& cell)
{
    std::string text;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c)
            text += cell(r, c, seed) + (c < cols ? "\t" : "");
        text += r < rows ? "\r" : "";
    }
    return text;
}

// What follows the paste before and with the next paint: the shading, the
// totals, the chart, then the paint itself.
void frame()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

void paste(quorin::GridModel& grid, int rows, int cols, const std::string& text)
{
    grid.setCurrent(1, 1);
    grid.setSelectionEnd(rows, cols);
    grid.setRangeText(text);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    quorin::DesktopPlatform desktop;
    const quorin::Platform platform = desktop.platform();

    quorin::GridEdit store;
    quorin::frmEditGrid editor(store, { "BENCH", "3" }, platform);
    editor.show();
    QApplication::processEvents();
    quorin::GridView& grid = *editor.gridView();
    const Times scatter = measure(repeats, [&](int i) {
        paste(grid.gridModel(), 25, 18, block(25, 18, i, [](int r, int c, int seed) {
            return std::to_string((r * 37 + c * 11 + seed) % 400);
        }));
        frame();
    });

    quorin::Session session;
    quorin::frmMain view(session, platform);
    view.show();
    view.showWaveChart(true);
    QApplication::processEvents();
    session.setup.NoOfWaves = quorin::kWaveRowCount;
    const Times chart = measure(repeats, [&](int i) {
        paste(session.waves, quorin::kWaveRowCount, 3,
            block(quorin::kWaveRowCount, 3, i, [](int r, int c, int seed) {
                const double period = 2.5 + 0.12 * r + 0.01 * seed;
                const double height = period * period * 1.56131 / 22;
                return c == 1 ? std::to_string(height)
                    : c == 2  ? std::to_string(period)
                              : std::string(height < 3 ? "1" : "2");
            }));
        frame();
    });

    std::printf("scatter editor, 25 x 18 body pasted, shaded, totalled and painted: "
                "%.2f ms (processor %.2f ms)\n",
        scatter.wall, scatter.cpu);
    std::printf("main view, 100 waves pasted, charted and painted: %.2f ms (processor %.2f ms)\n",
        chart.wall, chart.cpu);
    std::printf("medians of %d, limit 16 ms of processor time each\n", repeats);
    return scatter.cpu < 16 && chart.cpu < 16 ? 0 : 1;
}
