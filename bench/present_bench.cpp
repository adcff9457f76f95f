// What a hover costs to show: the real window (the SDL backend, on whatever X
// display DISPLAY names; bench/present_bench.sh starts a virtual one) over the
// largest demo level, at cell size 10 on the object page, while the pointer walks
// the map view cell by cell, each step to a neighbouring cell. Every move is
// painted as the editor paints it, then presented three ways in turn, in the
// same run: the whole frame (as every present was before presents were
// compared), only the changed rectangles, and the comparison alone, presenting
// nothing. Reports the pixels each move sends and the time of the present step.
//
// Usage: present_bench [--scale N] [--rounds N]   (a Release build; run by hand)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/editor.h"
#include "engine/frame_changes.h"
#include "engine/platform.h"
#include "engine/window_scale.h"
#include "input/editor_state.h"
#include "input/mouse.h"
#include "level/level_data.h"
#include "level/pair_reading.h"
#include "tools/demo_levels/demo_levels.h"

namespace {

enum class Mode { WholeFrame, ChangedRectangles, CompareOnly };
constexpr const char* ModeNames[] = {"whole frame", "changed rectangles", "comparison alone"};

struct Moves {
    std::vector<long long> pixels;
    std::vector<double> microseconds;
};

using Clock = std::chrono::steady_clock;

// The window's size, as a whole present gives it.
PixelSize windowSize;

bool LoadLargestDemoLevel() {
    const std::unique_ptr<DemoLevel> level = BuildDemoLevel(DemoLevelCount - 1);
    if (level == nullptr) return false;
    const LevelReadReport report = ReadLevelPair(currentLevel, LevelFile{FileState::Read, "", DemoMapBytes(*level)},
                                                 LevelFile{FileState::Read, "", DemoEdtBytes(*level)});
    if (!report.map.Taken() || !report.edt.Read()) return false;
    editorState.mapLoaded = editorState.edtLoaded = true;
    ResetMapScroll();
    return true;
}

// Hands the events waiting to the editor, until none has come for a while: the
// window is then on screen and exposed.
void TakeEvents() {
    platform::Event event;
    const uint32_t start = platform::Ticks();
    while (platform::WaitEvent(event, 200) && platform::Ticks() - start < 5000) editorEngine->RouteEvent(event);
}

// The centre of each cell of the view, row by row, every other row walked
// backwards: each step goes to a neighbouring cell.
std::vector<std::pair<int, int>> WalkOverTheView() {
    constexpr int ViewCells = 64, CellSize = 10;
    std::vector<std::pair<int, int>> walk;
    for (int row = 0; row < ViewCells; ++row)
        for (int step = 0; step < ViewCells; ++step) {
            const int column = row % 2 == 0 ? step : ViewCells - 1 - step;
            walk.push_back({column * CellSize + CellSize / 2, row * CellSize + CellSize / 2});
        }
    return walk;
}

void Walk(Mode mode, const std::vector<std::pair<int, int>>& walk, Moves& moves) {
    FrameChanges comparison;
    platform::PresentWholeFrames(mode == Mode::WholeFrame);
    // Every walk starts from its first point, presented before the timing starts.
    HandleMouseMove(walk.front().first, walk.front().second);
    Repaint();
    if (mode == Mode::WholeFrame && !platform::LastPresentAreas().empty())
        windowSize = {platform::LastPresentAreas()[0].right, platform::LastPresentAreas()[0].bottom};
    comparison.Take(offscreenFrame, UnscaledDpi);
    for (size_t i = 1; i < walk.size(); ++i) {
        if (!HandleMouseMove(walk[i].first, walk[i].second)) continue;
        OnPaint(offscreenFrame);
        const Clock::time_point start = Clock::now();
        if (mode == Mode::CompareOnly) comparison.Take(offscreenFrame, UnscaledDpi);
        else platform::Present(offscreenFrame);
        const Clock::time_point end = Clock::now();
        long long pixels = 0;
        if (mode != Mode::CompareOnly)
            for (const PixelRect& area : platform::LastPresentAreas())
                pixels += 1LL * (area.right - area.left) * (area.bottom - area.top);
        moves.pixels.push_back(pixels);
        moves.microseconds.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    platform::PresentWholeFrames(false);
}

template <typename T>
T Percentile(std::vector<T> values, double fraction) {
    if (values.empty()) return T{};
    const size_t at = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(at), values.end());
    return values[at];
}

int ArgumentAfter(int argc, char** argv, std::string_view name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (name == argv[i]) return std::atoi(argv[i + 1]);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int scale = ArgumentAfter(argc, argv, "--scale", 0);
    const int rounds = std::max(1, ArgumentAfter(argc, argv, "--rounds", 3));
    if (!EditorInitialize(nullptr)) return 1;
    editorEngine->SetRequestedScale(scale);
    if (!editorEngine->CreateMainWindow(1)) {
        std::fprintf(stderr, "present_bench: no window (is DISPLAY an X display?)\n");
        return 1;
    }
    TakeEvents();
    if (!LoadLargestDemoLevel()) {
        std::fprintf(stderr, "present_bench: the largest demo level did not load\n");
        return 1;
    }
    editorState.cellSize = 10;
    const std::vector<std::pair<int, int>> walk = WalkOverTheView();
    // The modes take turns, so that whatever else the machine does falls on all three.
    Moves moves[3];
    for (int round = 0; round < rounds; ++round)
        for (const Mode mode : {Mode::WholeFrame, Mode::ChangedRectangles, Mode::CompareOnly})
            Walk(mode, walk, moves[int(mode)]);

    const double windowPixels = double(windowSize.width) * double(windowSize.height);
    std::printf("%zu moves a walk (%zu painted), %d walks each way, window %d x %d\n", walk.size() - 1,
                moves[0].pixels.size() / size_t(rounds), rounds, windowSize.width, windowSize.height);
    std::printf("%-20s %22s %22s %31s\n", "", "pixels a move: median", "worst", "present step, us: median p90 worst");
    for (int mode = 0; mode < 3; ++mode) {
        const Moves& m = moves[mode];
        if (Mode(mode) == Mode::CompareOnly) {
            std::printf("%-20s %22s %22s", ModeNames[mode], "-", "-");
        } else {
            const long long median = Percentile(m.pixels, 0.5);
            const long long worst = m.pixels.empty() ? 0 : *std::max_element(m.pixels.begin(), m.pixels.end());
            std::printf("%-20s %12lld (%5.2f%%) %12lld (%5.2f%%)", ModeNames[mode], median,
                        100.0 * double(median) / windowPixels, worst, 100.0 * double(worst) / windowPixels);
        }
        std::printf(" %24.0f %5.0f %6.0f\n", Percentile(m.microseconds, 0.5), Percentile(m.microseconds, 0.9),
                    m.microseconds.empty() ? 0.0 : *std::max_element(m.microseconds.begin(), m.microseconds.end()));
    }
    editorEngine->RouteEvent({platform::EventType::Close});
    return 0;
}
