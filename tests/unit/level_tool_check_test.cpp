#include <filesystem>
#include <functional>

#include "level_tool_files.h"
#include "tools/level_tool/level_check.h"

namespace {

// ---- One crafted level per kind of finding ----

// A level with nothing to find: two main bases, a factory making what it can
// build, units on cells of their own, the start inside the map.
struct CheckLevelFiles {
    Bytes map = ToolTestMap(30, 25, 32, 64);
    LevelInfo info{};
    std::vector<Building> buildings = {BuildingOf(KindMainBase, 1, 1), BuildingOf(KindMainBase, 20, 1),
                                       BuildingOf(KindMediumFactory, 10, 10)};
    std::vector<Unit> units = {{7, 0, 5, 5}, {40, 1, 6, 5}};
    // Applied to the .edt's bytes after writing.
    std::function<void(Bytes&)> damage;

    CheckLevelFiles() {
        info.credits[0] = 50000;
        info.researchPoints[1] = 10000;
        info.limitEnabled = 1;
        info.limitTime = 100;
        info.limitType = 2;
        buildings[1].side = 1;
        buildings[2].researchable = 2;
        buildings[2].produced[2] = 14;  // a medium unit
    }

    Bytes Edt() const {
        Bytes edt = WriteEdt(info, buildings, units);
        if (damage) damage(edt);
        return edt;
    }
};

std::vector<std::string> Lines(const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    for (const Finding& finding : findings) lines.push_back(FormatFinding(finding));
    return lines;
}

std::vector<std::string> Check(const CheckLevelFiles& files) {
    return Lines(CheckLevelBytes({"M05.map", files.map, ""}, {"M05.edt", files.Edt(), ""}));
}

struct FindingCase {
    const char* name;
    std::function<void(CheckLevelFiles&)> craft;
    std::vector<std::string> findings;
};
// Listings and failures name the case rather than show its bytes.
void PrintTo(const FindingCase& c, std::ostream* out) { *out << c.name; }

class CheckFindings : public testing::TestWithParam<FindingCase> {};

TEST_P(CheckFindings, OneLinePerFinding) {
    CheckLevelFiles files;
    GetParam().craft(files);
    EXPECT_EQ(Check(files), GetParam().findings);
}

constexpr size_t FirstBuilding = EdtHeaderSize;
constexpr size_t FirstUnit = EdtHeaderSize + 3 * BuildingRecordSize;

INSTANTIATE_TEST_SUITE_P(
    Kinds, CheckFindings,
    testing::Values(
        FindingCase{"NothingWrong", [](CheckLevelFiles&) {}, {}},
        FindingCase{"MapTooLarge", [](CheckLevelFiles& f) { f.map = ToolTestMap(97, 10); },
                    {"M05.map: error: the editor refuses this map: the map is 97 x 10 cells; the editor holds at most "
                     "96 x 80"}},
        FindingCase{"MapWithoutCells", [](CheckLevelFiles& f) { f.map = ToolTestMap(30, 0); },
                    {"M05.map: error: the editor refuses this map: the map is 30 x 0 cells; neither may be 0"}},
        FindingCase{"MapHeaderCut", [](CheckLevelFiles& f) { f.map.resize(17); },
                    {"M05.map: error: cut short: the file has 17 bytes, too few for the 18-byte header"}},
        FindingCase{"MapCellsCut", [](CheckLevelFiles& f) { f.map.resize(100); },
                    {"M05.map: error: cut short: 100 bytes, but 30 x 25 cells need 12773; the editor reads the "
                     "missing cells as plain ground"}},
        FindingCase{"StartOffTheMap", [](CheckLevelFiles& f) { f.map = ToolTestMap(30, 25, 11 * 32, 11 * 32); },
                    {"M05.map: error: start column is 11, outside 0..10 (the game's screen is 20 columns wide)",
                     "M05.map: error: start row is 11, outside 0..10 (the game's screen is 15 rows high)"}},
        FindingCase{"EdtHeaderCut", [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e.resize(375); }; },
                    {"M05.edt: error: cut short: 375 bytes, but the header alone takes 376"}},
        FindingCase{"EdtRecordCut",
                    [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e.resize(FirstBuilding + 76 + 73); }; },
                    {"M05.edt: error: building 2: cut short: the file ends inside this record (73 of 76 bytes)"}},
        FindingCase{"EdtEndTagMissing", [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e.resize(e.size() - 4); }; },
                    {"M05.edt: error: cut short: the file ends before its end tag, after 3 buildings and 2 units"}},
        FindingCase{"EdtEndTagCut", [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e.resize(e.size() - 1); }; },
                    {"M05.edt: error: cut short: the file ends inside its end tag, after 3 buildings and 2 units"}},
        FindingCase{"BytesAfterTheEndTag", [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e.push_back(0); }; },
                    {"M05.edt: warning: 1 byte after the end tag; the editor does not read them and saving drops them"}},
        FindingCase{"UnknownTag", [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e[FirstUnit + 20] = 7; }; },
                    {"M05.edt: error: byte 7, neither a record tag nor the end tag, at offset 624: the editor stops "
                     "reading there and saving drops the 24 bytes from there on"}},
        FindingCase{"BuildingAfterUnits",
                    [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e[FirstUnit + 20] = BuildingTag; }; },
                    {"M05.edt: error: a building record after the units at offset 624: the editor stops reading "
                     "there and saving drops the 24 bytes from there on"}},
        FindingCase{"BuildingOffTheMap", [](CheckLevelFiles& f) { f.buildings[0].x = 27; },
                    {"M05.edt: error: building 1: kind 100 (主基地) at 27, 1 covers 4 x 3 cells and reaches past the "
                     "30 x 25 map"}},
        FindingCase{"UnitOffTheMap", [](CheckLevelFiles& f) { f.units[1].y = 25; },
                    {"M05.edt: error: unit 2: cell 6, 25 is off the 30 x 25 map"}},
        FindingCase{"BuildingKind", [](CheckLevelFiles& f) { f.buildings[0].kind = 30; },
                    {"M05.edt: error: building 1: kind 30 is not a building kind (25..29, 100..108)"}},
        FindingCase{"UnitKind", [](CheckLevelFiles& f) { f.units[0].kind = 16; },
                    {"M05.edt: error: unit 1: kind 16 is not a unit kind (1..15, 40..46)"}},
        FindingCase{"ProducedItem", [](CheckLevelFiles& f) { f.buildings[2].produced[2] = 30; },
                    {"M05.edt: error: building 3: production level 2 item 30 is not one of 1..15 for kind 102 "
                     "(中型工厂)"}},
        FindingCase{"FactoryClass", [](CheckLevelFiles& f) { f.buildings[2].produced[1] = 9; },
                    {"M05.edt: error: building 3: production level 1 item 9 (重型坦克) is a class-3 unit, but kind "
                     "102 (中型工厂) builds classes 1..2"}},
        FindingCase{"BuildingSide",
                    [](CheckLevelFiles& f) {
                        f.buildings[0].side = 2;  // neutral only for kinds 101..108
                        f.buildings[2].side = 2;
                    },
                    {"M05.edt: error: building 1: side is 2, outside 0..1 for kind 100 (主基地)"}},
        FindingCase{"UnitSide", [](CheckLevelFiles& f) { f.units[1].side = 2; },
                    {"M05.edt: error: unit 2: side is 2, outside 0..1"}},
        FindingCase{"MissionValues",
                    [](CheckLevelFiles& f) {
                        f.info.credits[1] = 50001;
                        f.info.airForces[2][0] = 51;
                        f.info.towersAllowed[4][1] = 2;
                        f.info.limitTime = 101;
                    },
                    {"M05.edt: error: credits of side 1 is 50001, outside 0..50000",
                     "M05.edt: error: troop transports of side 0 is 51, outside 0..50",
                     "M05.edt: error: tower switch for kind 29 (拘束炮弹炮塔) of side 1 is 2, outside 0..1",
                     "M05.edt: error: limit time is 101, outside 0..100"}},
        // A limit that is off is saved as zeros, whatever values it holds.
        FindingCase{"LimitOff",
                    [](CheckLevelFiles& f) {
                        f.info.limitEnabled = 0;
                        f.damage = [](Bytes& e) { e[264] = 200; };
                    },
                    {}},
        FindingCase{"BuildingValues",
                    [](CheckLevelFiles& f) {
                        f.buildings[0].healthPercent = 101;
                        f.buildings[1].satelliteProtection = 2;
                        f.buildings[2].researched = 3;
                    },
                    {"M05.edt: error: building 1: health percent is 101, outside 0..100",
                     "M05.edt: error: building 2: satellite protection is 2, outside 0..1",
                     "M05.edt: error: building 3: researched is 3, outside 0..2 (the levels in use)"}},
        FindingCase{"TooManyLevels",
                    [](CheckLevelFiles& f) {
                        f.buildings[2] = BuildingOf(KindGoldStation, 10, 10);
                        f.buildings[2].researchable = 5;
                        f.buildings[2].produced[4] = f.buildings[2].produced[5] = 18;
                    },
                    {"M05.edt: error: building 3: researchable is 5, outside 0..3 for kind 105 (金块生产站)"}},
        FindingCase{"GapInLevels",
                    [](CheckLevelFiles& f) { f.damage = [](Bytes& e) { e[FirstBuilding + 2 * 76 + 12] = 0; }; },
                    {"M05.edt: error: building 3: production levels 0, 14, 0, 0, 0 have a gap: the editor takes 1 "
                     "level in use and saving writes 1, 0, 0, 0, 0"}},
        FindingCase{"TooManyObjects",
                    [](CheckLevelFiles& f) {
                        for (int32_t n = 3; n < 302; ++n) f.buildings.push_back(BuildingOf(KindSmallTower, n % 30, 13 + n / 30));
                        for (int32_t n = 2; n < 52; ++n) f.units.push_back({1, 0, n % 30, 6 + n / 30});
                    },
                    {"M05.edt: error: 302 buildings; the editor keeps at most 301",
                     "M05.edt: error: 52 units; the editor keeps at most 51"}},
        FindingCase{"Overlaps",
                    [](CheckLevelFiles& f) {
                        f.buildings[1].x = 4;  // a column into the first main base
                        f.units[1].x = 5;
                    },
                    {"M05.edt: warning: building 2: overlaps building 1",
                     "M05.edt: warning: unit 2: on the same cell 5, 5 as unit 1"}}),
    [](const testing::TestParamInfo<FindingCase>& info) { return std::string(info.param.name); });

TEST(CheckLevel, AMissingOrUnreadableFileOfThePairIsAnError) {
    CheckLevelFiles files;
    EXPECT_EQ(Lines(CheckLevelBytes({"M05.map", std::nullopt, ""}, {"M05.edt", files.Edt(), ""})),
              std::vector<std::string>{"M05.map: error: missing; the level has M05.edt but no M05.map"});
    EXPECT_EQ(Lines(CheckLevelBytes({"M05.map", files.map, ""},
                                    {"M05.edt", std::nullopt, "cannot read M05.edt: Permission denied"})),
              std::vector<std::string>{"M05.edt: error: cannot read M05.edt: Permission denied"});
}

// ---- The folder and the exit status ----

using CheckFolderTest = LevelFolder;

TEST_F(CheckFolderTest, ExitStatusSaysWhetherErrorsWereFound) {
    CheckLevelFiles files;
    std::filesystem::create_directory("levels");
    ASSERT_TRUE(WriteWholeFile("levels/M00.map", files.map));
    ASSERT_TRUE(WriteWholeFile("levels/M00.edt", files.Edt()));
    files.units[1].x = 5;
    ASSERT_TRUE(WriteWholeFile("levels/M23.map", files.map));
    ASSERT_TRUE(WriteWholeFile("levels/M23.edt", files.Edt()));
    ASSERT_TRUE(WriteWholeFile("levels/M24.map", Bytes{1}));  // not a level number the game has

    ToolRun run = RunTool({"check", "levels"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "levels/M23.edt: warning: unit 2: on the same cell 5, 5 as unit 1\n"
              "2 levels checked: 0 errors, 1 warning\n");

    ASSERT_TRUE(WriteWholeFile("M10.edt", files.Edt()));
    run = RunTool({"check"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "M10.map: error: missing; the level has M10.edt but no M10.map\n"
              "M10.edt: warning: unit 2: on the same cell 5, 5 as unit 1\n"
              "1 level checked: 1 error, 1 warning\n");
}

TEST_F(CheckFolderTest, AFolderWithoutLevelsOrNoFolderCannotBeChecked) {
    std::filesystem::create_directory("empty");
    ToolRun run = RunTool({"check", "empty"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "tarnhold-level: no levels in empty (looked for M00.map, M00.edt .. M23.map, M23.edt)\n");
    run = RunTool({"check", "nowhere"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "tarnhold-level: cannot check nowhere: No such file or directory\n");
}

}  // namespace
