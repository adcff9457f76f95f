// The checks. The pair is read by the editor's own reader, whose report says
// where a file is cut short or where the editor stops reading, and the values
// are those the editor loads, so a finding is about what the editor really
// sees.
#include "tools/level_tool/level_check.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <map>
#include <span>
#include <utility>

#include "engine/platform_files.h"
#include "level/edt_format.h"
#include "level/pair_reading.h"
#include "level/value_ranges.h"
#include "tools/level_tool/kind_labels.h"
#include "tools/level_tool/level_argument.h"

namespace {

// The add commands stop at one past their limits.
constexpr int32_t MostBuildings = BuildingAddLimit + 1;
constexpr int32_t MostUnits = UnitAddLimit + 1;

struct Findings {
    std::vector<Finding>& list;
    std::string file;

    void Add(Severity severity, std::string object, std::string message) {
        list.push_back({file, severity, std::move(object), std::move(message)});
    }
    void Error(std::string message) { Add(Severity::Error, "", std::move(message)); }
    void Error(const std::string& object, std::string message) { Add(Severity::Error, object, std::move(message)); }
    void Warning(const std::string& object, std::string message) { Add(Severity::Warning, object, std::move(message)); }

    // value within lowest..highest, or a finding "what is V, outside L..H".
    void Range(const std::string& object, const std::string& what, int32_t value, int32_t lowest, int32_t highest,
               const std::string& why = "") {
        if (value >= lowest && value <= highest) return;
        Error(object, what + " is " + std::to_string(value) + ", outside " + std::to_string(lowest) + ".." +
                          std::to_string(highest) + why);
    }
};

std::string Plural(size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Numbered(const char* what, size_t n) { return std::string(what) + " " + std::to_string(n); }

// ---- the .map

// The map's size when the editor takes it.
std::optional<MapHeader> CheckMap(const MapReadReport& map, const std::string& path, std::vector<Finding>& list) {
    Findings findings{list, path};
    const MapHeader& header = map.header;
    if (map.check == MapSizeCheck::HeaderCut) {
        findings.Error("cut short: " + MapRefusalText(map));
        return std::nullopt;
    }
    if (map.Refused()) {
        findings.Error("the editor refuses this map: " + MapRefusalText(map));
        return std::nullopt;
    }
    if (map.CellsCutShort())
        findings.Error("cut short: " + std::to_string(map.size) + " bytes, but " + std::to_string(header.columns) +
                       " x " + std::to_string(header.rows) + " cells need " +
                       std::to_string(MapFileSize(header.columns, header.rows)) +
                       "; the editor reads the missing cells as plain ground");
    // The game's screen shows 20 x 15 cells, and the start position keeps it on the map.
    findings.Range("", "start column", header.startX, 0, std::max(0, header.columns - GameScreenColumns),
                   " (the game's screen is " + std::to_string(GameScreenColumns) + " columns wide)");
    findings.Range("", "start row", header.startY, 0, std::max(0, header.rows - GameScreenRows),
                   " (the game's screen is " + std::to_string(GameScreenRows) + " rows high)");
    return header;
}

// ---- the .edt: its structure

// A file that ends inside a record or before its end tag, a record the editor
// stops at, and bytes after the end tag.
void CheckEdtLayout(const EdtReadReport& edt, Findings& findings) {
    const EdtLayout& layout = edt.layout;
    const size_t left = edt.size - layout.endOffset;
    switch (layout.ending) {
    case EdtEnding::HeaderCut:
        findings.Error("cut short: " + std::to_string(edt.size) + " bytes, but the header alone takes " +
                       std::to_string(EdtHeaderSize));
        return;
    case EdtEnding::RecordCut: {
        // The units are walked only after the last whole building.
        const bool unit = layout.unitRecords > 0;
        findings.Error(unit ? Numbered("unit", layout.unitRecords) : Numbered("building", layout.buildingRecords),
                       "cut short: the file ends inside this record (" + std::to_string(left) + " of " +
                           std::to_string(unit ? UnitRecordSize : BuildingRecordSize) + " bytes)");
        return;
    }
    case EdtEnding::EndTag:
        if (left > EndTag.size())
            findings.Warning("", Plural(left - EndTag.size(), "byte", "bytes") +
                                     " after the end tag; the editor does not read them and saving drops them");
        return;
    case EdtEnding::EndTagCut:
        findings.Error("cut short: the file ends " + std::string(left == 0 ? "before" : "inside") + " its end tag, after " +
                       Plural(layout.buildingRecords, "building", "buildings") + " and " +
                       Plural(layout.unitRecords, "unit", "units"));
        return;
    case EdtEnding::StrayByte: {
        const std::string what = layout.strayByte == BuildingTag
                                     ? std::string("a building record after the units")
                                     : "byte " + std::to_string(layout.strayByte) + ", neither a record tag nor the end tag,";
        findings.Error(what + " at offset " + std::to_string(layout.endOffset) +
                       ": the editor stops reading there and saving drops the " + Plural(left, "byte", "bytes") +
                       " from there on");
        return;
    }
    }
}

// ---- the .edt: the mission information

void CheckMission(const LevelInfo& info, Findings& findings) {
    const auto bothSides = [&](const std::string& what, const int32_t (&values)[2], int32_t highest) {
        for (int side = 0; side < 2; ++side)
            findings.Range("", what + " of side " + std::to_string(side), values[side], 0, highest);
    };
    bothSides("credits", info.credits, CreditsCap);
    bothSides("research points", info.researchPoints, ResearchPointsCap);
    for (int type = 0; type < AirForceTypes; ++type) bothSides(AirForceLabels[type], info.airForces[type], MostAirForces);
    for (int tower = 0; tower < TowerKinds; ++tower)
        bothSides("tower switch for " + BuildingKindLabel(KindSmallTower + tower), info.towersAllowed[tower], 1);
    bothSides("PVT switch", info.pvtFlag, 1);
    findings.Range("", "limit switch", info.limitEnabled, 0, 1);
    // A limit that is off is saved as zeros, whatever the file holds.
    if (info.limitEnabled == 0) return;
    findings.Range("", "limit time", info.limitTime, 0, LongestLimitTime);
    findings.Range("", "limit type", info.limitType, 0, LastLimitType);
}

// ---- the .edt: buildings

using ProductionLevelValues = std::array<int32_t, ProductionLevels>;

// "4, 0, 7, 0, 0": production levels 1..5.
std::string LevelList(const ProductionLevelValues& levels) {
    std::string list;
    for (size_t level = 0; level < ProductionLevels; ++level)
        list += (level > 0 ? ", " : "") + std::to_string(levels[level]);
    return list;
}

// The levels as saving writes them, a byte each.
ProductionLevelValues SavedLevels(const Building& building) {
    ProductionLevelValues levels{};
    for (int level = 1; level <= ProductionLevels; ++level)
        levels[size_t(level - 1)] = uint8_t(SavedProducedItem(building, level));
    return levels;
}

std::string KindOf(int32_t kind) { return " for " + BuildingKindLabel(kind); }

void CheckProduction(const Building& building, const ProductionLevelValues& fileLevels, const std::string& object,
                     Findings& findings) {
    const int32_t kind = building.kind;
    // The editor counts the levels that are not empty; one after an empty
    // level is then beyond the count, and saving moves or drops it.
    const auto firstEmpty = std::find(fileLevels.begin(), fileLevels.end(), 0);
    if (std::any_of(firstEmpty, fileLevels.end(), [](int32_t item) { return item != 0; })) {
        findings.Error(object, "production levels " + LevelList(fileLevels) + " have a gap: the editor takes " +
                                   Plural(size_t(building.researchable), "level", "levels") +
                                   " in use and saving writes " + LevelList(SavedLevels(building)));
    }
    findings.Range(object, "researchable", building.researchable, 0, MaxResearchable(kind), KindOf(kind));
    findings.Range(object, "researched", building.researched, 0, building.researchable,
                   " (the levels in use)");
    const BuildingKindRule& rule = BuildingKindRuleOf(kind);
    const int32_t used = std::min(building.researchable, int32_t(ProductionLevels));
    for (int level = 1; level <= used; ++level) {
        const int32_t item = building.produced[level];
        const std::string slot = "production level " + std::to_string(level) + " ";
        if (item < rule.firstItem || item > rule.lastItem) {
            findings.Error(object, slot + "item " + std::to_string(item) + " is not one of " +
                                       std::to_string(rule.firstItem) + ".." + std::to_string(rule.lastItem) +
                                       KindOf(kind));
        } else if (IsFactoryKind(kind) && UnitWeightClass(item) > FactoryClassCount(kind)) {
            findings.Error(object, slot + "item " + ItemLabel(item) + " is a class-" +
                                       std::to_string(UnitWeightClass(item)) + " unit, but " +
                                       BuildingKindLabel(kind) + " builds classes 1.." +
                                       std::to_string(FactoryClassCount(kind)));
        }
    }
}

struct Area {
    int32_t x, y, width, height;
};

bool Overlap(const Area& a, const Area& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

void CheckBuildings(std::span<const Building> buildings, const EdtReadReport& edt,
                    const std::optional<MapHeader>& map, Findings& findings) {
    for (size_t i = 0; i < buildings.size(); ++i) {
        const Building& building = buildings[i];
        const std::string object = Numbered("building", i + 1);
        if (!IsKnownBuildingKind(building.kind)) {
            findings.Error(object, "kind " + std::to_string(building.kind) +
                                       " is not a building kind (25..29, 100..108)");
        } else {
            const int32_t highestSide = HasProduction(building.kind) ? NeutralSide : 1;
            findings.Range(object, "side", building.side, 0, highestSide, KindOf(building.kind));
            if (HasProduction(building.kind)) CheckProduction(building, edt.fileLevels.at(i), object, findings);
        }
        findings.Range(object, "satellite protection", building.satelliteProtection, 0, 1);
        findings.Range(object, "health percent", building.healthPercent, 0, FullHealthPercent);
        if (map && (building.x + building.width > map->columns || building.y + building.height > map->rows))
            findings.Error(object, BuildingKindLabel(building.kind) + " at " + std::to_string(building.x) + ", " +
                                       std::to_string(building.y) + " covers " + std::to_string(building.width) +
                                       " x " + std::to_string(building.height) + " cells and reaches past the " +
                                       std::to_string(map->columns) + " x " + std::to_string(map->rows) + " map");
    }
    for (size_t i = 0; i < buildings.size(); ++i)
        for (size_t j = 0; j < i; ++j) {
            const Building& a = buildings[i];
            const Building& b = buildings[j];
            if (Overlap({a.x, a.y, a.width, a.height}, {b.x, b.y, b.width, b.height}))
                findings.Warning(Numbered("building", i + 1), "overlaps building " + std::to_string(j + 1));
        }
}

void CheckUnits(std::span<const Unit> units, const std::optional<MapHeader>& map, Findings& findings) {
    std::map<std::pair<int32_t, int32_t>, size_t> firstOnCell;
    for (size_t i = 0; i < units.size(); ++i) {
        const Unit& unit = units[i];
        const std::string object = Numbered("unit", i + 1);
        const bool knownKind = (unit.kind >= FirstFamilyUnitKind && unit.kind <= LastFamilyUnitKind) ||
                               (unit.kind >= FirstSingleUnitKind && unit.kind <= LastSingleUnitKind);
        if (!knownKind)
            findings.Error(object, "kind " + std::to_string(unit.kind) + " is not a unit kind (1..15, 40..46)");
        findings.Range(object, "side", unit.side, 0, 1);
        if (map && (unit.x >= map->columns || unit.y >= map->rows))
            findings.Error(object, "cell " + std::to_string(unit.x) + ", " + std::to_string(unit.y) + " is off the " +
                                       std::to_string(map->columns) + " x " + std::to_string(map->rows) + " map");
        const auto [place, first] = firstOnCell.try_emplace({unit.x, unit.y}, i + 1);
        if (!first)
            findings.Warning(object, "on the same cell " + std::to_string(unit.x) + ", " + std::to_string(unit.y) +
                                         " as unit " + std::to_string(place->second));
    }
}

void CheckEdt(const EdtReadReport& edt, const Level& level, const std::string& path,
              const std::optional<MapHeader>& map, std::vector<Finding>& list) {
    Findings findings{list, path};
    CheckEdtLayout(edt, findings);
    if (edt.layout.ending == EdtEnding::HeaderCut) return;
    CheckMission(level.levelInfo, findings);
    const std::span<const Building> buildings = LevelBuildings(level);
    const std::span<const Unit> units = LevelUnits(level);
    if (buildings.size() > size_t(MostBuildings))
        findings.Error(Plural(buildings.size(), "building", "buildings") + "; the editor keeps at most " +
                       std::to_string(MostBuildings));
    if (units.size() > size_t(MostUnits))
        findings.Error(Plural(units.size(), "unit", "units") + "; the editor keeps at most " +
                       std::to_string(MostUnits));
    CheckBuildings(buildings, edt, map, findings);
    CheckUnits(units, map, findings);
}

// A file of the pair as the check names it, and what it says when the file
// could not be read.
struct CheckedFile {
    std::string path;
    std::string unreadable;
};

// A file of the pair that cannot be checked: missing, or unreadable.
bool Present(FileState state, const CheckedFile& file, const CheckedFile& other, std::vector<Finding>& list) {
    if (state == FileState::Read) return true;
    Findings findings{list, file.path};
    if (state == FileState::Unreadable)
        findings.Error(file.unreadable);
    else
        findings.Error("missing; the level has " + other.path + " but no " + file.path);
    return false;
}

std::vector<Finding> CheckRead(const LevelReadReport& report, const Level& level, const CheckedFile& map,
                               const CheckedFile& edt) {
    std::vector<Finding> list;
    std::optional<MapHeader> header;
    if (Present(report.map.file, map, edt, list)) header = CheckMap(report.map, map.path, list);
    if (Present(report.edt.file, edt, map, list)) CheckEdt(report.edt, level, edt.path, header, list);
    return list;
}

LevelFile FileOf(const LevelFileBytes& file) {
    if (file.bytes) return {FileState::Read, "", *file.bytes};
    return {file.unreadable.empty() ? FileState::Missing : FileState::Unreadable, "", {}};
}

}  // namespace

std::string FormatFinding(const Finding& finding) {
    std::string line = finding.file + (finding.severity == Severity::Error ? ": error: " : ": warning: ");
    if (!finding.object.empty()) line += finding.object + ": ";
    return line + finding.message;
}

std::vector<Finding> CheckLevelBytes(const LevelFileBytes& map, const LevelFileBytes& edt) {
    Level level;
    const LevelReadReport report = ReadLevelPair(level, FileOf(map), FileOf(edt));
    return CheckRead(report, level, {map.path, map.unreadable}, {edt.path, edt.unreadable});
}

std::vector<Finding> CheckLevel(const LevelPairPaths& paths) {
    Level level;
    const LevelReadReport report = ReadLevelPair(level, paths);
    return CheckRead(report, level, {paths.map, CannotReadText(paths.map, report.map.reason)},
                     {paths.edt, CannotReadText(paths.edt, report.edt.reason)});
}

namespace {

// The temporary files that saves of the pair's files did not get to remove,
// sorted by name.
std::vector<Finding> LeftoverTemporaries(const LevelPairPaths& paths,
                                         const std::vector<platform::FolderEntry>& entries) {
    std::vector<Finding> list;
    for (const std::string* path : {&paths.map, &paths.edt}) {
        const std::string fileName = path->substr(path->find_last_of("/\\") + 1);
        for (const platform::FolderEntry& entry : entries)
            if (platform::TargetOfTemporaryName(entry.name) == fileName)
                list.push_back({*path + entry.name.substr(fileName.size()), Severity::Warning, "",
                                "a temporary file left by a save that did not finish; " + fileName +
                                    " itself is whole, and the next save of the level removes this file once it "
                                    "is an hour old"});
    }
    std::sort(list.begin(), list.end(), [](const Finding& a, const Finding& b) { return a.file < b.file; });
    return list;
}

}  // namespace

bool CheckFolder(const std::string& folder, FolderCheck& result, std::string& error) {
    result = FolderCheck{};
    std::vector<platform::FolderEntry> entries;
    errno = 0;
    if (!platform::ListFolder(folder, entries)) {
        error = "cannot check " + folder + ": " + (errno != 0 ? std::strerror(errno) : "not a folder");
        return false;
    }
    for (int32_t number = 0; number <= HighestLevelNumber; ++number) {
        const LevelPairPaths paths = LevelPairIn(folder, number);
        if (platform::KindOfPath(paths.map) == platform::PathKind::Missing &&
            platform::KindOfPath(paths.edt) == platform::PathKind::Missing)
            continue;
        ++result.levels;
        std::vector<Finding> findings = CheckLevel(paths);
        for (Finding& finding : LeftoverTemporaries(paths, entries)) findings.push_back(std::move(finding));
        for (Finding& finding : findings) {
            ++(finding.severity == Severity::Error ? result.errors : result.warnings);
            result.findings.push_back(std::move(finding));
        }
    }
    if (result.levels == 0) {
        error = "no levels in " + folder + " (looked for M00.map, M00.edt .. M23.map, M23.edt)";
        return false;
    }
    return true;
}
