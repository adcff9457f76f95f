#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <random>

#include "level/edt_format.h"
#include "level_test_support.h"

namespace {

Bytes Slots(std::initializer_list<std::array<uint8_t, 4>> slots) {
    Bytes bytes;
    for (const auto& slot : slots) bytes.insert(bytes.end(), slot.begin(), slot.end());
    return bytes;
}

Bytes EmptyHeader() {
    Bytes bytes;
    AppendEdtHeader(bytes, LevelInfo{});
    return bytes;
}

// An .edt of an empty header and these raw records, then the end tag.
Bytes EdtWithRecords(const std::vector<Bytes>& records) {
    Bytes bytes = EmptyHeader();
    for (const Bytes& record : records) bytes.insert(bytes.end(), record.begin(), record.end());
    bytes.insert(bytes.end(), EndTag.begin(), EndTag.end());
    return bytes;
}

// A building record as the game stores it, from its first bytes.
Bytes BuildingRecordBytes(int kind, Levels levels, Levels offsets = {}, int researched = 0, int fileRow = 0) {
    Bytes record(BuildingRecordSize, 0);
    record[0] = BuildingTag;
    record[4] = uint8_t(kind);
    record[8] = uint8_t(researched);
    for (size_t i = 0; i < 5; ++i) {
        record[12 + 4 * i] = uint8_t(levels[i]);
        record[32 + 4 * i] = uint8_t(offsets[i]);
    }
    record[52] = 0xBC;
    record[53] = 0x34;
    record[68] = uint8_t(fileRow);
    record[72] = 100;
    return record;
}

Bytes UnitRecordBytes(int kind, int pixelX, int pixelY) {
    Bytes record(UnitRecordSize, 0);
    record[0] = UnitTag;
    record[4] = uint8_t(kind);
    record[12] = uint8_t(pixelX % 256);
    record[13] = uint8_t(pixelX / 256);
    record[16] = uint8_t(pixelY % 256);
    record[17] = uint8_t(pixelY / 256);
    return record;
}

Building MainBaseAt(int32_t x, int32_t y) {
    Building building = DefaultBuilding();
    building.x = x;
    building.y = y;
    return building;
}

TEST(EdtFormat, WorkedExampleRecords) {
    Bytes building;
    AppendBuildingRecord(building, MainBaseAt(30, 12));
    const Bytes zero = {0, 0, 0, 0};
    Bytes expected = Slots({{0x7B, 0, 0, 0}, {0x64, 0, 0, 0}});
    for (int i = 0; i < 11; ++i) expected.insert(expected.end(), zero.begin(), zero.end());
    const Bytes tail = Slots({{0xBC, 0x34, 0, 0}, {0, 0, 0, 0}, {1, 0, 0, 0}, {0x1E, 0, 0, 0}, {0x0B, 0, 0, 0},
                              {0x64, 0, 0, 0}});
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(building, expected);

    Bytes unit;
    AppendUnitRecord(unit, Unit{7, 0, 12, 5});
    EXPECT_EQ(unit, Slots({{0xE0, 0, 0, 0}, {7, 0, 0, 0}, {0, 0, 0, 0}, {0x90, 0x01, 0, 0}, {0xB0, 0, 0, 0}}));
}

TEST(EdtFormat, FileSizeFollowsTheCounts) {
    const Bytes empty = WriteEdt(LevelInfo{}, {}, {});
    ASSERT_EQ(empty.size(), 380u);
    EXPECT_EQ(Bytes(empty.begin() + 376, empty.end()), Bytes(EndTag.begin(), EndTag.end()));
    EXPECT_EQ(Bytes(empty.begin(), empty.begin() + 4), Bytes(LevelMagic.begin(), LevelMagic.end()));

    const std::vector<Building> buildings(300, MainBaseAt(1, 1));
    const std::vector<Unit> units(50, DefaultUnit());
    EXPECT_EQ(WriteEdt(LevelInfo{}, buildings, units).size(), 24180u);
    EXPECT_EQ(EdtFileSize(300, 50), 24180u);
}

// Every header field with a value of its own, and where its bytes go.
LevelInfo DistinctInfo() {
    LevelInfo info{};
    info.opaque4 = 201;
    info.credits[0] = 50000;
    info.credits[1] = 300;
    for (int type = 0; type < 5; ++type) {
        info.airForces[type][0] = 10 + type;
        info.airForces[type][1] = 20 + type;
        info.towersAllowed[type][0] = type % 2;
        info.towersAllowed[type][1] = 1 - type % 2;
    }
    info.opaqueSide[0] = 77;
    info.opaqueSide[1] = 78;
    info.pvtFlag[0] = 1;
    info.pvtFlag[1] = 0;
    info.researchPoints[0] = 10000;
    info.researchPoints[1] = 768;
    info.opaque256 = 250;
    info.limitEnabled = 1;
    info.limitTime = 45;
    info.limitType = 2;
    return info;
}

TEST(EdtFormat, HeaderBytesSitAtTheirOffsetsAndTheRestIsZero) {
    const Bytes bytes = WriteEdt(DistinctInfo(), {}, {});
    std::map<size_t, uint8_t> expected = {
        {0, 0x04}, {1, 0x00}, {2, 0x8E}, {3, 0x26}, {4, 201},  {8, 0x50}, {9, 0xC3}, {12, 0x2C}, {13, 0x01},
        {92, 0},   {93, 1},   {94, 0},   {95, 1},   {96, 0},   {102, 1},  {103, 0},  {104, 1},   {105, 0},
        {106, 1},  {124, 77}, {128, 78}, {136, 1},  {140, 0},  {148, 0x10}, {149, 0x27}, {152, 0x00},
        {153, 0x03}, {256, 250}, {260, 1}, {264, 45}, {268, 2},
    };
    for (size_t type = 0; type < 5; ++type) {
        expected[20 + 12 * type] = uint8_t(10 + type);
        expected[24 + 12 * type] = uint8_t(20 + type);
    }
    ASSERT_EQ(bytes.size(), 380u);
    for (size_t i = 0; i < 376; ++i) {
        const auto found = expected.find(i);
        EXPECT_EQ(bytes[i], found == expected.end() ? 0 : found->second) << "offset " << i;
    }

    LevelInfo back = ParseEdt(bytes).info;
    LevelInfo original = DistinctInfo();
    EXPECT_EQ(std::memcmp(&back, &original, sizeof back), 0);
}

TEST(EdtFormat, SwitchedOffLimitIsWrittenAsZero) {
    LevelInfo info = DistinctInfo();
    info.limitEnabled = 0;
    const Bytes bytes = WriteEdt(info, {}, {});
    EXPECT_EQ(bytes[260], 0);
    EXPECT_EQ(bytes[264], 0);
    EXPECT_EQ(bytes[268], 0);
    // Reading takes the limit whatever the switch says.
    Bytes edited = bytes;
    edited[264] = 45;
    edited[268] = 1;
    const LevelInfo back = ParseEdt(edited).info;
    EXPECT_EQ(back.limitTime, 45);
    EXPECT_EQ(back.limitType, 1);
}

TEST(EdtFormat, ResearchPointsAreSixteenBitsLowByteFirst) {
    Bytes bytes = EdtWithRecords({});
    bytes[148] = 0x00;
    bytes[149] = 0x03;
    bytes[150] = 0x7F;  // the slot's upper bytes are not part of the value
    EXPECT_EQ(ParseEdt(bytes).info.researchPoints[0], 768);
}

struct LoadedLevelsCase {
    int32_t kind;
    Levels fileLevels;
    int32_t researchable;
    Levels produced;
    Levels savedLevels;
};

TEST(EdtFormat, ProductionLevelsOnLoadingAndSaving) {
    const LoadedLevelsCase cases[] = {
        {101, {4, 0, 0, 0, 0}, 1, {4, 1, 1, 1, 1}, {4, 0, 0, 0, 0}},
        {101, {4, 0, 7, 0, 0}, 2, {4, 1, 7, 1, 1}, {4, 1, 0, 0, 0}},
        {103, {0, 0, 0, 0, 0}, 0, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}},
        {104, {31, 32, 0, 0, 0}, 2, {31, 32, 30, 30, 30}, {31, 32, 0, 0, 0}},
        {105, {16, 17, 0, 0, 0}, 2, {16, 17, 18, 0, 0}, {16, 17, 0, 0, 0}},
        // An empty level 4 of a fixed-item station rewrites level 3.
        {106, {19, 20, 5, 0, 0}, 3, {19, 20, 21, 0, 0}, {19, 20, 21, 0, 0}},
        {107, {0, 0, 0, 0, 0}, 0, {22, 23, 24, 0, 0}, {0, 0, 0, 0, 0}},
        {108, {42, 0, 0, 0, 46}, 2, {42, 41, 41, 41, 46}, {42, 41, 0, 0, 0}},
        // No production: nothing is filled in and nothing is written.
        {100, {0, 0, 0, 0, 0}, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
        {100, {5, 6, 0, 0, 0}, 2, {5, 6, 0, 0, 0}, {0, 0, 0, 0, 0}},
        {27, {1, 0, 0, 0, 0}, 1, {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
        // Kinds above the main base outside the table still carry their levels.
        {150, {9, 0, 0, 0, 0}, 1, {9, 0, 0, 0, 0}, {9, 0, 0, 0, 0}},
    };
    for (const LoadedLevelsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " levels " << testing::PrintToString(c.fileLevels));
        const EdtContents contents = ParseEdt(EdtWithRecords({BuildingRecordBytes(c.kind, c.fileLevels, {}, 3)}));
        ASSERT_EQ(contents.buildings.size(), 1u);
        const Building& building = contents.buildings[0];
        EXPECT_EQ(building.researchable, c.researchable);
        EXPECT_EQ(ProducedOf(building), c.produced);
        EXPECT_EQ(building.researched, 3);

        Bytes saved;
        AppendBuildingRecord(saved, building);
        Levels savedLevels;
        for (size_t i = 0; i < 5; ++i) savedLevels[i] = saved[12 + 4 * i];
        EXPECT_EQ(savedLevels, c.savedLevels);
        EXPECT_EQ(saved[8], c.kind > 100 ? 3 : 0) << "researched";
    }
}

TEST(EdtFormat, ClassOffsetsOfFactoriesFollowTheLoadedCodes) {
    const struct {
        int32_t kind;
        Levels codes;
        Levels offsets;
    } cases[] = {
        {103, {9, 8, 7, 15, 13}, {3, 1, 2, 3, 2}},
        {102, {9, 8, 7, 14, 1}, {2, 0, 1, 0, 1}},
        {101, {9, 8, 7, 0, 1}, {1, -1, 0, 0, 0}},  // empty level 4 defaults to code 1
        // Other kinds keep the bytes of the file, and write zeros.
        {104, {30, 31, 32, 33, 34}, {5, 6, 7, 8, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const Levels fileOffsets = {5, 6, 7, 8, 9};
        const EdtContents contents = ParseEdt(EdtWithRecords({BuildingRecordBytes(c.kind, c.codes, fileOffsets)}));
        ASSERT_EQ(contents.buildings.size(), 1u);
        EXPECT_EQ(OffsetsOf(contents.buildings[0]), c.offsets);

        Bytes saved;
        AppendBuildingRecord(saved, contents.buildings[0]);
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(saved[32 + 4 * i], IsFactoryKind(c.kind) ? uint8_t(c.offsets[i]) : 0) << "level " << i + 1;
    }
}

TEST(EdtFormat, RowsOfTheListedKindsAreStoredOneHigher) {
    const int32_t kinds[] = {25, 26, 27, 28, 29, 100, 101, 102, 103, 104, 105, 106, 107, 108, 50};
    for (int32_t kind : kinds) {
        const bool higher = kind >= 100 && kind <= 107 && kind != 106;
        SCOPED_TRACE(kind);
        const EdtContents contents = ParseEdt(EdtWithRecords({BuildingRecordBytes(kind, {}, {}, 0, 11)}));
        ASSERT_EQ(contents.buildings.size(), 1u);
        EXPECT_EQ(contents.buildings[0].y, higher ? 12 : 11);
        EXPECT_EQ(contents.buildings[0].width, BuildingWidth(kind));
        EXPECT_EQ(contents.buildings[0].height, BuildingHeight(kind));

        Building building = contents.buildings[0];
        Bytes saved;
        AppendBuildingRecord(saved, building);
        EXPECT_EQ(saved[68], 11);

        // Row 0 cannot go one higher: it is stored as 0 and reloads at row 1.
        building.y = 0;
        saved.clear();
        AppendBuildingRecord(saved, building);
        EXPECT_EQ(saved[68], 0);
        EXPECT_EQ(ParseEdt(EdtWithRecords({saved})).buildings.at(0).y, higher ? 1 : 0);
    }
}

TEST(EdtFormat, UnitPixelsAreCellsTimes32PlusHalfACell) {
    const struct {
        int pixels;
        int32_t cell;
        uint8_t savedLow, savedHigh;
    } cases[] = {
        {0, 0, 16, 0}, {31, 0, 16, 0}, {100, 3, 112, 0}, {479, 14, 0xD0, 0x01}, {2256, 70, 0xD0, 0x08},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixels);
        const EdtContents contents = ParseEdt(EdtWithRecords({UnitRecordBytes(44, c.pixels, c.pixels)}));
        ASSERT_EQ(contents.units.size(), 1u);
        EXPECT_EQ(contents.units[0], (Unit{44, 0, c.cell, c.cell}));
        Bytes saved;
        AppendUnitRecord(saved, contents.units[0]);
        EXPECT_EQ(saved[12], c.savedLow);
        EXPECT_EQ(saved[13], c.savedHigh);
        EXPECT_EQ(saved[16], c.savedLow);
        EXPECT_EQ(saved[17], c.savedHigh);
    }
}

TEST(EdtFormat, ListsKeepFileOrderAndEndAtTheFirstOtherTag) {
    const Bytes radar = BuildingRecordBytes(104, {30, 0, 0, 0, 0});
    const Bytes tower = BuildingRecordBytes(25, {});
    const Bytes base = BuildingRecordBytes(100, {});
    const Bytes unitA = UnitRecordBytes(1, 32, 64);
    const Bytes unitB = UnitRecordBytes(46, 96, 128);
    EdtContents contents = ParseEdt(EdtWithRecords({radar, tower, base, unitA, unitB}));
    ASSERT_EQ(contents.buildings.size(), 3u);
    EXPECT_EQ(contents.buildings[0].kind, 104);
    EXPECT_EQ(contents.buildings[1].kind, 25);
    EXPECT_EQ(contents.buildings[2].kind, 100);
    ASSERT_EQ(contents.units.size(), 2u);
    EXPECT_EQ(contents.units[0], (Unit{1, 0, 1, 2}));
    EXPECT_EQ(contents.units[1], (Unit{46, 0, 3, 4}));

    // A building after a unit ends the lists; so does any other tag.
    contents = ParseEdt(EdtWithRecords({radar, unitA, tower, unitB}));
    EXPECT_EQ(contents.buildings.size(), 1u);
    EXPECT_EQ(contents.units.size(), 1u);
    Bytes strange = unitA;
    strange[0] = 0x55;
    contents = ParseEdt(EdtWithRecords({radar, strange, unitB}));
    EXPECT_EQ(contents.buildings.size(), 1u);
    EXPECT_EQ(contents.units.size(), 0u);
    // Units without buildings.
    contents = ParseEdt(EdtWithRecords({unitA, unitB}));
    EXPECT_EQ(contents.buildings.size(), 0u);
    EXPECT_EQ(contents.units.size(), 2u);
}

// Fills every byte of a record that the editor does not read with noise.
void AddNoise(Bytes& bytes, size_t from, size_t to, const std::vector<size_t>& readOffsets) {
    for (size_t i = from; i < to; ++i)
        if (std::find(readOffsets.begin(), readOffsets.end(), i - from) == readOffsets.end())
            bytes[i] = uint8_t(0xA0 + i % 13);
}

TEST(EdtFormat, SavingZeroesEveryByteTheEditorDoesNotRead) {
    Building factory = DefaultBuilding();
    ApplyBuildingKind(factory, 102);
    factory.researchable = 5;
    for (int level = 1; level <= 5; ++level) {
        factory.produced[level] = 3 * level - 1;  // medium classes, offset 0
        factory.classOffset[level] = 0;
    }
    factory.x = 40;
    factory.y = 50;
    const std::vector<Building> buildings = {MainBaseAt(30, 12), factory};
    const std::vector<Unit> units = {Unit{7, 1, 12, 5}};
    const Bytes clean = WriteEdt(DistinctInfo(), buildings, units);

    Bytes noisy = clean;
    std::vector<size_t> headerRead = {4, 8, 9, 12, 13, 124, 128, 136, 140, 148, 149, 152, 153, 256, 260, 264, 268};
    for (size_t n = 0; n < 5; ++n) {
        headerRead.push_back(20 + 12 * n);
        headerRead.push_back(24 + 12 * n);
        headerRead.push_back(92 + n);
        headerRead.push_back(102 + n);
    }
    AddNoise(noisy, 0, 376, headerRead);  // the magic is not read either, but is rewritten
    // A main base's production fields (offsets 8 to 48) are never written.
    AddNoise(noisy, 376, 452, {0, 4, 52, 53, 56, 60, 64, 68, 72});
    std::vector<size_t> factoryRead = {0, 4, 8, 12, 16, 20, 24, 28, 52, 53, 56, 60, 64, 68, 72};
    AddNoise(noisy, 452, 528, factoryRead);
    AddNoise(noisy, 528, 548, {0, 4, 8, 12, 13, 16, 17});
    noisy[549] = 0x99;  // only the end tag's first byte is looked at
    ASSERT_NE(noisy, clean);

    const EdtContents contents = ParseEdt(noisy);
    EXPECT_EQ(WriteEdt(contents.info, contents.buildings, contents.units), clean);
}

TEST(EdtFormat, HeaderCutShortGivesMinusOneForEveryMissingByte) {
    Bytes bytes = WriteEdt(DistinctInfo(), {}, {});
    bytes.resize(9);  // the magic, opaque4's slot and the low byte of credits[0]
    const EdtContents contents = ParseEdt(bytes);
    EXPECT_EQ(contents.info.opaque4, 201);
    EXPECT_EQ(contents.info.credits[0], 0x50 - 256);
    EXPECT_EQ(contents.info.credits[1], -257);
    EXPECT_EQ(contents.info.limitType, -1);
    EXPECT_TRUE(contents.buildings.empty());
    EXPECT_TRUE(contents.units.empty());
}

TEST(EdtFormat, DamagedFileKeepsOnlyTheWholeRecords) {
    const std::vector<Building> buildings = {MainBaseAt(3, 4), MainBaseAt(5, 6)};
    const std::vector<Unit> units = {Unit{1, 0, 2, 3}, Unit{2, 1, 4, 5}};
    const Bytes whole = WriteEdt(LevelInfo{}, buildings, units);
    const EdtContents intact = ParseEdt(whole);
    const size_t unitsStart = 376 + 2 * 76;
    for (size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        const EdtContents contents = ParseEdt(std::span(whole).first(length));
        // A record counts once its last byte read is there: a building's health
        // at offset 72, a unit's y pixel high byte at offset 17.
        size_t expectedBuildings = 0, expectedUnits = 0;
        for (size_t k = 0; k < 2; ++k)
            if (length >= 376 + 76 * k + 73) expectedBuildings = k + 1;
        for (size_t k = 0; k < 2 && expectedBuildings == 2; ++k)
            if (length >= unitsStart + 20 * k + 18) expectedUnits = k + 1;
        ASSERT_EQ(contents.buildings.size(), expectedBuildings);
        ASSERT_EQ(contents.units.size(), expectedUnits);
        for (size_t k = 0; k < expectedBuildings; ++k) EXPECT_EQ(contents.buildings[k], intact.buildings[k]);
        for (size_t k = 0; k < expectedUnits; ++k) EXPECT_EQ(contents.units[k], intact.units[k]);
    }
}

TEST(EdtFormat, TagAsLastByteOfAShortFileReadsNoPhantomRecord) {
    // The building list ends at the end of the file; stepping back one byte
    // finds a unit tag there, but its record lies past the end.
    Bytes bytes = EmptyHeader();
    bytes.back() = UnitTag;
    EXPECT_TRUE(ParseEdt(bytes).units.empty());
    Bytes withBuilding = EdtWithRecords({BuildingRecordBytes(100, {})});
    withBuilding.resize(376 + 76);
    withBuilding.back() = UnitTag;
    const EdtContents contents = ParseEdt(withBuilding);
    EXPECT_EQ(contents.buildings.size(), 1u);
    EXPECT_TRUE(contents.units.empty());
}

TEST(EdtFormat, AnyBytesParseWithoutHarm) {
    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        const size_t length = random() % 2000;
        Bytes bytes(length);
        // Mostly tags, so that long lists are tried.
        for (uint8_t& byte : bytes) byte = random() % 3 == 0 ? uint8_t(random()) : uint8_t(random() % 2 ? 123 : 224);
        const EdtContents contents = ParseEdt(bytes);
        EXPECT_LE(contents.buildings.size() * 76 + contents.units.size() * 20, length);
        const Bytes written = WriteEdt(contents.info, contents.buildings, contents.units);
        EXPECT_EQ(written.size(), EdtFileSize(contents.buildings.size(), contents.units.size()));
    }
}

}  // namespace
