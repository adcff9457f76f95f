// What must hold for any bytes read as an .edt: the reader takes only whole
// records and derives every field within its range, its report agrees with
// what it took, and saving what it read gives a file that reads back the same
// and settles after a few saves. Shared by the fuzz target and the unit test
// that replays its corpus.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "level/byte_stream.h"
#include "level/edt_format.h"
#include "level/kind_rules.h"
#include "level/pair_reading.h"
#include "level/pair_writing.h"

namespace fuzz_checks {

inline std::string CheckEdtRecords(const EdtContents& contents, size_t size) {
    // Only records whose fields are all there are taken; the last one may
    // lack the zero bytes that fill up its last slot.
    const size_t records = contents.buildings.size() + contents.units.size();
    const size_t lastPadding = contents.units.empty() ? SlotSize - 1 : SlotSize - 2;
    if (records > 0 && EdtFileSize(contents.buildings.size(), contents.units.size()) - EndTag.size() - lastPadding > size)
        return "records beyond the end of the bytes";
    for (const Building& b : contents.buildings) {
        if (b.kind < 0 || b.kind > 255 || b.x < 0 || b.x > 255 || b.y < 0 || b.y > 256 || b.side < 0 ||
            b.side > 255 || b.hitPoints < 0 || b.hitPoints > 65535 || b.healthPercent < 0 || b.healthPercent > 255)
            return "building field out of its byte";
        if (b.width != BuildingWidth(b.kind) || b.height != BuildingHeight(b.kind)) return "footprint not the kind's";
        if (b.researchable < 0 || b.researchable > ProductionLevels) return "researchable out of range";
    }
    for (const Unit& u : contents.units)
        if (u.kind < 0 || u.kind > 255 || u.side < 0 || u.side > 255 || u.x < 0 || u.x > 2047 || u.y < 0 ||
            u.y > 2047)
            return "unit field out of range";
    return "";
}

inline bool SameHeader(LevelInfo read, LevelInfo written) {
    // A limit that is off goes out as zeros.
    if (read.limitEnabled == 0) read.limitTime = read.limitType = 0;
    auto fields = [](const LevelInfo& i) {
        std::vector<int32_t> v = {i.credits[0], i.credits[1], i.researchPoints[0], i.researchPoints[1],
                                  i.pvtFlag[0], i.pvtFlag[1], i.limitEnabled,      i.limitTime,
                                  i.limitType,  i.opaque4,    i.opaqueSide[0],     i.opaqueSide[1],
                                  i.opaque256};
        for (int t = 0; t < AirForceTypes; ++t) v.insert(v.end(), {i.airForces[t][0], i.airForces[t][1]});
        for (int t = 0; t < TowerKinds; ++t) v.insert(v.end(), {i.towersAllowed[t][0], i.towersAllowed[t][1]});
        return v;
    };
    return fields(read) == fields(written);
}

// The fields a save writes whatever the kind, which must come back as read.
inline bool SamePlace(const Building& a, const Building& b) {
    return a.kind == b.kind && a.side == b.side && a.satelliteProtection == b.satelliteProtection && a.x == b.x &&
           a.y == b.y && a.hitPoints == b.hitPoints && a.healthPercent == b.healthPercent;
}

// The walk that finds where the lists end meets the records the reader takes;
// only a record cut short may be one it met and the reader did not take.
inline std::string CheckEdtReport(const EdtReadReport& report, const EdtContents& read) {
    const EdtLayout& layout = report.layout;
    if (report.fileLevels.size() != read.buildings.size()) return "file levels not one per building";
    // The units are walked only after the last whole building.
    const bool cut = layout.ending == EdtEnding::RecordCut;
    const bool unitCut = cut && layout.unitRecords > 0;
    const auto agrees = [](size_t taken, size_t met, bool mayLackOne) {
        return taken == met || (mayLackOne && taken + 1 == met);
    };
    if (!agrees(read.buildings.size(), layout.buildingRecords, cut && !unitCut) ||
        !agrees(read.units.size(), layout.unitRecords, unitCut))
        return "the report's records disagree with the records read";
    if (layout.endOffset > report.size) return "the lists end past the bytes";
    return "";
}

inline std::string CheckEdtInput(std::span<const uint8_t> bytes) {
    const auto level = std::make_unique<Level>();
    const EdtReadReport report = ReadEdtBytes(*level, bytes);
    const std::span<const Building> buildings = LevelBuildings(*level);
    const std::span<const Unit> units = LevelUnits(*level);
    const EdtContents read{level->levelInfo, {buildings.begin(), buildings.end()}, {units.begin(), units.end()}, {}};
    std::string problem = CheckEdtRecords(read, bytes.size());
    if (problem.empty()) problem = CheckEdtReport(report, read);
    if (!problem.empty()) return problem;

    std::vector<uint8_t> saved = LevelEdtBytes(*level);
    if (saved.size() != EdtFileSize(read.buildings.size(), read.units.size())) return "saved file of the wrong size";
    if (!std::equal(LevelMagic.begin(), LevelMagic.end(), saved.begin()) ||
        !std::equal(EndTag.begin(), EndTag.end(), saved.end() - EndTag.size()))
        return "saved file without its magic or end tag";

    const EdtContents reread = ParseEdt(saved);
    if (reread.buildings.size() != read.buildings.size() || reread.units.size() != read.units.size())
        return "saved file holds a different number of records";
    if (reread.units != read.units) return "a unit changed through a save";
    for (size_t i = 0; i < read.buildings.size(); ++i)
        if (!SamePlace(read.buildings[i], reread.buildings[i])) return "a building moved or changed through a save";
    // A header cut short reads as -1 bytes, which no save can say.
    if (bytes.size() >= EdtHeaderSize && !SameHeader(read.info, reread.info)) return "the header changed through a save";

    // Each save drops what the editor does not keep, so the file settles: at
    // worst one production level per save.
    for (int round = 0; round <= ProductionLevels + 2; ++round) {
        const EdtContents again = ParseEdt(saved);
        std::vector<uint8_t> next = WriteEdt(again.info, again.buildings, again.units);
        if (next == saved) return "";
        saved = std::move(next);
    }
    return "loading and saving keeps changing the file";
}

}  // namespace fuzz_checks
