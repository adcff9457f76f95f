// Reading and writing the largest level the editor holds (96 x 80 cells, 301
// buildings, 51 units): the pair from its bytes and back in memory, where the
// goal is well under a millisecond, and LoadLevel and SaveLevel with their
// file work, the flush to the disk included, which have no goal.
//
// Run in a Release build: level_files_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/headless/headless.h"
#include "input/editor_state.h"
#include "input/level_files.h"
#include "level/level_data.h"
#include "level/map_format.h"
#include "level/pair_reading.h"
#include "level/pair_writing.h"
#include "tools/demo_levels/demo_levels.h"

namespace {

constexpr int LargestLevel = DemoLevelCount - 1;

const DemoLevel& Largest() {
    static const std::unique_ptr<DemoLevel> level = BuildDemoLevel(LargestLevel);
    return *level;
}

const LevelFile& LargestMap() {
    static const LevelFile map{FileState::Read, "", DemoMapBytes(Largest())};
    return map;
}

const LevelFile& LargestEdt() {
    static const LevelFile edt{FileState::Read, "", DemoEdtBytes(Largest())};
    return edt;
}

void ParseLargestLevel(benchmark::State& state) {
    auto level = std::make_unique<Level>();
    for (auto _ : state) {
        const LevelReadReport report = ReadLevelPair(*level, LargestMap(), LargestEdt());
        benchmark::DoNotOptimize(report.edt.fileLevels.data());
        benchmark::DoNotOptimize(level->buildings.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(LargestMap().bytes.size() + LargestEdt().bytes.size()));
}

// What saving computes: the whole .edt and the four start bytes of the .map.
void SerialiseLargestLevel(benchmark::State& state) {
    auto level = std::make_unique<Level>();
    ReadLevelPair(*level, LargestMap(), LargestEdt());
    for (auto _ : state) {
        std::vector<uint8_t> edt = LevelEdtBytes(*level);
        benchmark::DoNotOptimize(edt.data());
        benchmark::DoNotOptimize(MapStartBytes(level->levelInfo.startX, level->levelInfo.startY));
        benchmark::ClobberMemory();
    }
}

// A temporary working folder holding the largest level's pair, for as long as
// one benchmark run lasts.
struct LevelFolder {
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path folder;

    LevelFolder() {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("level-bench-" + std::to_string(std::random_device{}()));
        std::error_code error;
        if (!std::filesystem::create_directory(path, error)) return;
        folder = path;
        std::filesystem::current_path(folder);
        char name[LevelFileNameSize];
        BuildLevelFileName(name, LargestLevel, ".map");
        Write(name, DemoMapBytes(Largest()));
        BuildLevelFileName(name, LargestLevel, ".edt");
        Write(name, DemoEdtBytes(Largest()));
        headless::Reset();
        ResetLevelRecords(currentLevel);
        ResetEditorState();
        ResetLevelFileNames();
        editorState.levelNumber = LargestLevel;
    }
    ~LevelFolder() {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    bool Ready() const { return !folder.empty(); }

    static void Write(const char* name, const std::vector<uint8_t>& bytes) {
        std::FILE* file = std::fopen(name, "wb");
        if (file == nullptr) return;
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
};

void LoadLevelFromFiles(benchmark::State& state) {
    LevelFolder folder;
    if (!folder.Ready()) return state.SkipWithError("no temporary folder");
    for (auto _ : state) {
        LoadLevel();
        headless::ClearMessages();
    }
    if (currentLevel.buildingCount != BuildingAddLimit + 1 || currentLevel.unitCount != UnitAddLimit + 1)
        state.SkipWithError("the level did not load whole");
}

void SaveLevelToFiles(benchmark::State& state) {
    LevelFolder folder;
    if (!folder.Ready()) return state.SkipWithError("no temporary folder");
    LoadLevel();
    for (auto _ : state) {
        SaveLevel();
        state.PauseTiming();
        const bool saved = headless::Messages().size() == 1 && headless::Messages()[0].text == LevelSavedText;
        headless::ClearMessages();
        state.ResumeTiming();
        if (!saved) return state.SkipWithError("the save failed");
    }
}

}  // namespace

// Medians over repetitions; the file benchmarks in wall time, since most of a
// save is waiting for the disk.
BENCHMARK(ParseLargestLevel)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(SerialiseLargestLevel)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(LoadLevelFromFiles)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(SaveLevelToFiles)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
