// The commands of the map-information page. Each keeps its value inside the
// range the game accepts; a value a file brought outside it is stepped from
// where it stands.
#include "input/information_commands.h"

#include <algorithm>

#include "controls/control_ids.h"
#include "input/editor_state.h"

namespace {

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
    if (id < FirstValueRowId || id > LastValueRowId) return false;
    const int32_t index = id - FirstValueRowId;
    const int32_t row = index / ValueRowIdStride;
    const int32_t side = index % ValueRowIdStride / ValueSideIdStride;
    const int32_t position = index % ValueSideIdStride;  // 0 "<", 1 the value, 2 ">"
    if (position != 1) StepValueRow(row, side, position == 2);
    return true;
}

// Permission icons: 0 becomes 1, anything else 0.
void Toggle(int32_t& flag) { flag = flag == 0 ? 1 : 0; }

bool RunIconCommand(int32_t id) {
    if (id == FirstPvtIconId || id == LastPvtIconId) {
        Toggle(currentLevel.levelInfo.pvtFlag[id - FirstPvtIconId]);
        return true;
    }
    if (id < FirstTowerIconId || id > LastTowerIconId) return false;
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
    case LimitButtonId: info.limitEnabled = info.limitEnabled == 1 ? 0 : 1; return true;
    case LimitTypeId:
        info.limitType = info.limitType + 1 > LastLimitType ? 0 : info.limitType + 1;
        return true;
    case LimitDownId: info.limitTime = std::max(0, info.limitTime - 1); return true;
    case LimitUpId: info.limitTime = std::min(LongestLimitTime, info.limitTime + 1); return true;
    case StartColumnDownId: if (info.startX > 0) --info.startX; return true;
    case StartColumnUpId:
        if (info.startX < currentLevel.mapGrid.columns - GameScreenColumns) ++info.startX;
        return true;
    case StartRowDownId: if (info.startY > 0) --info.startY; return true;
    case StartRowUpId:
        if (info.startY < currentLevel.mapGrid.rows - GameScreenRows) ++info.startY;
        return true;
    default: return false;
    }
}
