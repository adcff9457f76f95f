#include "tools/level_tool/level_argument.h"

#include "engine/platform_files.h"
#include "level/pair_reading.h"

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsFolder(const std::string& path) { return platform::KindOfPath(path) == platform::PathKind::Folder; }

}  // namespace

bool LevelPathsOf(std::string_view argument, LevelPairPaths& paths, std::string& error) {
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

std::string CannotReadText(const std::string& path, const std::string& reason) {
    return "cannot read " + path + ": " + reason;
}

bool ReadLevelAt(const LevelPairPaths& paths, Level& level, std::string& error) {
    ResetLevelRecords(level);
    const LevelReadReport report = ReadLevelPair(level, paths);
    if (!report.map.Read()) {
        error = CannotReadText(paths.map, report.map.reason);
        return false;
    }
    if (!report.edt.Read()) {
        error = CannotReadText(paths.edt, report.edt.reason);
        return false;
    }
    if (report.map.Refused()) {
        error = paths.map + ": the editor refuses this map: " + MapRefusalText(report.map);
        return false;
    }
    return true;
}
