#include "tools/level_tool/level_reading.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "level/edt_format.h"

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

}  // namespace

bool LevelPathsOf(std::string_view argument, LevelPaths& paths, std::string& error) {
    std::string base(argument);
    if (EndsWith(base, ".map") || EndsWith(base, ".edt")) base.resize(base.size() - 4);
    if (base.empty() || base.back() == '/') {
        error = "'" + std::string(argument) + "' names no level; give a base name like M03 or a .map or .edt file";
        return false;
    }
    if (IsFolder(std::string(argument))) {
        error = "'" + std::string(argument) + "' is a folder; give a level like " +
                std::string(argument) + (argument.ends_with('/') ? "" : "/") + "M03";
        return false;
    }
    paths.map = base + ".map";
    paths.edt = base + ".edt";
    return true;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    bytes.clear();
    if (IsFolder(path)) {
        error = "cannot read " + path + ": it is a folder";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    uint8_t block[65536];
    size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + count);
    const int failure = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (failure != 0) {
        error = "cannot read " + path + ": " + std::strerror(failure);
        return false;
    }
    return true;
}

std::string MapRefusal(MapSizeCheck check, size_t fileSize, const MapHeader& header) {
    const std::string size = std::to_string(header.columns) + " x " + std::to_string(header.rows);
    switch (check) {
    case MapSizeCheck::Fits: return "";
    case MapSizeCheck::HeaderCut:
        return "the file has " + std::to_string(fileSize) + " bytes, too few for the " +
               std::to_string(MapHeaderSize) + "-byte header";
    case MapSizeCheck::NoCells: return "the map is " + size + " cells; neither may be 0";
    case MapSizeCheck::TooLarge:
        return "the map is " + size + " cells; the editor holds at most " + std::to_string(MapGridColumns) + " x " +
               std::to_string(MapGridRows);
    }
    return "";
}

bool ReadLevel(const LevelPaths& paths, LevelRecords& level, std::string& error) {
    std::vector<uint8_t> mapBytes, edtBytes;
    if (!ReadFileBytes(paths.map, mapBytes, error) || !ReadFileBytes(paths.edt, edtBytes, error)) return false;

    level = LevelRecords{};
    MapHeader header;
    const MapSizeCheck check = ParseMap(mapBytes, header, level.grid);
    if (check != MapSizeCheck::Fits) {
        error = paths.map + ": the editor refuses this map: " + MapRefusal(check, mapBytes.size(), header);
        return false;
    }
    EdtContents contents = ParseEdt(edtBytes);
    level.info = contents.info;
    level.info.startX = header.startX;
    level.info.startY = header.startY;
    level.buildings = std::move(contents.buildings);
    level.units = std::move(contents.units);
    return true;
}
