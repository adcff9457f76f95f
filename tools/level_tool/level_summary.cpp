// The summary is laid out in columns of numbers with the display name last,
// so the Chinese names, twice as wide as the digits in a terminal, never push
// a column out of line.
#include "tools/level_tool/level_summary.h"

#include <algorithm>
#include <map>
#include <span>

#include "level/kind_names.h"
#include "tools/level_tool/kind_labels.h"

namespace {

// Right-aligned in `width` characters.
std::string Column(const std::string& text, size_t width) {
    return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
}

std::string Row(const std::string& label, const std::string& side0, const std::string& side1) {
    std::string line = "  " + label;
    line.resize(std::max<size_t>(line.size(), 22), ' ');
    return line + Column(side0, 8) + Column(side1, 8) + "\n";
}

std::string Row(const std::string& label, const int32_t (&values)[2]) {
    return Row(label, std::to_string(values[0]), std::to_string(values[1]));
}

std::string Switch(int32_t value) {
    if (value == 0) return "no";
    if (value == 1) return "yes";
    return std::to_string(value);
}

std::string LimitText(const LevelInfo& info) {
    static const char* const Types[] = {"reinforcements", "time limit", "hold out"};
    const std::string type = info.limitType >= 0 && info.limitType <= 2 ? Types[info.limitType]
                                                                         : "type " + std::to_string(info.limitType);
    const std::string limit = type + ", " + std::to_string(info.limitTime);
    if (info.limitEnabled == 0) {
        if (info.limitTime == 0 && info.limitType == 0) return "off";
        return "off (the file still holds " + limit + ", which saving clears)";
    }
    if (info.limitEnabled == 1) return limit;
    return limit + " (switch " + std::to_string(info.limitEnabled) + ")";
}

// Objects of each kind per side: the sides an object of the table may have
// (0 and 1, and 2 for buildings), then any other.
struct SideCounts {
    int bySide[3] = {};
    int other = 0;
};

template <typename Record>
std::string CountTable(const char* title, std::span<const Record> records, int sides,
                       const char* (*nameOf)(int32_t)) {
    std::string out = std::string(title) + ": " + std::to_string(records.size()) + "\n";
    if (records.empty()) return out;
    std::map<int32_t, SideCounts> counts;
    bool anyOther = false;
    for (const Record& record : records) {
        SideCounts& count = counts[record.kind];
        const bool known = record.side >= 0 && record.side < sides;
        ++(known ? count.bySide[record.side] : count.other);
        anyOther = anyOther || !known;
    }
    out += "    kind";
    for (int side = 0; side < sides; ++side) out += "  side " + std::to_string(side);
    out += anyOther ? "   other  name\n" : "  name\n";
    for (const auto& [kind, count] : counts) {
        out += Column(std::to_string(kind), 8);
        for (int side = 0; side < sides; ++side) out += Column(std::to_string(count.bySide[side]), 8);
        if (anyOther) out += Column(std::to_string(count.other), 8);
        out += "  " + PlainKindName(nameOf(kind)) + "\n";
    }
    return out;
}

}  // namespace

std::string LevelSummary(const Level& level, const LevelPairPaths& paths) {
    const LevelInfo& info = level.levelInfo;
    std::string out = "Level " + paths.map + ", " + paths.edt + "\n";
    out += "Map: " + std::to_string(level.mapGrid.columns) + " x " + std::to_string(level.mapGrid.rows) +
           " cells, start at column " + std::to_string(info.startX) + ", row " + std::to_string(info.startY) + "\n\n";

    out += Row("", "side 0", "side 1");
    out += Row("credits", info.credits);
    out += Row("research points", info.researchPoints);
    for (int type = 0; type < AirForceTypes; ++type) out += Row(AirForceLabels[type], info.airForces[type]);
    out += Row("PVT switch", info.pvtFlag);
    out += "  towers allowed\n";
    for (int tower = 0; tower < TowerKinds; ++tower) {
        const int32_t kind = KindSmallTower + tower;
        std::string line = Row("  " + std::to_string(kind), Switch(info.towersAllowed[tower][0]),
                               Switch(info.towersAllowed[tower][1]));
        line.pop_back();
        out += line + "  " + PlainKindName(BuildingKindName(kind)) + "\n";
    }
    out += "\nLimit: " + LimitText(info) + "\n\n";
    out += CountTable("Buildings", LevelBuildings(level), 3, BuildingKindName);
    out += "\n";
    out += CountTable("Units", LevelUnits(level), 2, UnitKindName);
    return out;
}
