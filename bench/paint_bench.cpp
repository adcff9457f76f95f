// Composing the whole frame is the editor's hot path: every mouse move repaints.
// Measured here on the object page at the smallest zoom over the largest level,
// with a factory selected and the pointer over a button, next to a memset of the
// frame as the yardstick of the machine's memory speed.
#include <benchmark/benchmark.h>

#include <cstring>
#include <iterator>

#include "bench/largest_level.h"
#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "editor/editor.h"
#include "engine/frame_scaling.h"
#include "engine/game_engine.h"
#include "engine/headless/headless.h"
#include "engine/window_scale.h"

namespace {

// A started editor over the largest level, with a medium factory selected.
void StartEditorOverLargestLevel() {
    headless::Reset();
    ResetEditorGlobals();
    EditorInitialize(nullptr);
    editorEngine->CreateMainWindow(1);
    FillLargestLevel();
    constexpr int32_t Factory = 8;  // a heavy factory with five researchable levels
    editorState.selectedIndex = Factory;
    editorState.selectedIsUnit = false;
    const Rect loadButton = FindControl(LoadLevelId)->GetRect();
    editorState.lastMouseX = loadButton.left + 5;
    editorState.lastMouseY = loadButton.top + 5;
}

void PaintObjectPage(benchmark::State& state) {
    StartEditorOverLargestLevel();
    editorState.cellSize = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        OnPaint(offscreenFrame);
        benchmark::DoNotOptimize(offscreenFrame.Row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintObjectPage)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);

void PaintInformationPage(benchmark::State& state) {
    StartEditorOverLargestLevel();
    editorState.infoMode = true;
    for (auto _ : state) {
        OnPaint(offscreenFrame);
        benchmark::DoNotOptimize(offscreenFrame.Row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintInformationPage)->Unit(benchmark::kMicrosecond);

// What presenting adds on a high-DPI screen: the painted frame scaled to the
// window, at the scale given as a DPI (144 is 1.5, 192 is 2).
void ScaleFrameToWindow(benchmark::State& state) {
    StartEditorOverLargestLevel();
    OnPaint(offscreenFrame);
    const PixelSize size = ScaledSize({offscreenFrame.Width(), offscreenFrame.Height()}, int(state.range(0)));
    std::vector<Colour> window(size_t(size.width) * size_t(size.height));
    for (auto _ : state) {
        ScaleFrame(offscreenFrame, window.data(), size.width, size.height, size_t(size.width) * sizeof(Colour));
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ScaleFrameToWindow)->Arg(120)->Arg(144)->Arg(192)->Arg(288)->Unit(benchmark::kMicrosecond);

// The yardstick: writing every pixel of the frame once.
void MemsetFrame(benchmark::State& state) {
    StartEditorOverLargestLevel();
    const size_t bytes = size_t(offscreenFrame.Width()) * size_t(offscreenFrame.Height()) * sizeof(Colour);
    int value = 0;
    for (auto _ : state) {
        std::memset(offscreenFrame.Row(0), ++value & 0xFF, bytes);
        benchmark::DoNotOptimize(offscreenFrame.Row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemsetFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
