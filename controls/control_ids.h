// The id of every control of the layout. An id is the control's position in the
// control list, so these never change; everything outside the layout table names
// a control by one of them, or counts from the first of a regular group.
#pragma once

#include <cstdint>

enum ControlId : int32_t {
    NoControlId = 0,  // a press on no control

    // Scroll bars under and beside the map view.
    HorizontalTrackId = 1,
    VerticalTrackId = 2,
    HorizontalThumbId = 3,
    VerticalThumbId = 4,

    // Bottom bar.
    ZoomInId = 5,           // "大"
    ZoomOutId = 6,          // "缩"
    LevelDownId = 7,
    LevelNumberId = 8,
    LevelUpId = 9,
    LoadLevelId = 10,       // "载入地图"
    PanelAreaId = 11,       // the right panel's background, which the page switch resizes

    // The object page's attribute rows: labels, then "<", value, ">" triples.
    OwnerLabelId = 12,
    HealthLabelId = 13,
    SatelliteLabelId = 14,
    NumberLabelId = 15,
    ResearchableLabelId = 16,
    ResearchedLabelId = 17,
    ProducedLabelId = 18,
    ProductionFooterId = 19,  // an empty label under the produced items
    SideDownId = 20,
    SideBoxId = 21,           // shows the side by its colour
    SideUpId = 22,
    HealthDownId = 23,
    HealthValueId = 24,
    HealthUpId = 25,
    SatelliteDownId = 26,
    SatelliteValueId = 27,
    SatelliteUpId = 28,
    NumberValueId = 29,
    ResearchableDownId = 30,
    ResearchableValueId = 31,
    ResearchableUpId = 32,
    ResearchedDownId = 33,
    ResearchedValueId = 34,
    ResearchedUpId = 35,
    FirstProductionIconId = 36,  // one per production level, to 40
    LastProductionIconId = 40,
    FirstClassButtonId = 41,     // a factory's weight class under each icon, to 45
    LastClassButtonId = 45,
    HealthDownTenId = 46,
    HealthUpTenId = 47,

    // Level-wide buttons and the object list.
    DeleteAllId = 48,        // "删除一切单位."
    SaveLevelId = 49,        // "保存修改地图"
    PageSwitchId = 50,       // between the object page and the information page
    KindDownId = 51,
    KindUpId = 52,
    DeleteSelectedId = 53,   // "删除单位."
    AddBuildingId = 54,      // "添加新建筑."
    AddUnitId = 55,          // "添加新单位..."

    // The information page's value rows (see the strides below), to 97.
    FirstValueRowId = 56,
    FirstValueFieldId = 57,  // the value between the first "<" and ">"
    LastValueRowId = 97,

    // The PVT switches of sides 0 and 1, then the five towers of side 0 and of side 1.
    FirstPvtIconId = 98,
    LastPvtIconId = 99,
    FirstTowerIconId = 100,
    LastTowerIconId = 109,

    // The mission limit.
    LimitButtonId = 110,     // "时间"
    LimitTypeId = 111,       // its caption names the limit type
    LimitDownId = 112,
    LimitValueId = 113,
    LimitUpId = 114,

    // Row labels of the value rows, credits first.
    FirstRowLabelId = 115,
    LastRowLabelId = 121,

    // Help.
    HelpButtonId = 122,      // "关于程序" / " 返回 "
    HelpPreviousId = 123,    // "<--"
    HelpNextId = 124,        // "-->"

    // The starting screen position.
    StartLabelId = 125,
    StartColumnDownId = 126,
    StartColumnValueId = 127,
    StartColumnUpId = 128,
    StartRowDownId = 129,
    StartRowValueId = 130,
    StartRowUpId = 131,
};

constexpr int32_t ControlCount = StartRowUpId;

// The value rows are credits, research points and the five air forces, top to
// bottom; each row is a "<", value, ">" triple for side 0 followed by one for side 1.
constexpr int32_t ValueRowCount = 7;
constexpr int32_t ValueRowIdStride = 6;
constexpr int32_t ValueSideIdStride = 3;
static_assert(FirstValueRowId + ValueRowCount * ValueRowIdStride - 1 == LastValueRowId);

// Five tower icons per side, side 0's column first.
constexpr int32_t TowerIconsPerSide = 5;
static_assert(FirstTowerIconId + 2 * TowerIconsPerSide - 1 == LastTowerIconId);
