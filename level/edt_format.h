// The .edt file: the mission information of both sides, then the buildings,
// then the units, then an end tag. Every field is a 4-byte slot of which the
// editor uses the first byte, or the first two for 16-bit values; the tower
// switches alone are single bytes. The editor writes the whole file from
// memory, so every byte it does not read comes back as zero.
//
// Header (376 bytes), offsets from the start:
//   0 magic 04 00 8E 26          4 opaque4            8, 12 credits (16 bits)
//  16 zero                      20 + 12n air forces n = 0..4: side 0, side 1, zero
//  80 three zero slots          92 towers 25..29 of side 0, five zero bytes
// 102 towers of side 1, five zero bytes               112 three zero slots
// 124, 128 opaqueSide          132 zero            136, 140 pvtFlag
// 144 zero                     148, 152 researchPoints (16 bits)
// 156 25 zero slots            256 opaque256       260 limitEnabled
// 264 limitTime  268 limitType (zero unless the limit is on)  272 26 zero slots
//
// Building record (76 bytes): tag 123, kind, researched, produced 1..5,
// classOffset 1..5, hit points (16 bits), side, satellite protection, x, y,
// health percent. Kinds 100..105 and 107 store y one row higher.
// Unit record (20 bytes): tag 224, kind, side, x and y in pixels (16 bits,
// the cell x 32 + 16 on writing, divided by 32 on reading).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "level/level_data.h"

constexpr std::array<uint8_t, 4> LevelMagic = {0x04, 0x00, 0x8E, 0x26};
constexpr std::array<uint8_t, 4> EndTag = {0xE8, 0x1D, 0x00, 0x00};
constexpr int BuildingTag = 123;
constexpr int UnitTag = 224;

constexpr size_t EdtHeaderSize = 376;
constexpr size_t BuildingRecordSize = 76;
constexpr size_t UnitRecordSize = 20;

constexpr size_t EdtFileSize(size_t buildingCount, size_t unitCount) {
    return EdtHeaderSize + BuildingRecordSize * buildingCount + UnitRecordSize * unitCount + EndTag.size();
}

struct EdtContents {
    LevelInfo info;  // every field but startX and startY, which the .map holds (left 0)
    std::vector<Building> buildings;  // in file order; the level numbers them from 1
    std::vector<Unit> units;
    // Each building's production levels 1..5 as the file holds them, before
    // empty levels get their defaults.
    std::vector<std::array<int32_t, ProductionLevels>> fileLevels;
};

// Reads a whole .edt. A header cut short gives -1 for each byte it lacks; the
// object lists end at the first record that is not whole, so a damaged file
// gives the records it fully holds.
EdtContents ParseEdt(std::span<const uint8_t> bytes);

// How the object lists of an .edt end, the records walked as the editor walks
// them, each taken at its full size.
enum class EdtEnding {
    EndTag,     // at the end tag; bytes may follow it
    HeaderCut,  // the file is shorter than its header
    RecordCut,  // the file ends inside a record
    EndTagCut,  // the file ends before or inside its end tag
    StrayByte,  // at a byte that is neither a record tag nor the end tag: reading stops there
};

struct EdtLayout {
    EdtEnding ending = EdtEnding::EndTag;
    // The records met before the ending, a record cut short included.
    size_t buildingRecords = 0;
    size_t unitRecords = 0;
    // Where the lists end: the end tag, the record cut short, the stray byte,
    // or the end of the file; and the stray byte itself.
    size_t endOffset = 0;
    int strayByte = -1;
};

EdtLayout WalkEdtRecords(std::span<const uint8_t> bytes);

// What saving writes for production level `level` (1..5): the item while the
// kind produces (above the main base) and the level is in use, else 0.
constexpr int32_t SavedProducedItem(const Building& building, int level) {
    return building.kind > KindMainBase && level <= building.researchable ? building.produced[level] : 0;
}

// The whole .edt for this level, EdtFileSize(buildings, units) bytes.
std::vector<uint8_t> WriteEdt(const LevelInfo& info, std::span<const Building> buildings,
                              std::span<const Unit> units);

// The parts of WriteEdt, for tools that build files piece by piece.
void AppendEdtHeader(std::vector<uint8_t>& out, const LevelInfo& info);
void AppendBuildingRecord(std::vector<uint8_t>& out, const Building& building);
void AppendUnitRecord(std::vector<uint8_t>& out, const Unit& unit);
