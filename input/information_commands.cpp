// The commands of the map-information page. Each keeps its value inside the
// range the game accepts; a value a file brought outside it is stepped from
// where it stands.
#include "input/information_commands.h"

#include <algorithm>

#include "input/editor_state.h"

namespace {

// The value rows, each a "<", value, ">" triple for side 0 and another for
// side 1: credits, research points, then the five air forces.
constexpr int32_t FirstValueRowId = 56;
constexpr int32_t ValueRowCount = 7;
constexpr int32_t IdsPerValueRow = 6;
constexpr int32_t IdsPerSide = 3;

void StepValueRow(int32_t row, int32_t side, bool up) {
    LevelInfo& info = currentLevel.levelInfo;
    if (row == 0) {
        int32_t& credits = info.credits[side];
        credits = up ? HundredAbove(credits, CreditsCap) : HundredBelow(credits);
    } else if (row == 1) {
        int32_t& points = info.researchPoints[side];
        points = up ? HundredAbove(points, ResearchPointsCap) : HundredBelow(points);
    } else {
        int32_t& planes = info.airForces[row - 2][side];
        if (up && planes < MostAirForces) ++planes;
        if (!up && planes > 0) --planes;
    }
}

// Returns whether `id` is in the value rows; the value fields themselves do nothing.
bool RunValueRowCommand(int32_t id) {
    if (id < FirstValueRowId || id >= FirstValueRowId + ValueRowCount * IdsPerValueRow) return false;
    const int32_t index = id - FirstValueRowId;
    const int32_t row = index / IdsPerValueRow;
    const int32_t side = index % IdsPerValueRow / IdsPerSide;
    const int32_t position = index % IdsPerSide;  // 0 "<", 1 the value, 2 ">"
    if (position != 1) StepValueRow(row, side, position == 2);
    return true;
}

// Permission icons: 0 becomes 1, anything else 0.
void Toggle(int32_t& flag) { flag = flag == 0 ? 1 : 0; }

constexpr int32_t FirstPvtIconId = 98;
constexpr int32_t FirstTowerIconId = 100;
constexpr int32_t TowerIconsPerSide = 5;

bool RunIconCommand(int32_t id) {
    if (id == FirstPvtIconId || id == FirstPvtIconId + 1) {
        Toggle(currentLevel.levelInfo.pvtFlag[id - FirstPvtIconId]);
        return true;
    }
    if (id < FirstTowerIconId || id >= FirstTowerIconId + 2 * TowerIconsPerSide) return false;
    const int32_t index = id - FirstTowerIconId;
    Toggle(currentLevel.levelInfo.towersAllowed[index % TowerIconsPerSide][index / TowerIconsPerSide]);
    return true;
}

}  // namespace

int32_t HundredBelow(int32_t value) {
    const int32_t remainder = value % 100;  // takes the sign of the value
    if (remainder != 0) return value - remainder;
    return std::max(0, value - 100);
}

int32_t HundredAbove(int32_t value, int32_t cap) {
    const int32_t step = std::min(100, 100 - value % 100);
    return std::min(cap, value + step);
}

bool RunMapInformationCommand(int32_t id) {
    if (RunValueRowCommand(id) || RunIconCommand(id)) return true;
    LevelInfo& info = currentLevel.levelInfo;
    switch (id) {
    case 110: info.limitEnabled = info.limitEnabled == 1 ? 0 : 1; return true;  // "时间"
    case 111:  // the limit type's name
        info.limitType = info.limitType + 1 > LastLimitType ? 0 : info.limitType + 1;
        return true;
    case 112: info.limitTime = std::max(0, info.limitTime - 1); return true;
    case 114: info.limitTime = std::min(LongestLimitTime, info.limitTime + 1); return true;
    case 126: if (info.startX > 0) --info.startX; return true;
    case 128: if (info.startX < currentLevel.mapGrid.columns - GameScreenColumns) ++info.startX; return true;
    case 129: if (info.startY > 0) --info.startY; return true;
    case 131: if (info.startY < currentLevel.mapGrid.rows - GameScreenRows) ++info.startY; return true;
    default: return false;
    }
}
