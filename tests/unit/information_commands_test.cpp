// The map-information commands, driven through RunClickCommand.
#include <cstring>
#include <vector>

#include "editor_window.h"
#include "input/information_commands.h"

namespace {

using InformationCommands = EditorWindow;

bool SameInformation(const LevelInfo& a, const LevelInfo& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A step of one field; every other field of the mission information must keep
// its value, so each id is seen to reach its own field only.
struct StepCase {
    const char* name;
    int32_t* field;
    int32_t value;
    int id;
    int32_t after;
};

int32_t* FieldsOf(LevelInfo& info) { return reinterpret_cast<int32_t*>(&info); }

void FillDistinctValues() {
    for (size_t i = 0; i < sizeof currentLevel.levelInfo / sizeof(int32_t); ++i) FieldsOf(currentLevel.levelInfo)[i] = 7 + int32_t(i);
}

void RunStepCases(const std::vector<StepCase>& cases) {
    for (const StepCase& c : cases) {
        FillDistinctValues();
        *c.field = c.value;
        LevelInfo expected = currentLevel.levelInfo;
        FieldsOf(expected)[c.field - FieldsOf(currentLevel.levelInfo)] = c.after;
        RunClickCommand(c.id);
        EXPECT_EQ(*c.field, c.after) << c.name << " id " << c.id;
        EXPECT_TRUE(SameInformation(currentLevel.levelInfo, expected)) << c.name << " id " << c.id << ": another field changed";
    }
}

TEST_F(InformationCommands, CreditsAndResearchPointsStepInHundredsUpToTheirCaps) {
    LevelInfo& info = currentLevel.levelInfo;
    RunStepCases({
        {"credits 1234 down", &info.credits[0], 1234, 56, 1200},
        {"credits 1234 up", &info.credits[0], 1234, 58, 1300},
        {"credits 1200 down", &info.credits[1], 1200, 59, 1100},
        {"credits 1200 up", &info.credits[1], 1200, 61, 1300},
        {"credits 0 down", &info.credits[0], 0, 56, 0},
        {"credits 50 down", &info.credits[0], 50, 56, 0},
        {"credits 50 up", &info.credits[1], 50, 61, 100},
        {"credits 9990 up", &info.credits[0], 9990, 58, 10000},
        {"credits 10000 up", &info.credits[0], 10000, 58, 10100},
        {"credits 49950 up to the cap", &info.credits[1], 49950, 61, 50000},
        {"credits at the cap", &info.credits[1], 50000, 61, 50000},
        {"credits 60000 from a file down", &info.credits[0], 60000, 56, 59900},
        {"credits 60000 from a file up", &info.credits[0], 60000, 58, 50000},
        {"credits 65535 from a file down", &info.credits[0], 65535, 56, 65500},
        {"negative credits down to the hundred", &info.credits[0], -250, 56, -200},
        {"negative hundred down to 0", &info.credits[0], -200, 56, 0},
        {"negative credits up by 100", &info.credits[1], -250, 61, -150},
        {"negative credits up past 0", &info.credits[1], -50, 61, 50},
        {"research 9990 up to the cap", &info.researchPoints[0], 9990, 64, 10000},
        {"research at the cap", &info.researchPoints[1], 10000, 67, 10000},
        {"research 9950 down", &info.researchPoints[1], 9950, 65, 9900},
        {"research 100 down", &info.researchPoints[0], 100, 62, 0},
        {"research 20000 from a file up", &info.researchPoints[0], 20000, 64, 10000},
    });
}

TEST_F(InformationCommands, AirForcesStepByOneWithinZeroToFifty) {
    std::vector<StepCase> cases;
    for (int type = 0; type < AirForceTypes; ++type) {
        for (int side = 0; side < 2; ++side) {
            const int down = 68 + 6 * type + 3 * side;
            int32_t* field = &currentLevel.levelInfo.airForces[type][side];
            cases.push_back({"up", field, 10, down + 2, 11});
            cases.push_back({"down", field, 10, down, 9});
            cases.push_back({"50 stays", field, 50, down + 2, 50});
            cases.push_back({"0 stays", field, 0, down, 0});
            cases.push_back({"from a file, down", field, 70, down, 69});
        }
    }
    RunStepCases(cases);
}

TEST_F(InformationCommands, IconsToggleTheirOwnPermission) {
    std::vector<StepCase> cases;
    for (int side = 0; side < 2; ++side) {
        cases.push_back({"pvt 0", &currentLevel.levelInfo.pvtFlag[side], 0, 98 + side, 1});
        cases.push_back({"pvt 1", &currentLevel.levelInfo.pvtFlag[side], 1, 98 + side, 0});
        for (int tower = 0; tower < TowerKinds; ++tower) {
            const int id = 100 + 5 * side + tower;
            cases.push_back({"tower 0", &currentLevel.levelInfo.towersAllowed[tower][side], 0, id, 1});
            cases.push_back({"tower 1", &currentLevel.levelInfo.towersAllowed[tower][side], 1, id, 0});
            cases.push_back({"tower 5 from a file", &currentLevel.levelInfo.towersAllowed[tower][side], 5, id, 0});
        }
    }
    RunStepCases(cases);
}

TEST_F(InformationCommands, LimitSwitchTypeAndTime) {
    LevelInfo& info = currentLevel.levelInfo;
    RunStepCases({
        {"limit on", &info.limitEnabled, 0, 110, 1},
        {"limit off", &info.limitEnabled, 1, 110, 0},
        {"limit 7 from a file", &info.limitEnabled, 7, 110, 1},
        {"type 0 to 1", &info.limitType, 0, 111, 1},
        {"type 1 to 2", &info.limitType, 1, 111, 2},
        {"type 2 wraps", &info.limitType, 2, 111, 0},
        {"type 9 from a file", &info.limitType, 9, 111, 0},
        {"time down", &info.limitTime, 50, 112, 49},
        {"time stops at 0", &info.limitTime, 0, 112, 0},
        {"time up", &info.limitTime, 99, 114, 100},
        {"time stops at 100", &info.limitTime, 100, 114, 100},
        {"time 150 from a file, down", &info.limitTime, 150, 112, 149},
    });
}

TEST_F(InformationCommands, StartPositionKeepsTheGameScreenOnTheMap) {
    const struct {
        const char* name;
        int32_t columns, rows;
        int32_t startX, startY;
        int id;
        int32_t afterX, afterY;
    } cases[] = {
        {"20 columns: x cannot leave 0", 20, 64, 0, 0, 128, 0, 0},
        {"64 columns: x reaches 44", 64, 64, 43, 0, 128, 44, 0},
        {"64 columns: x stops at 44", 64, 64, 44, 0, 128, 44, 0},
        {"x down", 64, 64, 5, 0, 126, 4, 0},
        {"x stops at 0", 64, 64, 0, 0, 126, 0, 0},
        {"15 rows: y cannot leave 0", 64, 15, 0, 0, 131, 0, 0},
        {"64 rows: y reaches 49", 64, 64, 0, 48, 131, 0, 49},
        {"64 rows: y stops at 49", 64, 64, 0, 49, 131, 0, 49},
        {"y down", 64, 64, 0, 3, 129, 0, 2},
        {"y stops at 0", 64, 64, 0, 0, 129, 0, 0},
        {"x past the map from a file comes down", 20, 64, 30, 0, 126, 29, 0},
        {"x past the map from a file stays", 20, 64, 30, 0, 128, 30, 0},
    };
    for (const auto& c : cases) {
        currentLevel.mapGrid.columns = c.columns;
        currentLevel.mapGrid.rows = c.rows;
        currentLevel.levelInfo.startX = c.startX;
        currentLevel.levelInfo.startY = c.startY;
        RunClickCommand(c.id);
        EXPECT_EQ(currentLevel.levelInfo.startX, c.afterX) << c.name;
        EXPECT_EQ(currentLevel.levelInfo.startY, c.afterY) << c.name;
    }
}

TEST_F(InformationCommands, SwitchingTheLimitOffKeepsItsValues) {
    currentLevel.levelInfo.limitEnabled = 1;
    currentLevel.levelInfo.limitType = 2;
    currentLevel.levelInfo.limitTime = 35;
    RunClickCommand(110);
    RunClickCommand(110);
    EXPECT_EQ(currentLevel.levelInfo.limitEnabled, 1);
    EXPECT_EQ(currentLevel.levelInfo.limitType, 2);
    EXPECT_EQ(currentLevel.levelInfo.limitTime, 35);
}

void PressOn(int id) {
    const Rect rect = FindControl(id)->GetRect();
    OnMouseDown((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, true);
    OnMouseUp((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, true);
}

// Through the mouse on the painted page: the limit's type and value buttons
// take clicks only while the limit is on.
TEST_F(InformationCommands, PageButtonsReachTheirValuesThroughTheMouse) {
    RunClickCommand(50);
    Repaint();
    PressOn(58);
    PressOn(61);
    PressOn(61);
    PressOn(103);
    PressOn(111);
    EXPECT_EQ(currentLevel.levelInfo.credits[0], 100);
    EXPECT_EQ(currentLevel.levelInfo.credits[1], 200);
    EXPECT_EQ(currentLevel.levelInfo.towersAllowed[3][0], 1);
    EXPECT_EQ(currentLevel.levelInfo.limitType, 0) << "hidden while the limit is off";
    PressOn(110);
    PressOn(111);
    PressOn(114);
    EXPECT_EQ(currentLevel.levelInfo.limitEnabled, 1);
    EXPECT_EQ(currentLevel.levelInfo.limitType, 1);
    EXPECT_EQ(currentLevel.levelInfo.limitTime, 1);
}

}  // namespace
