// Each file is read whole and parsed before anything in the level changes.
#include "level/pair_reading.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/platform_files.h"

LevelFile ReadLevelFile(const std::string& path) {
    LevelFile file;
    if (platform::KindOfPath(path) == platform::PathKind::Folder) {
        file.state = FileState::Unreadable;
        file.reason = "it is a folder";
        return file;
    }
    std::FILE* stream = platform::OpenFile(path, "rb");
    if (stream == nullptr) {
        file.reason = std::strerror(errno);
        const bool missing = platform::KindOfPath(path) == platform::PathKind::Missing;
        file.state = missing ? FileState::Missing : FileState::Unreadable;
        return file;
    }
    uint8_t block[65536];
    size_t count;
    while ((count = std::fread(block, 1, sizeof block, stream)) > 0)
        file.bytes.insert(file.bytes.end(), block, block + count);
    const int failure = std::ferror(stream) ? errno : 0;
    std::fclose(stream);
    if (failure != 0) {
        file.state = FileState::Unreadable;
        file.reason = std::strerror(failure);
        file.bytes.clear();
        return file;
    }
    file.state = FileState::Read;
    return file;
}

MapReadReport ReadMapBytes(Level& level, std::span<const uint8_t> bytes) {
    MapReadReport report;
    report.file = FileState::Read;
    report.size = bytes.size();
    // ParseMap checks the size before it writes, so a refused map changes nothing.
    report.check = ParseMap(bytes, report.header, level.mapGrid);
    if (report.Taken()) {
        level.levelInfo.startX = report.header.startX;
        level.levelInfo.startY = report.header.startY;
    }
    return report;
}

EdtReadReport ReadEdtBytes(Level& level, std::span<const uint8_t> bytes) {
    EdtReadReport report;
    report.file = FileState::Read;
    report.size = bytes.size();
    report.layout = WalkEdtRecords(bytes);
    EdtContents contents = ParseEdt(bytes);
    // The starting position belongs to the .map.
    contents.info.startX = level.levelInfo.startX;
    contents.info.startY = level.levelInfo.startY;
    level.levelInfo = contents.info;
    SetLevelObjects(level, contents.buildings, contents.units);
    report.fileLevels = std::move(contents.fileLevels);
    return report;
}

MapReadReport ReadMapFile(Level& level, const LevelFile& file) {
    if (file.state == FileState::Read) return ReadMapBytes(level, file.bytes);
    MapReadReport report;
    report.file = file.state;
    report.reason = file.reason;
    return report;
}

EdtReadReport ReadEdtFile(Level& level, const LevelFile& file) {
    if (file.state == FileState::Read) return ReadEdtBytes(level, file.bytes);
    EdtReadReport report;
    report.file = file.state;
    report.reason = file.reason;
    return report;
}

LevelReadReport ReadLevelPair(Level& level, const LevelFile& map, const LevelFile& edt) {
    LevelReadReport report;
    report.map = ReadMapFile(level, map);
    report.edt = ReadEdtFile(level, edt);
    return report;
}

MapReadReport ReadMapFile(Level& level, const std::string& path) { return ReadMapFile(level, ReadLevelFile(path)); }

EdtReadReport ReadEdtFile(Level& level, const std::string& path) { return ReadEdtFile(level, ReadLevelFile(path)); }

LevelReadReport ReadLevelPair(Level& level, const LevelPairPaths& paths) {
    LevelReadReport report;
    report.map = ReadMapFile(level, paths.map);
    report.edt = ReadEdtFile(level, paths.edt);
    return report;
}

std::string MapRefusalText(const MapReadReport& map) {
    const std::string size = std::to_string(map.header.columns) + " x " + std::to_string(map.header.rows);
    if (!map.Refused()) return "";
    switch (map.check) {
    case MapSizeCheck::HeaderCut:
        return "the file has " + std::to_string(map.size) + " bytes, too few for the " +
               std::to_string(MapHeaderSize) + "-byte header";
    case MapSizeCheck::NoCells: return "the map is " + size + " cells; neither may be 0";
    case MapSizeCheck::TooLarge:
        return "the map is " + size + " cells; the editor holds at most " + std::to_string(MapGridColumns) + " x " +
               std::to_string(MapGridRows);
    case MapSizeCheck::Fits: break;
    }
    return "";
}
