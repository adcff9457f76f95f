#include <filesystem>

#include "level_tool_files.h"

namespace {

class LevelToolCommand : public LevelFolder {
  protected:
    void SetUp() override {
        LevelFolder::SetUp();
        LevelInfo info{};
        info.credits[0] = 12000;
        info.credits[1] = 9000;
        info.researchPoints[0] = 500;
        info.airForces[0][0] = 3;
        info.airForces[4][1] = 12;
        info.towersAllowed[0][0] = info.towersAllowed[0][1] = info.towersAllowed[3][1] = 1;
        info.pvtFlag[1] = 1;
        info.limitEnabled = 1;
        info.limitTime = 45;
        info.limitType = 1;
        std::vector<Building> objects = {BuildingOf(KindMainBase, 2, 2), BuildingOf(KindMainBase, 20, 2),
                                         BuildingOf(KindSmallTower, 8, 8), BuildingOf(KindLightFactory, 12, 12)};
        objects[1].side = 1;
        objects[3].side = 2;
        std::vector<Unit> troops = {{7, 0, 5, 9}, {7, 0, 6, 9}, {43, 1, 22, 9}};
        map = ToolTestMap(30, 25, 96, 64);
        edt = WriteEdt(info, objects, troops);
        ASSERT_TRUE(WriteWholeFile("M01.map", map));
        ASSERT_TRUE(WriteWholeFile("M01.edt", edt));
    }

    bool LevelUnchanged() const { return ReadWholeFile("M01.map") == map && ReadWholeFile("M01.edt") == edt; }

    Bytes map, edt;
};

TEST_F(LevelToolCommand, InfoSummarisesTheLevel) {
    const ToolRun run = RunTool({"info", "M01"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, R"(Level M01.map, M01.edt
Map: 30 x 25 cells, start at column 3, row 2

                        side 0  side 1
  credits                12000    9000
  research points          500       0
  bombers                    3       0
  astral bombs               0       0
  troop transports           0       0
  chain bombing              0       0
  fighters                   0      12
  PVT switch                 0       1
  towers allowed
    25                     yes     yes  小炮塔
    26                      no      no  空对空防空炮塔
    27                      no      no  等离子炮塔
    28                      no     yes  格林激光炮塔
    29                      no      no  拘束炮弹炮塔

Limit: time limit, 45

Buildings: 4
    kind  side 0  side 1  side 2  name
      25       1       0       0  小炮塔
     100       1       1       0  主基地
     101       0       0       1  轻型工厂

Units: 3
    kind  side 0  side 1  name
       7       2       0  轻型坦克
      43       0       1  美洲狮
)");
}

TEST_F(LevelToolCommand, ExportedDocumentImportsBackUnchanged) {
    ToolRun run = RunTool({"export", "M01"});
    ASSERT_EQ(run.status, 0);
    const std::string json = run.out;
    EXPECT_EQ(json.rfind("{\n  \"format\": \"tarnhold-level\",\n  \"version\": 1,\n", 0), 0u);
    run = RunTool({"import", "-", "M01.edt"}, json);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "wrote M01.edt (4 buildings, 3 units) and the start position 3, 2 into M01.map\n");
    EXPECT_TRUE(LevelUnchanged());
}

TEST_F(LevelToolCommand, ImportWarnsWhenTheMapSectionDiffersAndLeavesTheTerrain) {
    ASSERT_EQ(RunTool({"export", "M01", "-o", "m01.json"}).status, 0);
    ASSERT_TRUE(WriteWholeFile("M02.map", MakeMapBytes(30, 25)));
    const ToolRun run = RunTool({"import", "m01.json", "M02"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "tarnhold-level: warning: m01.json's terrain differs from M02.map first at column 0, row 0; import "
              "changes only the start position in the .map\n");
    Bytes expected = MakeMapBytes(30, 25);
    ASSERT_TRUE(PatchMapStart(expected, 3, 2));
    EXPECT_EQ(ReadWholeFile("M02.map"), expected);
    EXPECT_EQ(ReadWholeFile("M02.edt"), edt);
}

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* err;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class LevelToolFailure : public LevelToolCommand, public testing::WithParamInterface<FailureCase> {};

TEST_P(LevelToolFailure, OneClearLineAndNothingWritten) {
    const FailureCase& c = GetParam();
    std::filesystem::create_directory("levels");
    ASSERT_TRUE(WriteWholeFile("big.map", ToolTestMap(97, 10)));
    ASSERT_TRUE(WriteWholeFile("big.edt", edt));
    ASSERT_TRUE(WriteWholeFile("bad.json", Bytes{'{', '}'}));
    ASSERT_TRUE(WriteWholeFile("M07.map", map));
    const std::string document = RunTool({"export", "M01"}).out;  // what "-" reads
    const std::vector<std::string> before = FolderContents();
    const ToolRun run = RunTool(c.arguments, document);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(FolderContents(), before);
    EXPECT_TRUE(LevelUnchanged());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelToolFailure,
    testing::Values(
        FailureCase{"UnknownCommand", {"frobnicate"}, 2,
                    "tarnhold-level: unknown command 'frobnicate' (see 'tarnhold-level --help')\n"},
        FailureCase{"LevelMissing", {"info"}, 2,
                    "tarnhold-level info: which level? a LEVEL is needed (see 'tarnhold-level info --help')\n"},
        FailureCase{"ExtraArgument", {"export", "M01", "M02"}, 2,
                    "tarnhold-level export: unexpected argument 'M02' (see 'tarnhold-level export --help')\n"},
        FailureCase{"OptionWithoutValue", {"export", "M01", "-o"}, 2,
                    "tarnhold-level export: option -o needs a value (see 'tarnhold-level export --help')\n"},
        FailureCase{"OptionOfAnotherCommand", {"info", "M01", "--whole"}, 2,
                    "tarnhold-level info: unknown option '--whole' (see 'tarnhold-level info --help')\n"},
        FailureCase{"ImportWithoutLevel", {"import", "bad.json"}, 2,
                    "tarnhold-level import: needs 2 arguments (see 'tarnhold-level import --help')\n"},
        FailureCase{"RenderWithoutOutput", {"render", "M01"}, 2,
                    "tarnhold-level render: the PNG file is missing: give -o FILE.png (see 'tarnhold-level render "
                    "--help')\n"},
        FailureCase{"RenderCellSize", {"render", "M01", "-o", "m.png", "--cell", "15"}, 2,
                    "tarnhold-level render: --cell takes 10, 20 or 40, not '15'\n"},
        FailureCase{"NoSuchLevel", {"info", "M05"}, 1,
                    "tarnhold-level: cannot read M05.map: No such file or directory\n"},
        FailureCase{"HalfAPair", {"render", "M07", "-o", "m.png"}, 1,
                    "tarnhold-level: cannot read M07.edt: No such file or directory\n"},
        FailureCase{"Folder", {"export", "levels"}, 1,
                    "tarnhold-level: 'levels' is a folder; give a level like levels/M03\n"},
        FailureCase{"RefusedMap", {"render", "big", "-o", "big.png"}, 1,
                    "tarnhold-level: big.map: the editor refuses this map: the map is 97 x 10 cells; the editor holds "
                    "at most 96 x 80\n"},
        FailureCase{"UnwritableOutput", {"export", "M01", "-o", "nowhere/m01.json"}, 1,
                    "tarnhold-level: cannot write nowhere/m01.json: No such file or directory; it is left as it was\n"},
        FailureCase{"NoDocument", {"import", "none.json", "M01"}, 1,
                    "tarnhold-level: cannot read none.json: No such file or directory\n"},
        FailureCase{"BadDocument", {"import", "bad.json", "M01"}, 1,
                    "tarnhold-level: bad.json: top level: missing key \"format\"\n"
                    "tarnhold-level: bad.json: top level: missing key \"version\"\n"
                    "tarnhold-level: bad.json: top level: missing key \"start\"\n"
                    "tarnhold-level: bad.json: top level: missing key \"mission\"\n"
                    "tarnhold-level: bad.json: top level: missing key \"buildings\"\n"
                    "tarnhold-level: bad.json: top level: missing key \"units\"\n"
                    "tarnhold-level: bad.json: not imported; nothing was written\n"},
        FailureCase{"ImportWithoutMap", {"import", "-", "M09"}, 1,
                    "tarnhold-level: cannot read M09.map: No such file or directory; nothing was written\n"},
        FailureCase{"ImportIntoRefusedMap", {"import", "-", "big"}, 1,
                    "tarnhold-level: big.map: the editor refuses this map: the map is 97 x 10 cells; the editor "
                    "holds at most 96 x 80; nothing was written\n"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(LevelToolCommand, HelpForTheProgramAndEachCommand) {
    ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: tarnhold-level COMMAND [ARGUMENTS]\n", 0), 0u);
    for (const char* command : {"info", "check", "export", "import", "render"}) {
        run = RunTool({command, "M01", "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind(std::string("Usage: tarnhold-level ") + command, 0), 0u) << run.out;
    }
    run = RunTool({});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("Usage: tarnhold-level", 0), 0u);
}

}  // namespace
