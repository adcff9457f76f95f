// What must hold for any bytes given to `tarnhold-level import` as the JSON
// document, into a level folder holding a good pair: the tool answers 0 or 1
// and never crashes; a refused document writes nothing, the pair keeps its
// bytes and no other file appears; an accepted one changes no byte of the
// .map but its start and writes an .edt that reads whole and, exported and
// imported again, gives what the editor's load and save of it give. Shared by
// the fuzz target and the unit test that replays its corpus.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "level/edt_format.h"
#include "level/map_format.h"
#include "level/pair_reading.h"
#include "level/pair_writing.h"
#include "tools/level_tool/command_line.h"
#include "tools/level_tool/level_json.h"

namespace fuzz_checks {

// The level pair M01 in a folder of this process's own, on tmpfs where there
// is one, since every document imported is synced to the disk.
class ImportFolder {
  public:
    ImportFolder() {
        std::error_code ignored;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "fuzz_import_XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) folder = pattern;
        LevelInfo info{};
        info.credits[0] = 4000;
        info.limitEnabled = 1;
        info.limitTime = 20;
        Building factory{};
        ApplyBuildingKind(factory, KindLightFactory);
        factory.x = 3;
        factory.y = 4;
        edt = WriteEdt(info, std::vector<Building>{factory}, std::vector<Unit>{{7, 1, 9, 9}});
        map.assign(size_t(MapFileSize(24, 18)) + 3, 0x20);
        map[MapColumnsOffset] = 24;
        map[MapRowsOffset] = 18;
        map[MapStartXOffset] = 64;
    }
    ~ImportFolder() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }

    std::filesystem::path folder;
    std::vector<uint8_t> map, edt;
};

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool PutFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

inline std::string CheckWrittenPair(const ImportFolder& pair, const std::vector<uint8_t>& map,
                                    const std::vector<uint8_t>& edt) {
    if (map.size() != pair.map.size()) return "import changed the size of the .map";
    for (size_t i = 0; i < map.size(); ++i)
        if (map[i] != pair.map[i] && i != 5 && i != 6 && i != 9 && i != 10) return "import changed the .map's terrain";
    const EdtLayout layout = WalkEdtRecords(edt);
    if (layout.ending != EdtEnding::EndTag || edt.size() != EdtFileSize(layout.buildingRecords, layout.unitRecords))
        return "the .edt written does not read whole";

    const auto level = std::make_unique<Level>();
    const LevelReadReport read =
        ReadLevelPair(*level, LevelFile{FileState::Read, "", map}, LevelFile{FileState::Read, "", edt});
    const LevelFromJsonResult again = LevelFromJson(LevelToJson(*level));
    if (!again.errors.empty()) return "the level written does not import again: " + again.errors.front();
    if (LevelEdtBytes(again.level) != LevelEdtBytes(*level) ||
        SavingChangesMapStart(read.map, again.level) != SavingChangesMapStart(read.map, *level))
        return "the level written, exported and imported again, differs from its load and save";
    return "";
}

inline std::string CheckImportInput(std::span<const uint8_t> bytes) {
    static const ImportFolder pair;
    if (pair.folder.empty()) return "";  // nowhere to import into
    const std::filesystem::path mapPath = pair.folder / "M01.map", edtPath = pair.folder / "M01.edt";
    if (!PutFile(mapPath, pair.map) || !PutFile(edtPath, pair.edt)) return "";

    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::ostringstream out, err;
    const int status = RunLevelTool({"import", "-", (pair.folder / "M01").string()}, in, out, err);

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(pair.folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    if (names != std::vector<std::string>{"M01.edt", "M01.map"}) return "import left a file beside the pair";
    const std::vector<uint8_t> map = FileBytes(mapPath), edt = FileBytes(edtPath);
    if (status == Failed) {
        if (map != pair.map || edt != pair.edt) return "a refused document changed the pair";
        return err.str().empty() ? "a document refused without a word" : "";
    }
    if (status != Succeeded) return "import answered " + std::to_string(status);
    return CheckWrittenPair(pair, map, edt);
}

}  // namespace fuzz_checks
