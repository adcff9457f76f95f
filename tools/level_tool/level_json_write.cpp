// Writing the level as JSON. The document is built with ordered keys, so the
// fields come in the same order every time, and laid out by hand: a building,
// a unit or a terrain row is one line, which keeps diffs to the lines that
// changed.
#include <nlohmann/json.hpp>

#include "tools/level_tool/level_json.h"
#include "tools/level_tool/level_json_keys.h"

namespace {

using Json = nlohmann::ordered_json;

Json PerSide(const int32_t (&values)[2]) { return Json::array({values[0], values[1]}); }

Json Levels(const int32_t (&values)[ProductionLevels + 1]) {
    Json levels = Json::array();
    for (int level = 1; level <= ProductionLevels; ++level) levels.push_back(values[level]);
    return levels;
}

Json MissionJson(const LevelInfo& info) {
    Json mission = Json::object();
    mission["credits"] = PerSide(info.credits);
    mission["researchPoints"] = PerSide(info.researchPoints);
    Json airForces = Json::object();
    for (int type = 0; type < AirForceTypes; ++type) airForces[AirForceKeys[type]] = PerSide(info.airForces[type]);
    mission["airForces"] = airForces;
    Json towers = Json::object();
    for (int tower = 0; tower < TowerKinds; ++tower) towers[TowerKeys[tower]] = PerSide(info.towersAllowed[tower]);
    mission["towersAllowed"] = towers;
    mission["pvtFlag"] = PerSide(info.pvtFlag);
    mission["limit"] = Json{{"enabled", info.limitEnabled}, {"time", info.limitTime}, {"type", info.limitType}};
    mission["opaque4"] = info.opaque4;
    mission["opaqueSide"] = PerSide(info.opaqueSide);
    mission["opaque256"] = info.opaque256;
    return mission;
}

Json BuildingJson(const Building& building) {
    Json json = Json::object();
    json["kind"] = building.kind;
    json["side"] = building.side;
    json["x"] = building.x;
    json["y"] = building.y;
    json["width"] = building.width;
    json["height"] = building.height;
    json["healthPercent"] = building.healthPercent;
    json["hitPoints"] = building.hitPoints;
    json["satelliteProtection"] = building.satelliteProtection;
    json["researchable"] = building.researchable;
    json["researched"] = building.researched;
    json["produced"] = Levels(building.produced);
    json["classOffset"] = Levels(building.classOffset);
    return json;
}

Json UnitJson(const Unit& unit) {
    return Json{{"kind", unit.kind}, {"side", unit.side}, {"x", unit.x}, {"y", unit.y}};
}

Json MapJson(const MapGrid& grid) {
    Json terrain = Json::array();
    for (int32_t row = 0; row < grid.rows; ++row) {
        Json cells = Json::array();
        for (int32_t column = 0; column < grid.columns; ++column) cells.push_back(grid.cells[row][column]);
        terrain.push_back(std::move(cells));
    }
    return Json{{"columns", grid.columns}, {"rows", grid.rows}, {"terrain", std::move(terrain)}};
}

// Containers nested this deep: 0 for a value, 1 for a list of values.
int Depth(const Json& value) {
    if (!value.is_structured()) return 0;
    int deepest = 0;
    for (const Json& child : value) deepest = std::max(deepest, Depth(child));
    return deepest + 1;
}

void AppendInline(std::string& out, const Json& value) {
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, child] : value.items()) {
            out += first ? "" : ", ";
            first = false;
            out += Json(key).dump() + ": ";
            AppendInline(out, child);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (size_t i = 0; i < value.size(); ++i) {
            if (i > 0) out += ", ";
            AppendInline(out, value[i]);
        }
        out += ']';
    } else {
        out += value.dump();
    }
}

// A list of values stays on one line, and so does an element of a list that
// holds values and lists of values (a building); everything else opens up,
// one member to a line.
void AppendLaidOut(std::string& out, const Json& value, int indent, bool inList) {
    const int depth = Depth(value);
    if (depth <= 1 || (depth == 2 && inList) || value.empty()) {
        AppendInline(out, value);
        return;
    }
    const std::string inner(size_t(indent + 2), ' ');
    out += value.is_object() ? "{\n" : "[\n";
    size_t i = 0;
    for (const auto& [key, child] : value.items()) {
        out += inner;
        if (value.is_object()) out += Json(key).dump() + ": ";
        AppendLaidOut(out, child, indent + 2, value.is_array());
        out += ++i < value.size() ? ",\n" : "\n";
    }
    out += std::string(size_t(indent), ' ') + (value.is_object() ? "}" : "]");
}

}  // namespace

std::string LevelToJson(const Level& level) {
    Json document = Json::object();
    document["format"] = LevelJsonFormat;
    document["version"] = LevelJsonVersion;
    document["start"] = Json{{"x", level.levelInfo.startX}, {"y", level.levelInfo.startY}};
    document["mission"] = MissionJson(level.levelInfo);
    Json buildings = Json::array();
    for (const Building& building : LevelBuildings(level)) buildings.push_back(BuildingJson(building));
    document["buildings"] = std::move(buildings);
    Json units = Json::array();
    for (const Unit& unit : LevelUnits(level)) units.push_back(UnitJson(unit));
    document["units"] = std::move(units);
    document["map"] = MapJson(level.mapGrid);

    std::string out;
    AppendLaidOut(out, document, 0, false);
    out += '\n';
    return out;
}
