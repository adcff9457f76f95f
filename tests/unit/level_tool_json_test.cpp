#include <nlohmann/json.hpp>

#include <cstring>
#include <filesystem>
#include <functional>

#include "level_tool_files.h"
#include "tools/level_tool/level_json.h"

namespace {

using Json = nlohmann::ordered_json;

// ---- Every field comes back ----

// A level whose every field holds a value of its own, including those the
// .edt does not keep (a limit that is off, levels beyond researchable, offsets
// of kinds that are not factories) and values at the edge of what the files
// can store.
Level EveryFieldLevel() {
    Level level;
    LevelInfo& info = level.levelInfo;
    info.credits[0] = 65535;
    info.credits[1] = 1;
    info.researchPoints[0] = 768;
    info.researchPoints[1] = 2;
    for (int type = 0; type < AirForceTypes; ++type)
        for (int side = 0; side < 2; ++side) {
            info.airForces[type][side] = 10 * type + side + 3;
            info.towersAllowed[type][side] = 100 + 10 * type + side;
        }
    info.pvtFlag[0] = 4;
    info.pvtFlag[1] = 5;
    info.limitEnabled = 0;
    info.limitTime = 45;
    info.limitType = 6;
    info.startX = 2047;
    info.startY = 7;
    info.opaque4 = 8;
    info.opaqueSide[0] = 9;
    info.opaqueSide[1] = 255;
    info.opaque256 = 11;

    Building base = BuildingOf(KindMainBase, 255, 256);  // stored at row 255
    base.researched = 12;
    for (int level = 1; level <= ProductionLevels; ++level) {
        base.produced[level] = 20 + level;
        base.classOffset[level] = 30 + level;
    }
    base.hitPoints = 65535;
    base.side = 13;
    base.satelliteProtection = 14;
    base.healthPercent = 15;
    Building factory = BuildingOf(KindHeavyFactory, 1, 2);
    factory.researchable = 2;
    factory.researched = 1;
    for (int level = 1; level <= ProductionLevels; ++level) {
        factory.produced[level] = 3 * level;
        factory.classOffset[level] = level % 3;
    }
    SetLevelObjects(level, std::vector<Building>{base, factory, BuildingOf(KindSolarResearch, 0, 255)},
                    std::vector<Unit>{{1, 0, 0, 2047}, {46, 255, 2047, 0}});

    level.mapGrid.columns = 3;
    level.mapGrid.rows = 2;
    const int32_t values[2][3] = {{0, 1, 2}, {3, 10, 13}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column) level.mapGrid.cells[row][column] = values[row][column];
    return level;
}

TEST(LevelJson, EveryFieldComesBackAsItWasWritten) {
    const Level level = EveryFieldLevel();
    const LevelFromJsonResult read = LevelFromJson(LevelToJson(level));
    ASSERT_EQ(read.errors, std::vector<std::string>{});
    EXPECT_TRUE(read.hasMap);
    EXPECT_EQ(std::memcmp(&read.level.levelInfo, &level.levelInfo, sizeof(LevelInfo)), 0);
    EXPECT_EQ(BuildingsOf(read.level), BuildingsOf(level));
    EXPECT_EQ(UnitsOf(read.level), UnitsOf(level));
    EXPECT_EQ(std::memcmp(&read.level.mapGrid, &level.mapGrid, sizeof(MapGrid)), 0);
}

TEST(LevelJson, OneObjectOrTerrainRowToALine) {
    const std::string json = LevelToJson(EveryFieldLevel());
    EXPECT_NE(json.find("\n    {\"kind\": 46, \"side\": 255, \"x\": 2047, \"y\": 0}\n"), std::string::npos);
    EXPECT_NE(json.find("\n      [3, 10, 13]\n"), std::string::npos);
    EXPECT_NE(json.find("\n    \"limit\": {\"enabled\": 0, \"time\": 45, \"type\": 6},\n"), std::string::npos);
    EXPECT_NE(json.find("\"y\": 256, \"width\": 4, \"height\": 3,"), std::string::npos);
}

// ---- Export then import writes what the editor's load and save write ----

// Sets bytes of a file in place.
void Put(Bytes& bytes, size_t offset, std::initializer_list<uint8_t> values) {
    for (uint8_t value : values) bytes.at(offset++) = value;
}

size_t BuildingAt(size_t index) { return EdtHeaderSize + BuildingRecordSize * index; }

// An .edt with what a foreign or hand-edited file may hold: bytes in slots
// and zero areas the editor does not read, production bytes of kinds without
// production, a gap in a factory's levels, a heavy unit in a light factory,
// units off their cells' centres, unknown kinds and sides, a limit that is off
// but keeps its values, and bytes after the end tag.
Bytes ForeignEdt() {
    LevelInfo info{};
    info.credits[0] = 65535;
    info.researchPoints[1] = 768;
    info.airForces[4][1] = 200;
    info.towersAllowed[2][0] = 1;
    info.pvtFlag[1] = 1;
    info.limitEnabled = 0;
    info.limitTime = 45;
    info.limitType = 2;
    info.opaque4 = 9;
    info.opaqueSide[1] = 77;
    info.opaque256 = 255;
    std::vector<Building> objects = {BuildingOf(KindMainBase, 30, 12), BuildingOf(KindLightFactory, 2, 3),
                                     BuildingOf(KindRadar, 5, 0),      BuildingOf(KindRobotFactory, 9, 9),
                                     BuildingOf(200, 1, 1),             BuildingOf(KindGoldStation, 60, 255)};
    objects[4].side = 5;
    std::vector<Unit> troops = {{7, 0, 12, 5}, {99, 4, 0, 0}, {46, 1, 2047, 2047}};
    Bytes edt = WriteEdt(info, objects, troops);
    edt[4 + 2] = 0x55;                          // the upper bytes of a slot
    edt[16] = 3;                                // a zero slot of the header
    edt[200] = 9;                               // one of the 25 zero slots
    Put(edt, 264, {45, 0, 0, 0, 2});            // the limit that is off
    Put(edt, BuildingAt(0) + 12, {5});          // a main base's first level
    Put(edt, BuildingAt(1) + 12, {4, 0, 0, 0, 0, 0, 0, 0, 7});  // levels 4, 0, 7
    Put(edt, BuildingAt(1) + 16 + 4 * 4, {9});  // the factory's fifth level
    Put(edt, BuildingAt(2) + 32, {2, 0, 0, 0, 3});  // a radar's offsets
    Put(edt, BuildingAt(3) + 8, {3});           // researched 3 of fewer levels
    const size_t units = BuildingAt(objects.size());
    Put(edt, units + 12, {100, 0});             // pixel 100: cell 3, written back as 112
    edt.insert(edt.end(), {1, 2, 3});           // after the end tag
    return edt;
}

struct RoundTripCase {
    const char* name;
    std::function<Bytes()> map;
    std::function<Bytes()> edt;
};
void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }

class ExportImport : public LevelFolder, public testing::WithParamInterface<RoundTripCase> {};

TEST_P(ExportImport, WritesTheBytesOfTheEditorsLoadAndSave) {
    const RoundTripCase& c = GetParam();
    std::filesystem::create_directory("tool");
    for (const std::string folder : {"", "tool/"}) {
        ASSERT_TRUE(WriteWholeFile(folder + "M07.map", c.map()));
        ASSERT_TRUE(WriteWholeFile(folder + "M07.edt", c.edt()));
    }
    LoadLevelNumber(7);
    SaveLevel();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{std::string(LevelSavedText)});

    const ToolRun exported = RunTool({"export", "tool/M07.map", "-o", "m07.json"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const ToolRun imported = RunTool({"import", "m07.json", "tool/M07"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    EXPECT_EQ(ReadWholeFile("tool/M07.edt"), ReadWholeFile("M07.edt"));
    EXPECT_EQ(ReadWholeFile("tool/M07.map"), ReadWholeFile("M07.map"));
}

Bytes PlainEdt() {
    LevelInfo info{};
    info.credits[0] = 5000;
    info.limitEnabled = 1;
    info.limitTime = 30;
    info.limitType = 1;
    return WriteEdt(info, std::vector<Building>{BuildingOf(KindHeavyFactory, 4, 4), BuildingOf(KindLaserTower, 9, 9)},
                    std::vector<Unit>{{40, 1, 3, 3}});
}

INSTANTIATE_TEST_SUITE_P(
    Levels, ExportImport,
    testing::Values(RoundTripCase{"Plain", [] { return ToolTestMap(30, 25, 100, 100); }, PlainEdt},
                    RoundTripCase{"Foreign", [] { return ToolTestMap(96, 80, 65535, 31); }, ForeignEdt},
                    RoundTripCase{"NoObjects", [] { return ToolTestMap(1, 1, 0, 0); },
                                  [] { return WriteEdt(LevelInfo{}, {}, {}); }},
                    RoundTripCase{"UnitsOnly", [] { return ToolTestMap(20, 15); },
                                  [] { return WriteEdt(LevelInfo{}, {}, std::vector<Unit>{{1, 0, 1, 1}, {2, 1, 2, 2}}); }},
                    // The editor stops at a building after the units and saving drops it.
                    RoundTripCase{"BuildingAfterUnits", [] { return ToolTestMap(20, 15); },
                                  [] {
                                      Bytes edt = WriteEdt(LevelInfo{}, {}, std::vector<Unit>{{1, 0, 1, 1}});
                                      Bytes building;
                                      AppendBuildingRecord(building, BuildingOf(KindSmallTower, 3, 3));
                                      edt.insert(edt.end() - 4, building.begin(), building.end());
                                      return edt;
                                  }}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

// ---- Documents the files cannot take ----

Json GoodDocument() {
    Level level = EveryFieldLevel();
    level.buildingCount = 2;
    return Json::parse(LevelToJson(level));
}

struct BadDocumentCase {
    const char* name;
    std::function<std::string()> document;
    const char* error;  // the first error, whole
};
void PrintTo(const BadDocumentCase& c, std::ostream* out) { *out << c.name; }

class BadDocument : public testing::TestWithParam<BadDocumentCase> {};

TEST_P(BadDocument, IsRefusedWithThePathOfWhatIsWrong) {
    const LevelFromJsonResult read = LevelFromJson(GetParam().document());
    ASSERT_FALSE(read.errors.empty());
    EXPECT_EQ(read.errors.front(), GetParam().error);
}

// The good document with one change.
std::function<std::string()> Changed(std::function<void(Json&)> change) {
    return [change] {
        Json document = GoodDocument();
        change(document);
        return document.dump();
    };
}

std::function<std::string()> Text(const char* text) {
    return [text] { return std::string(text); };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDocument,
    testing::Values(
        BadDocumentCase{"Syntax", Text("{\"format\": \"tarnhold-level\",\n \"version\": 1,,}"),
                        "not valid JSON: parse error at line 2, column 15: syntax error while parsing object key - "
                        "unexpected ','; expected string literal"},
        BadDocumentCase{"Nested", [] { return std::string(100, '[') + std::string(100, ']'); },
                        "[0][0][0][0]...: lists and objects nested more than 64 deep; a level document nests them 4 "
                        "deep"},
        BadDocumentCase{"NotAnObject", Text("[1, 2]"), "top level: expected an object, found a list"},
        BadDocumentCase{"TopLevelKeyUnknown", Changed([](Json& d) { d["comment"] = "mine"; }), "comment: unknown key"},
        BadDocumentCase{"KeyMissing", Changed([](Json& d) { d["buildings"][1].erase("hitPoints"); }),
                        "buildings[1]: missing key \"hitPoints\""},
        BadDocumentCase{"KeyTwice",
                        Text(R"({"format": "tarnhold-level", "version": 1, "units": [{"kind": 1, "kind": 2}]})"),
                        "units[0].kind: the key is given twice"},
        BadDocumentCase{"Format", Changed([](Json& d) { d["format"] = "tiles"; }),
                        "format: expected \"tarnhold-level\", found the text \"tiles\""},
        BadDocumentCase{"Version", Changed([](Json& d) { d["version"] = 2; }),
                        "version: this tool reads version 1, found 2"},
        BadDocumentCase{"Text", Changed([](Json& d) { d["units"][0]["kind"] = "7"; }),
                        "units[0].kind: expected an integer, found the text \"7\""},
        BadDocumentCase{"Fraction", Changed([](Json& d) { d["mission"]["opaque4"] = 1.5; }),
                        "mission.opaque4: expected an integer, found 1.5"},
        BadDocumentCase{"ByteTooLarge", Changed([](Json& d) { d["buildings"][1]["produced"][4] = 256; }),
                        "buildings[1].produced[4]: 256 cannot be stored: the .edt keeps it in a byte (0..255)"},
        BadDocumentCase{"ByteNegative", Changed([](Json& d) { d["mission"]["airForces"]["fighters"][1] = -1; }),
                        "mission.airForces.fighters[1]: -1 cannot be stored: the .edt keeps it in a byte (0..255)"},
        // Only a light factory loads an offset of -1.
        BadDocumentCase{"OffsetBelowAByte", Changed([](Json& d) { d["buildings"][1]["classOffset"][0] = -1; }),
                        "buildings[1].classOffset[0]: -1 cannot be stored: the .edt keeps it in a byte (0..255)"},
        BadDocumentCase{"WordTooLarge", Changed([](Json& d) { d["mission"]["credits"][0] = 65536; }),
                        "mission.credits[0]: 65536 cannot be stored: the .edt keeps it in 16 bits (0..65535)"},
        BadDocumentCase{"Huge", Changed([](Json& d) { d["buildings"][0]["hitPoints"] = 18446744073709551615u; }),
                        "buildings[0].hitPoints: 18446744073709551615 cannot be stored: the .edt keeps it in 16 "
                        "bits (0..65535)"},
        BadDocumentCase{"UnitPixel", Changed([](Json& d) { d["units"][1]["y"] = 2048; }),
                        "units[1].y: 2048 cannot be stored: the .edt keeps the cell x 32 + 16 in 16 bits (0..2047)"},
        BadDocumentCase{"StartPixel", Changed([](Json& d) { d["start"]["x"] = 2048; }),
                        "start.x: 2048 cannot be stored: the .map keeps the cell x 32 in 16 bits (0..2047)"},
        // Row 256 fits a main base, which the .edt stores one row higher, and no other kind.
        BadDocumentCase{"RaisedRow", Changed([](Json& d) { d["buildings"][0]["y"] = 257; }),
                        "buildings[0].y: 257 cannot be stored: the .edt keeps the row above it in a byte (0..256)"},
        BadDocumentCase{"Row", Changed([](Json& d) {
                            d["buildings"][0]["kind"] = 106;
                            d["buildings"][0].erase("width");
                            d["buildings"][0].erase("height");
                        }),
                        "buildings[0].y: 256 cannot be stored: the .edt keeps it in a byte (0..255)"},
        BadDocumentCase{"Researchable", Changed([](Json& d) { d["buildings"][1]["researchable"] = 6; }),
                        "buildings[1].researchable: 6 cannot be stored: the .edt has 5 production levels (0..5)"},
        BadDocumentCase{"Footprint", Changed([](Json& d) { d["buildings"][1]["kind"] = 101; }),
                        "buildings[1]: width and height 4 x 3 do not match kind 101, which is 3 x 2 (leave them out "
                        "or give the kind's footprint)"},
        BadDocumentCase{"ListLength", Changed([](Json& d) { d["mission"]["pvtFlag"] = Json::array({1}); }),
                        "mission.pvtFlag: expected a list of 2 values (side 0, side 1), found a list of 1"},
        BadDocumentCase{"Terrain", Changed([](Json& d) { d["map"]["terrain"].erase(1); }),
                        "map.terrain: expected a list of 2 rows, found a list of 1"},
        BadDocumentCase{"MapTooWide", Changed([](Json& d) { d["map"]["columns"] = 97; }),
                        "map.columns: 97 cannot be stored: the editor's grid has room for 96 columns (1..96)"}),
    [](const testing::TestParamInfo<BadDocumentCase>& info) { return std::string(info.param.name); });

TEST(LevelJson, EveryProblemOfADocumentIsReported) {
    Json document = GoodDocument();
    document["units"][0]["side"] = 256;
    document["units"][1]["x"] = "far";
    document["buildings"][0]["colour"] = 1;
    EXPECT_EQ(LevelFromJson(document.dump()).errors,
              (std::vector<std::string>{"buildings[0].colour: unknown key",
                                        "units[0].side: 256 cannot be stored: the .edt keeps it in a byte (0..255)",
                                        "units[1].x: expected an integer, found the text \"far\""}));
}

TEST(LevelJson, TheMapSectionAndTheFootprintMayBeLeftOut) {
    Json document = GoodDocument();
    document.erase("map");
    document["buildings"][0].erase("width");
    document["buildings"][0].erase("height");
    const LevelFromJsonResult read = LevelFromJson(document.dump());
    EXPECT_EQ(read.errors, std::vector<std::string>{});
    EXPECT_FALSE(read.hasMap);
    EXPECT_EQ(read.level.buildings[1].width, 4);
}

}  // namespace
