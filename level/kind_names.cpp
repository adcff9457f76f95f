// The display names of the object kinds.
#include "level/kind_names.h"

#include <cstddef>

namespace {

struct KindName {
    int32_t kind;
    const char* name;
};

constexpr KindName UnitKindNames[] = {
    {  1, "轻型空对空坦克   "},
    {  2, "中型空对空坦克     "},
    {  3, "重型空对空坦克   "},
    {  4, "轻型炮兵       "},
    {  5, "中型炮兵         "},
    {  6, "重型炮兵       "},
    {  7, "轻型坦克  "},
    {  8, "中型坦克    "},
    {  9, "重型坦克  "},
    { 10, "轻型喷火器坦克  "},
    { 11, "中型喷火器坦克    "},
    { 12, "重型喷火器坦克  "},
    { 13, "轻型特派坦克 "},
    { 14, "中型特派坦克   "},
    { 15, "重型特派坦克 "},
    { 40, "UFO"},
    { 41, "科迪亚"},
    { 42, "空对空复仇"},
    { 43, "美洲狮"},
    { 44, "格林激光"},
    { 45, "阿基里斯  "},
    { 46, "罗G"},
};

constexpr KindName BuildingKindNames[] = {
    { 25, "小炮塔"},
    { 26, "空对空防空炮塔  "},
    { 27, "等离子炮塔    "},
    { 28, "格林激光炮塔  "},
    { 29, "拘束炮弹炮塔  "},
    {100, "主基地....."},
    {101, "轻型工厂...."},
    {102, "中型工厂......."},
    {103, "重型工厂....."},
    {104, "雷达 "},
    {105, "金块生产站"},
    {106, "太阳能研发"},
    {107, "风能发电站"},
    {108, "地下机器人生产工厂"},
};

template <std::size_t N>
const char* NameIn(const KindName (&table)[N], int32_t kind) {
    for (const KindName& entry : table)
        if (entry.kind == kind) return entry.name;
    return UnknownKindName;
}

}  // namespace

const char* UnitKindName(int32_t kind) { return NameIn(UnitKindNames, kind); }
const char* BuildingKindName(int32_t kind) { return NameIn(BuildingKindNames, kind); }
