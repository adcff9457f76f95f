// Random level pairs as a modder's hex editor leaves them, through the level
// tool and through the editor: export then import must write exactly the bytes
// that loading then saving writes. Every level comes from its own seed, which
// a failure prints together with the level.
#include <cstdlib>
#include <random>
#include <sstream>

#include "level/byte_stream.h"
#include "level/pair_reading.h"
#include "level/pair_writing.h"
#include "level_tool_files.h"
#include "tools/level_tool/level_json.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int RandomLevelCount = 300;  // the sanitizer build runs thirty times slower
#else
constexpr int RandomLevelCount = 10000;
#endif
// These go through the files and the commands as well: the tool's export and
// import against the editor's LoadLevel and SaveLevel.
constexpr int ThroughTheFilesEvery = 500;

class RandomBytes {
  public:
    explicit RandomBytes(uint64_t seed) : engine(seed) {}

    int Below(int count) { return int(engine() % uint64_t(count)); }
    bool Chance(int percent) { return Below(100) < percent; }
    uint8_t Any() { return uint8_t(engine()); }
    void Fill(Bytes& bytes) {
        for (size_t i = 0; i < bytes.size(); i += 8) {
            const uint64_t eight = engine();
            for (size_t j = i; j < i + 8 && j < bytes.size(); ++j) bytes[j] = uint8_t(eight >> (8 * (j - i)));
        }
    }
    // Half the time a value the rules treat apart: empty, the first codes,
    // the kinds, the item ranges, the edges of a byte.
    uint8_t Telling() {
        static constexpr uint8_t values[] = {0,  0,  0,  1,   2,   3,   4,   5,   14,  15,  16,  18,  19,  22,
                                             24, 25, 29, 30,  34,  41,  45,  46,  100, 101, 102, 103, 104, 105,
                                             106, 107, 108, 127, 128, 250, 251, 254, 255};
        return Chance(50) ? values[Below(int(std::size(values)))] : Any();
    }
    uint8_t BuildingKind() {
        return Chance(80) ? uint8_t(BuildingKindRules[Below(int(std::size(BuildingKindRules)))].kind) : Any();
    }

  private:
    std::mt19937_64 engine;
};

// A slot with the given first byte; its other bytes are mostly zero, as the
// editor writes them, and sometimes anything.
void PutRandomSlot(Bytes& out, RandomBytes& random, uint8_t first) {
    out.push_back(first);
    const bool junk = random.Chance(20);
    for (int i = 1; i < SlotSize; ++i) out.push_back(junk ? random.Any() : (i == 1 ? random.Telling() : 0));
}

Bytes RandomEdt(RandomBytes& random) {
    Bytes edt(EdtHeaderSize);
    for (uint8_t& byte : edt) byte = random.Chance(50) ? 0 : random.Telling();
    // Now and then more objects than the editor's commands would add.
    const int buildings = random.Chance(97) ? random.Below(16) : random.Below(350);
    const int units = random.Chance(97) ? random.Below(16) : random.Below(80);
    for (int b = 0; b < buildings; ++b) {
        PutRandomSlot(edt, random, BuildingTag);
        PutRandomSlot(edt, random, random.BuildingKind());
        for (size_t slot = 2; slot < BuildingRecordSize / SlotSize; ++slot) PutRandomSlot(edt, random, random.Telling());
    }
    for (int u = 0; u < units; ++u) {
        PutRandomSlot(edt, random, UnitTag);
        for (size_t slot = 1; slot < UnitRecordSize / SlotSize; ++slot) PutRandomSlot(edt, random, random.Telling());
    }
    // The lists end at the end tag or at any other byte that is not a tag; a
    // building after the units ends them too.
    const int ending = random.Below(10);
    if (ending == 0) {
        edt.push_back(uint8_t(random.Chance(50) ? 0 : 250));
    } else if (ending == 1 && units > 0) {
        PutRandomSlot(edt, random, BuildingTag);
        edt.resize(edt.size() + BuildingRecordSize - SlotSize, 7);
    } else {
        edt.insert(edt.end(), EndTag.begin(), EndTag.end());
    }
    if (random.Chance(20))
        for (int i = random.Below(12); i > 0; --i) edt.push_back(random.Any());
    return edt;
}

// A .map of any size the editor takes, whole, with random bytes everywhere.
// Most are small, as the terrain only costs time here.
Bytes RandomMap(RandomBytes& random) {
    const int columns = 1 + (random.Chance(95) ? random.Below(16) : random.Below(MapGridColumns));
    const int rows = 1 + (random.Chance(95) ? random.Below(12) : random.Below(MapGridRows));
    Bytes map(size_t(MapFileSize(columns, rows)) + size_t(random.Chance(20) ? random.Below(40) : 0));
    random.Fill(map);
    map[MapColumnsOffset] = uint8_t(columns);
    map[MapRowsOffset] = uint8_t(rows);
    for (size_t cell = MapCellsOffset; cell + MapCellRecordSize <= size_t(MapFileSize(columns, rows));
         cell += MapCellRecordSize)
        if (random.Chance(50)) map[cell + 10] = 1;
    return map;
}

std::string Hex(const Bytes& bytes) {
    std::ostringstream out;
    out << std::hex;
    for (size_t i = 0; i < bytes.size(); ++i) out << (i % 32 == 0 ? "\n  " : " ") << int(bytes[i]);
    return out.str();
}

// Where two files first differ, for the failure message.
std::string FirstDifference(const Bytes& expected, const Bytes& actual) {
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    if (at == expected.size() && at == actual.size()) return "";
    return "first difference at byte " + std::to_string(at) + " of " + std::to_string(expected.size()) + " and " +
           std::to_string(actual.size());
}

class RandomLevels : public LevelFolder {
  protected:
    // Each file through the editor's load and save, and through the tool's
    // export and import, in memory; the level's description when they differ.
    static std::string InMemory(const Bytes& map, const Bytes& edt) {
        Level loaded;
        const MapReadReport mapRead = ReadMapBytes(loaded, map);
        ReadEdtBytes(loaded, edt);
        Bytes editorMap = map;
        PatchMapStart(editorMap, loaded.levelInfo.startX, loaded.levelInfo.startY);
        const Bytes editorEdt = LevelEdtBytes(loaded);

        const std::string json = LevelToJson(loaded);
        const LevelFromJsonResult imported = LevelFromJson(json);
        if (!imported.errors.empty()) return "import refused the export: " + imported.errors.front() + "\n" + json;
        Bytes toolMap = map;
        if (SavingChangesMapStart(mapRead, imported.level))
            PatchMapStart(toolMap, imported.level.levelInfo.startX, imported.level.levelInfo.startY);
        const std::string edtDifference = FirstDifference(editorEdt, LevelEdtBytes(imported.level));
        const std::string mapDifference = FirstDifference(editorMap, toolMap);
        if (edtDifference.empty() && mapDifference.empty()) return "";
        return "the .edt: " + edtDifference + "; the .map: " + mapDifference + "\n" + json;
    }

    // The same through the files and the commands.
    std::string ThroughTheFiles(const Bytes& map, const Bytes& edt) {
        std::filesystem::create_directories("tool");
        for (const std::string level : {"M04", "tool/M04"})
            if (!WriteWholeFile(level + ".map", map) || !WriteWholeFile(level + ".edt", edt)) return "cannot write";
        headless::ClearMessages();
        LoadLevelNumber(4);
        SaveLevel();
        const ToolRun exported = RunTool({"export", "tool/M04"});
        const ToolRun imported = RunTool({"import", "-", "tool/M04"}, exported.out);
        if (exported.status != 0 || imported.status != 0 || !imported.err.empty())
            return "the tool failed: " + exported.err + imported.err;
        if (MessageTexts() != std::vector<std::string>{std::string(LevelSavedText)}) return "the editor did not save";
        const std::string edtDifference = FirstDifference(ReadWholeFile("M04.edt"), ReadWholeFile("tool/M04.edt"));
        const std::string mapDifference = FirstDifference(ReadWholeFile("M04.map"), ReadWholeFile("tool/M04.map"));
        if (edtDifference.empty() && mapDifference.empty()) return "";
        return "through the files, the .edt: " + edtDifference + "; the .map: " + mapDifference;
    }
};

TEST_F(RandomLevels, ExportThenImportWritesWhatLoadThenSaveWrites) {
    const char* seedText = std::getenv("RANDOM_LEVELS_SEED");
    const uint64_t firstSeed = seedText != nullptr ? std::strtoull(seedText, nullptr, 10) : 20240613;
    int levels = 0;
    for (uint64_t seed = firstSeed; levels < RandomLevelCount; ++seed) {
        RandomBytes random(seed);
        const Bytes map = RandomMap(random);
        const Bytes edt = RandomEdt(random);
        // Files cut short are left out: their missing bytes read as -1, which no save writes.
        if (WalkEdtRecords(edt).ending != EdtEnding::EndTag && WalkEdtRecords(edt).ending != EdtEnding::StrayByte)
            continue;
        ++levels;
        std::string problem = InMemory(map, edt);
        if (problem.empty() && levels % ThroughTheFilesEvery == 0) problem = ThroughTheFiles(map, edt);
        if (!problem.empty())
            FAIL() << "seed " << seed << " (RANDOM_LEVELS_SEED=" << seed << " starts there): " << problem
                   << "\n.map of " << map.size()
                   << " bytes, its header:" << Hex(Bytes(map.begin(), map.begin() + MapCellsOffset))
                   << "\n.edt:" << Hex(edt);
    }
}

}  // namespace
