// The whole interface as a table: every control's kind, rectangle, start
// visibility, grey level and start caption, in id order. Ids are positions in the
// control list and every other part of the editor names controls by them, so a
// row must never move; the static_asserts below catch one out of place.
#include "controls/layout_table.h"

#include <cstddef>

#include "controls/scroll_thumbs.h"

namespace {

constexpr bool Shown = true;
constexpr bool Hidden = false;
constexpr const char* NoCaption = EmptyCaption;

// Scroll bars, bottom bar and the object page's panel.
constexpr LayoutRow ScrollBottomAndObjectRows[] = {
    {  1, KindPanel,           HorizontalTrack,      Shown,   64, NoCaption},
    {  2, KindPanel,           VerticalTrack,        Shown,   64, NoCaption},
    {  3, KindHorizontalThumb, HorizontalTrack,      Shown,  127, NoCaption},  // sized by BuildLayout
    {  4, KindVerticalThumb,   VerticalTrack,        Shown,  127, NoCaption},  // sized by BuildLayout
    {  5, KindButton,          {590, 670, 610, 690}, Shown,  127, "大"},
    {  6, KindButton,          {620, 670, 640, 690}, Shown,  127, "缩"},
    {  7, KindButton,          {  5, 670,  25, 690}, Shown,  127, "<"},
    {  8, KindLabel,           { 35, 670,  65, 690}, Shown,   31, NoCaption},
    {  9, KindButton,          { 75, 670,  95, 690}, Shown,  127, ">"},
    { 10, KindButton,          {130, 670, 190, 690}, Shown,  127, "载入地图"},
    { 11, KindLabel,           {670,   0, 940,   0}, Shown,   31, NoCaption},  // no height until the information page
    { 12, KindLabel,           {680,  70, 780,  90}, Hidden,  31, "单位属于:"},
    { 13, KindLabel,           {680, 100, 780, 120}, Hidden,  31, "血量: "},
    { 14, KindLabel,           {680, 130, 780, 150}, Hidden,  31, "卫星保护:"},
    { 15, KindLabel,           {680, 160, 780, 180}, Hidden,  31, "数量:"},
    { 16, KindLabel,           {680, 190, 780, 210}, Hidden,  31, "可研究:"},
    { 17, KindLabel,           {680, 220, 780, 240}, Hidden,  31, "已研究数:"},
    { 18, KindLabel,           {680, 250, 940, 270}, Hidden,  31, "所生产单位(单击图标换)"},
    { 19, KindLabel,           {680, 360, 940, 380}, Hidden,  31, NoCaption},
    { 20, KindButton,          {810,  70, 830,  90}, Hidden, 127, "<"},
    { 21, KindPanel,           {830,  70, 870,  90}, Hidden,  63, NoCaption},
    { 22, KindButton,          {870,  70, 890,  90}, Hidden, 127, ">"},
    { 23, KindButton,          {810, 100, 830, 120}, Hidden, 127, "<"},
    { 24, KindPanel,           {830, 100, 870, 120}, Hidden,  63, NoCaption},
    { 25, KindButton,          {870, 100, 890, 120}, Hidden, 127, ">"},
    { 26, KindButton,          {810, 130, 830, 150}, Hidden, 127, "<"},
    { 27, KindPanel,           {830, 130, 870, 150}, Hidden,  63, NoCaption},
    { 28, KindButton,          {870, 130, 890, 150}, Hidden, 127, ">"},
    { 29, KindPanel,           {810, 160, 890, 180}, Hidden,  63, NoCaption},
    { 30, KindButton,          {810, 190, 830, 210}, Hidden, 127, "<"},
    { 31, KindPanel,           {830, 190, 870, 210}, Hidden,  63, NoCaption},
    { 32, KindButton,          {870, 190, 890, 210}, Hidden, 127, ">"},
    { 33, KindButton,          {810, 220, 830, 240}, Hidden, 127, "<"},
    { 34, KindPanel,           {830, 220, 870, 240}, Hidden,  63, NoCaption},
    { 35, KindButton,          {870, 220, 890, 240}, Hidden, 127, ">"},
    { 36, KindHotspot,         {680, 280, 720, 320}, Hidden, 127, NoCaption},
    { 37, KindHotspot,         {730, 280, 770, 320}, Hidden, 127, NoCaption},
    { 38, KindHotspot,         {780, 280, 820, 320}, Hidden, 127, NoCaption},
    { 39, KindHotspot,         {830, 280, 870, 320}, Hidden, 127, NoCaption},
    { 40, KindHotspot,         {880, 280, 920, 320}, Hidden, 127, NoCaption},
    { 41, KindButton,          {680, 330, 720, 350}, Hidden, 127, NoCaption},
    { 42, KindButton,          {730, 330, 770, 350}, Hidden, 127, NoCaption},
    { 43, KindButton,          {780, 330, 820, 350}, Hidden, 127, NoCaption},
    { 44, KindButton,          {830, 330, 870, 350}, Hidden, 127, NoCaption},
    { 45, KindButton,          {880, 330, 920, 350}, Hidden, 127, NoCaption},
    { 46, KindButton,          {785, 100, 805, 120}, Hidden, 127, "<"},
    { 47, KindButton,          {895, 100, 915, 120}, Hidden, 127, ">"},
    { 48, KindButton,          {680, 670, 800, 690}, Shown,  127, "删除一切单位."},
    { 49, KindButton,          {810, 670, 930, 690}, Shown,  127, "保存修改地图"},
    { 50, KindButton,          {680,   5, 930,  25}, Shown,  127, "地图信息详细编辑科技树...."},
    { 51, KindButton,          {680,  40, 700,  60}, Shown,  127, "<"},
    { 52, KindButton,          {870,  40, 890,  60}, Shown,  127, ">"},
    { 53, KindButton,          {820, 360, 920, 380}, Shown,  127, "删除单位."},
    { 54, KindButton,          {680,  40, 800,  60}, Shown,  127, "添加新建筑."},
    { 55, KindButton,          {810,  40, 930,  60}, Shown,  127, "添加新单位..."},
};

// Information page: credits, research points and the five air forces, one row
// each. A row holds a "<", value, ">" triple for side 0 and another for side 1.
constexpr int32_t ValueRowTops[] = {40, 70, 100, 130, 160, 190, 220};
constexpr int32_t ValueTripleLefts[] = {745, 840};

constexpr std::array<LayoutRow, 42> MakeValueRows() {
    std::array<LayoutRow, 42> rows{};
    std::size_t next = 0;
    int32_t id = FirstValueRowId;
    for (int32_t top : ValueRowTops) {
        for (int32_t left : ValueTripleLefts) {
            const int32_t bottom = top + 20;
            rows[next++] = {id++, KindButton, {left, top, left + 20, bottom}, Hidden, 127, "<"};
            rows[next++] = {id++, KindPanel, {left + 20, top, left + 70, bottom}, Hidden, 63, NoCaption};
            rows[next++] = {id++, KindButton, {left + 70, top, left + 90, bottom}, Hidden, 127, ">"};
        }
    }
    return rows;
}

// The PVT switch icons of both sides.
constexpr LayoutRow PvtRows[] = {
    { 98, KindHotspot,         {760, 260, 800, 300}, Hidden,  63, NoCaption},
    { 99, KindHotspot,         {810, 260, 850, 300}, Hidden,  63, NoCaption},
};

// Which of the five towers each side may build: a column of icons per side.
constexpr int32_t TowerColumnLefts[] = {760, 810};

constexpr std::array<LayoutRow, 10> MakeTowerRows() {
    std::array<LayoutRow, 10> rows{};
    std::size_t next = 0;
    int32_t id = FirstTowerIconId;
    for (int32_t left : TowerColumnLefts) {
        for (int32_t tower = 0; tower < 5; ++tower) {
            const int32_t top = 330 + 50 * tower;
            rows[next++] = {id++, KindHotspot, {left, top, left + 40, top + 40}, Hidden, 63, NoCaption};
        }
    }
    return rows;
}

// Limit, row labels, help buttons and the start position.
constexpr LayoutRow LimitLabelHelpAndStartRows[] = {
    {110, KindButton,          {680, 580, 750, 600}, Hidden, 127, "时间"},
    {111, KindButton,          {760, 580, 840, 600}, Hidden, 127, NoCaption},  // caption set by painting
    {112, KindButton,          {850, 580, 870, 600}, Hidden, 127, "<"},
    {113, KindPanel,           {870, 580, 910, 600}, Hidden,  63, NoCaption},
    {114, KindButton,          {910, 580, 930, 600}, Hidden, 127, ">"},
    {115, KindLabel,           {680,  40, 745,  60}, Hidden,  31, "金钱指数"},
    {116, KindLabel,           {680,  70, 745,  90}, Hidden,  31, "研究指数"},
    {117, KindLabel,           {680, 100, 745, 120}, Hidden,  31, "轰炸机.."},
    {118, KindLabel,           {680, 130, 745, 150}, Hidden,  31, "星体炸弹."},
    {119, KindLabel,           {680, 160, 745, 180}, Hidden,  31, "运兵飞船"},
    {120, KindLabel,           {680, 190, 745, 210}, Hidden,  31, "连环轰炸"},
    {121, KindLabel,           {680, 210, 745, 240}, Hidden,  31, "战斗机.."},  // ten pixels above its row
    {122, KindButton,          {400, 670, 500, 690}, Shown,  127, "关于程序"},
    {123, KindButton,          { 10, 670,  70, 690}, Shown,  127, "<--"},
    {124, KindButton,          {860, 670, 920, 690}, Shown,  127, "-->"},
    {125, KindLabel,           {680, 610, 760, 630}, Hidden, 127, "界面固定."},
    {126, KindButton,          {760, 610, 780, 630}, Hidden, 127, "<"},
    {127, KindPanel,           {780, 610, 820, 630}, Hidden,  63, NoCaption},
    {128, KindButton,          {820, 610, 840, 630}, Hidden, 127, ">"},
    {129, KindButton,          {850, 610, 870, 630}, Hidden, 127, "<"},
    {130, KindPanel,           {870, 610, 910, 630}, Hidden,  63, NoCaption},
    {131, KindButton,          {910, 610, 930, 630}, Hidden, 127, ">"},
};

template <std::size_t N>
constexpr void CopyRows(std::array<LayoutRow, ControlCount>& table, std::size_t& next,
                        const LayoutRow (&rows)[N]) {
    for (const LayoutRow& row : rows) table[next++] = row;
}

template <std::size_t N>
constexpr void CopyRows(std::array<LayoutRow, ControlCount>& table, std::size_t& next,
                        const std::array<LayoutRow, N>& rows) {
    for (const LayoutRow& row : rows) table[next++] = row;
}

constexpr std::array<LayoutRow, ControlCount> MakeLayoutRows() {
    std::array<LayoutRow, ControlCount> table{};
    std::size_t next = 0;
    CopyRows(table, next, ScrollBottomAndObjectRows);
    CopyRows(table, next, MakeValueRows());
    CopyRows(table, next, PvtRows);
    CopyRows(table, next, MakeTowerRows());
    CopyRows(table, next, LimitLabelHelpAndStartRows);
    return table;
}

constexpr bool IdsFollowPositions(const std::array<LayoutRow, ControlCount>& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].id != int32_t(i) + 1) return false;
    }
    return true;
}

constexpr std::size_t SegmentRows = std::size(ScrollBottomAndObjectRows) + 42 + std::size(PvtRows) +
                                    10 + std::size(LimitLabelHelpAndStartRows);
static_assert(SegmentRows == ControlCount, "the layout must have exactly one row per control");

constexpr std::array<LayoutRow, ControlCount> LayoutRows = MakeLayoutRows();
static_assert(IdsFollowPositions(LayoutRows), "layout rows must be in id order without gaps");

}  // namespace

std::span<const LayoutRow, ControlCount> LayoutTable() { return LayoutRows; }
