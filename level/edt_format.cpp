// Reading and writing the .edt. Reading walks the file as the format is
// defined, slot by slot with relative skips; writing puts out every byte,
// zeros included, so the file is exactly what the level in memory says.
#include "level/edt_format.h"

#include <algorithm>

#include "level/byte_stream.h"

namespace {

constexpr int64_t HeaderFieldsOffset = 4;  // the magic is not read
constexpr int Sides = 2;

int ReadSlot(ByteReader& reader) {
    const int value = ReadByte(reader);
    Skip(reader, SlotSize - 1);
    return value;
}

int ReadWordSlot(ByteReader& reader) {
    const int value = ReadWord(reader);
    Skip(reader, SlotSize - 2);
    return value;
}

void SkipSlots(ByteReader& reader, int count) { Skip(reader, int64_t(count) * SlotSize); }

void ReadHeader(ByteReader& reader, LevelInfo& info) {
    SeekTo(reader, HeaderFieldsOffset);
    info.opaque4 = ReadSlot(reader);
    for (int side = 0; side < Sides; ++side) info.credits[side] = ReadWordSlot(reader);
    SkipSlots(reader, 1);
    for (int type = 0; type < AirForceTypes; ++type) {
        for (int side = 0; side < Sides; ++side) info.airForces[type][side] = ReadSlot(reader);
        SkipSlots(reader, 1);
    }
    SkipSlots(reader, 3);
    for (int side = 0; side < Sides; ++side) {
        for (int tower = 0; tower < TowerKinds; ++tower) info.towersAllowed[tower][side] = ReadByte(reader);
        Skip(reader, 5);
    }
    SkipSlots(reader, 3);
    for (int side = 0; side < Sides; ++side) info.opaqueSide[side] = ReadSlot(reader);
    SkipSlots(reader, 1);
    for (int side = 0; side < Sides; ++side) info.pvtFlag[side] = ReadSlot(reader);
    SkipSlots(reader, 1);
    for (int side = 0; side < Sides; ++side) info.researchPoints[side] = ReadWordSlot(reader);
    SkipSlots(reader, 25);
    info.opaque256 = ReadSlot(reader);
    // The limit is read whether it is switched on or not.
    info.limitEnabled = ReadSlot(reader);
    info.limitTime = ReadSlot(reader);
    info.limitType = ReadSlot(reader);
    SkipSlots(reader, 26);
}

// The rest of a building record, after its tag. False when the bytes end
// inside it: a read past the end never moves the reader and every skip here
// goes forward, so once one read fails so does the last one.
bool ReadBuildingRecord(ByteReader& reader, Building& building, std::array<int32_t, ProductionLevels>& fileLevels) {
    Skip(reader, SlotSize - 1);
    building.kind = ReadSlot(reader);
    ApplyFootprint(building);
    building.researchable = 0;
    for (int level = 0; level <= ProductionLevels; ++level) {
        const int value = ReadSlot(reader);
        if (level == 0) {
            building.researched = value;
            continue;
        }
        building.produced[level] = value;
        fileLevels[size_t(level - 1)] = value;
        // The file does not keep researchable: it is the number of levels in use.
        // An empty level gets its default item so that raising researchable later
        // shows a valid one.
        if (value != 0)
            ++building.researchable;
        else
            ApplySlotDefault(building, level);
    }
    for (int level = 1; level <= ProductionLevels; ++level) {
        building.classOffset[level] = ReadSlot(reader);
        if (IsFactoryKind(building.kind))
            building.classOffset[level] = ClassOffsetFromLoadedCode(building.kind, building.produced[level]);
    }
    building.hitPoints = ReadWordSlot(reader);
    building.side = ReadSlot(reader);
    building.satelliteProtection = ReadSlot(reader);
    building.x = ReadSlot(reader);
    building.y = RowFromFile(building.kind, ReadSlot(reader));
    building.healthPercent = ReadSlot(reader);
    return building.healthPercent >= 0;
}

// The rest of a unit record, after its tag; false when the bytes end inside it.
bool ReadUnitRecord(ByteReader& reader, Unit& unit) {
    Skip(reader, SlotSize - 1);
    unit.kind = ReadSlot(reader);
    unit.side = ReadSlot(reader);
    unit.x = ReadWordSlot(reader) / PixelsPerCell;
    const int pixelY = ReadWordSlot(reader);
    unit.y = pixelY / PixelsPerCell;
    return pixelY >= 0;
}

// A building at row 0 of a kind stored one row higher would go out as row -1,
// byte 255, and come back at row 256; it is stored at row 0 and so comes back
// at row 1, still on the map.
int32_t StoredRow(const Building& building) {
    if (StoredOneRowHigher(building.kind) && building.y == 0) return 0;
    return FileRowOf(building.kind, building.y);
}

int64_t UnitPixel(int32_t cell) { return int64_t(cell) * PixelsPerCell + PixelsPerCell / 2; }

}  // namespace

EdtContents ParseEdt(std::span<const uint8_t> bytes) {
    EdtContents contents{};
    ByteReader reader{bytes};
    ReadHeader(reader, contents.info);

    // Buildings come first and units after them; the first byte that is neither
    // tag ends the lists, and a record cut short by the end of the file ends
    // them too.
    Building building;
    std::array<int32_t, ProductionLevels> fileLevels;
    while (ReadByte(reader) == BuildingTag) {
        building = Building{};
        if (!ReadBuildingRecord(reader, building, fileLevels)) return contents;
        contents.buildings.push_back(building);
        contents.fileLevels.push_back(fileLevels);
    }
    Skip(reader, -1);
    Unit unit;
    while (ReadByte(reader) == UnitTag) {
        unit = Unit{};
        if (!ReadUnitRecord(reader, unit)) return contents;
        contents.units.push_back(unit);
    }
    return contents;
}

EdtLayout WalkEdtRecords(std::span<const uint8_t> bytes) {
    EdtLayout layout;
    const size_t size = bytes.size();
    layout.endOffset = size;
    if (size < EdtHeaderSize) {
        layout.ending = EdtEnding::HeaderCut;
        return layout;
    }
    size_t at = EdtHeaderSize;
    for (; at < size && bytes[at] == BuildingTag; at += BuildingRecordSize) {
        ++layout.buildingRecords;
        if (at + BuildingRecordSize > size) {
            layout.ending = EdtEnding::RecordCut;
            layout.endOffset = at;
            return layout;
        }
    }
    for (; at < size && bytes[at] == UnitTag; at += UnitRecordSize) {
        ++layout.unitRecords;
        if (at + UnitRecordSize > size) {
            layout.ending = EdtEnding::RecordCut;
            layout.endOffset = at;
            return layout;
        }
    }
    layout.endOffset = at;
    const size_t left = size - at;
    const auto rest = bytes.subspan(at);
    if (left >= EndTag.size() && std::equal(EndTag.begin(), EndTag.end(), rest.begin())) {
        layout.ending = EdtEnding::EndTag;
    } else if (left < EndTag.size() && std::equal(rest.begin(), rest.end(), EndTag.begin())) {
        layout.ending = EdtEnding::EndTagCut;
    } else {
        layout.ending = EdtEnding::StrayByte;
        layout.strayByte = bytes[at];
    }
    return layout;
}

void AppendEdtHeader(std::vector<uint8_t>& out, const LevelInfo& info) {
    out.insert(out.end(), LevelMagic.begin(), LevelMagic.end());
    PutSlot(out, info.opaque4);
    for (int side = 0; side < Sides; ++side) PutWordSlot(out, info.credits[side]);
    PutZeroSlots(out, 1);
    for (int type = 0; type < AirForceTypes; ++type) {
        for (int side = 0; side < Sides; ++side) PutSlot(out, info.airForces[type][side]);
        PutZeroSlots(out, 1);
    }
    PutZeroSlots(out, 3);
    for (int side = 0; side < Sides; ++side) {
        for (int tower = 0; tower < TowerKinds; ++tower) PutByte(out, info.towersAllowed[tower][side]);
        PutZeros(out, 5);
    }
    PutZeroSlots(out, 3);
    for (int side = 0; side < Sides; ++side) PutSlot(out, info.opaqueSide[side]);
    PutZeroSlots(out, 1);
    for (int side = 0; side < Sides; ++side) PutSlot(out, info.pvtFlag[side]);
    PutZeroSlots(out, 1);
    for (int side = 0; side < Sides; ++side) PutWordSlot(out, info.researchPoints[side]);
    PutZeroSlots(out, 25);
    PutSlot(out, info.opaque256);
    PutSlot(out, info.limitEnabled);
    // A limit that is switched off leaves no trace in the file.
    PutSlot(out, info.limitEnabled != 0 ? info.limitTime : 0);
    PutSlot(out, info.limitEnabled != 0 ? info.limitType : 0);
    PutZeroSlots(out, 26);
}

void AppendBuildingRecord(std::vector<uint8_t>& out, const Building& building) {
    // Only kinds above the main base carry production fields; only the
    // factories carry class offsets; levels beyond researchable go out empty.
    const bool produces = building.kind > KindMainBase;
    PutSlot(out, BuildingTag);
    PutSlot(out, building.kind);
    PutSlot(out, produces ? building.researched : 0);
    for (int level = 1; level <= ProductionLevels; ++level) PutSlot(out, SavedProducedItem(building, level));
    for (int level = 1; level <= ProductionLevels; ++level)
        PutSlot(out, IsFactoryKind(building.kind) ? building.classOffset[level] : 0);
    PutWordSlot(out, building.hitPoints);
    PutSlot(out, building.side);
    PutSlot(out, building.satelliteProtection);
    PutSlot(out, building.x);
    PutSlot(out, StoredRow(building));
    PutSlot(out, building.healthPercent);
}

void AppendUnitRecord(std::vector<uint8_t>& out, const Unit& unit) {
    PutSlot(out, UnitTag);
    PutSlot(out, unit.kind);
    PutSlot(out, unit.side);
    PutWordSlot(out, UnitPixel(unit.x));
    PutWordSlot(out, UnitPixel(unit.y));
}

std::vector<uint8_t> WriteEdt(const LevelInfo& info, std::span<const Building> buildings,
                              std::span<const Unit> units) {
    std::vector<uint8_t> out;
    out.reserve(EdtFileSize(buildings.size(), units.size()));
    AppendEdtHeader(out, info);
    for (const Building& building : buildings) AppendBuildingRecord(out, building);
    for (const Unit& unit : units) AppendUnitRecord(out, unit);
    out.insert(out.end(), EndTag.begin(), EndTag.end());
    return out;
}
