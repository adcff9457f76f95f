#include "level/pair_writing.h"

#include <array>
#include <cerrno>
#include <cstdio>

#include "engine/platform_files.h"
#include "level/edt_format.h"
#include "level/map_format.h"

std::vector<uint8_t> LevelEdtBytes(const Level& level) {
    return WriteEdt(level.levelInfo, LevelBuildings(level), LevelUnits(level));
}

bool SavingChangesMapStart(const MapReadReport& map, const Level& level) {
    const std::array<uint8_t, 4> start = MapStartBytes(level.levelInfo.startX, level.levelInfo.startY);
    return start[0] + 256 * start[1] != map.header.startXPixels || start[2] + 256 * start[3] != map.header.startYPixels;
}

// Only a .map that still has its whole header is patched, so a file is never
// lengthened with zeros.
FileWrite PatchMapFileStart(const std::string& path, const Level& level) {
    errno = 0;
    FileWrite result;
    std::FILE* file = platform::OpenFile(path, "r+b");
    if (file == nullptr) {
        result.error = errno;
        return result;
    }
    const std::array<uint8_t, 4> start = MapStartBytes(level.levelInfo.startX, level.levelInfo.startY);
    bool patched = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) >= long(MapHeaderSize) &&
                   std::fseek(file, MapStartXOffset, SEEK_SET) == 0 && std::fputc(start[0], file) != EOF &&
                   std::fputc(start[1], file) != EOF &&
                   std::fseek(file, MapStartYOffset - MapStartXOffset - 2, SEEK_CUR) == 0 &&
                   std::fputc(start[2], file) != EOF && std::fputc(start[3], file) != EOF && std::fflush(file) == 0;
    result.written = std::fclose(file) == 0 && patched;
    result.error = result.written ? 0 : errno;
    return result;
}

FileWrite WriteEdtFile(const std::string& path, const Level& level) {
    const std::vector<uint8_t> bytes = LevelEdtBytes(level);
    errno = 0;
    FileWrite result;
    result.written = platform::ReplaceFileDurably(path.c_str(), bytes);
    result.error = result.written ? 0 : errno;
    return result;
}

LevelWriteReport WriteLevelPair(const Level& level, const LevelPairPaths& paths, bool patchMap) {
    LevelWriteReport report;
    if (patchMap) {
        report.map = PatchMapFileStart(paths.map, level);
        if (!report.map.written) return report;
    }
    report.edt = WriteEdtFile(paths.edt, level);
    return report;
}
