// Each command takes its arguments, does its work through the tool's library
// and says what went wrong in one line per problem, prefixed with the
// program's name.
#include "tools/level_tool/command_line.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>

#include "engine/platform_files.h"
#include "engine/version.h"
#include "level/pair_reading.h"
#include "level/pair_writing.h"
#include "tools/level_tool/help_texts.h"
#include "tools/level_tool/level_argument.h"
#include "tools/level_tool/level_check.h"
#include "tools/level_tool/level_json.h"
#include "tools/level_tool/level_render.h"
#include "tools/level_tool/level_summary.h"
#include "tools/level_tool/png_image.h"

namespace {

constexpr char ProgramName[] = "tarnhold-level";
// A document with many problems is reported in part; the first ones are
// usually enough to see what is wrong.
constexpr size_t MostJsonErrorsShown = 20;

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    int Fail(const std::string& message) {
        err << ProgramName << ": " << message << "\n";
        return Failed;
    }
    void Warn(const std::string& message) { err << ProgramName << ": warning: " << message << "\n"; }
};

// The arguments of one command: its operands and the options it knows.
struct CommandArguments {
    std::vector<std::string> operands;
    std::optional<std::string> output;
    std::optional<std::string> cell;
    bool whole = false;
    bool help = false;
};

struct CommandSpec {
    const char* name;
    const char* help;
    size_t fewestOperands;
    size_t mostOperands;
    bool takesOutput;
    bool takesRenderOptions;
};

// False, with the message written, for an option the command does not take,
// an option without its value, or the wrong number of operands.
bool ParseCommandArguments(const CommandSpec& syntax, std::span<const std::string> arguments, CommandArguments& parsed,
                           Streams& streams) {
    const std::string command = std::string(ProgramName) + " " + syntax.name;
    const auto usageError = [&](const std::string& message) {
        streams.err << command << ": " << message << " (see '" << command << " --help')\n";
        return false;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
            return true;
        }
        const bool takesValue = (syntax.takesOutput && argument == "-o") || (syntax.takesRenderOptions && argument == "--cell");
        if (takesValue) {
            if (i + 1 == arguments.size()) return usageError("option " + argument + " needs a value");
            (argument == "-o" ? parsed.output : parsed.cell) = arguments[++i];
        } else if (syntax.takesRenderOptions && argument == "--whole") {
            parsed.whole = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return usageError("unknown option '" + argument + "'");
        } else if (argument.empty()) {
            return usageError("an empty argument names nothing");
        } else {
            parsed.operands.push_back(argument);
        }
    }
    if (parsed.operands.size() < syntax.fewestOperands)
        return usageError(syntax.fewestOperands == 1 ? "which level? a LEVEL is needed"
                                                   : "needs " + std::to_string(syntax.fewestOperands) + " arguments");
    if (parsed.operands.size() > syntax.mostOperands)
        return usageError("unexpected argument '" + parsed.operands[syntax.mostOperands] + "'");
    return true;
}

bool ReadLevelArgument(const std::string& argument, LevelPairPaths& paths, Level& level, Streams& streams) {
    std::string error;
    if (LevelPathsOf(argument, paths, error) && ReadLevelAt(paths, level, error)) return true;
    streams.Fail(error);
    return false;
}

bool CannotWrite(const std::string& path, int reason, Streams& streams) {
    streams.Fail("cannot write " + path + (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()) +
                 "; it is left as it was");
    return false;
}

// Through the editor's safe writer: the old file stays whole unless the new
// one is completely written.
bool WriteFile(const std::string& path, std::span<const uint8_t> bytes, Streams& streams) {
    errno = 0;
    if (platform::ReplaceFileDurably(path.c_str(), bytes)) return true;
    return CannotWrite(path, errno, streams);
}

int RunInfo(const CommandArguments& arguments, Streams& streams) {
    LevelPairPaths paths;
    Level level;
    if (!ReadLevelArgument(arguments.operands[0], paths, level, streams)) return Failed;
    streams.out << LevelSummary(level, paths);
    return Succeeded;
}

int RunCheck(const CommandArguments& arguments, Streams& streams) {
    const std::string folder = arguments.operands.empty() ? "." : arguments.operands[0];
    FolderCheck result;
    std::string error;
    if (!CheckFolder(folder, result, error)) {
        streams.err << ProgramName << ": " << error << "\n";
        return BadArguments;
    }
    for (const Finding& finding : result.findings) streams.out << FormatFinding(finding) << "\n";
    streams.out << result.levels << (result.levels == 1 ? " level" : " levels") << " checked: " << result.errors
                << (result.errors == 1 ? " error, " : " errors, ") << result.warnings
                << (result.warnings == 1 ? " warning" : " warnings") << "\n";
    return result.errors > 0 ? Failed : Succeeded;
}

int RunExport(const CommandArguments& arguments, Streams& streams) {
    LevelPairPaths paths;
    Level level;
    if (!ReadLevelArgument(arguments.operands[0], paths, level, streams)) return Failed;
    const std::string json = LevelToJson(level);
    if (!arguments.output || *arguments.output == "-") {
        streams.out << json;
        return Succeeded;
    }
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(json.data()), json.size());
    if (!WriteFile(*arguments.output, bytes, streams)) return Failed;
    streams.out << "wrote " << *arguments.output << "\n";
    return Succeeded;
}

// The "map" section is there for reading; the .map's terrain is the editor's
// business and import leaves it alone, but says so when the two differ.
void CompareMapSection(const MapGrid& fromJson, const MapGrid& fromMap, const std::string& jsonName,
                       const std::string& mapPath, Streams& streams) {
    if (fromJson.columns != fromMap.columns || fromJson.rows != fromMap.rows) {
        streams.Warn(jsonName + " describes a " + std::to_string(fromJson.columns) + " x " +
                     std::to_string(fromJson.rows) + " map, but " + mapPath + " is " + std::to_string(fromMap.columns) +
                     " x " + std::to_string(fromMap.rows) + "; import changes only the start position in the .map");
        return;
    }
    for (int32_t row = 0; row < fromMap.rows; ++row)
        for (int32_t column = 0; column < fromMap.columns; ++column)
            if (fromJson.cells[row][column] != fromMap.cells[row][column]) {
                streams.Warn(jsonName + "'s terrain differs from " + mapPath + " first at column " +
                             std::to_string(column) + ", row " + std::to_string(row) +
                             "; import changes only the start position in the .map");
                return;
            }
}

int RunImport(const CommandArguments& arguments, Streams& streams) {
    const std::string& jsonName = arguments.operands[0];
    std::string text, error;
    if (jsonName == "-") {
        text.assign(std::istreambuf_iterator<char>(streams.in), std::istreambuf_iterator<char>());
    } else {
        const LevelFile file = ReadLevelFile(jsonName);
        if (file.state != FileState::Read) return streams.Fail(CannotReadText(jsonName, file.reason));
        text.assign(file.bytes.begin(), file.bytes.end());
    }
    const LevelFromJsonResult document = LevelFromJson(text);
    if (!document.errors.empty()) {
        for (size_t i = 0; i < document.errors.size() && i < MostJsonErrorsShown; ++i)
            streams.err << ProgramName << ": " << jsonName << ": " << document.errors[i] << "\n";
        if (document.problemCount > MostJsonErrorsShown)
            streams.err << ProgramName << ": " << jsonName << ": "
                        << document.problemCount - MostJsonErrorsShown << " more problems not shown\n";
        return streams.Fail(jsonName + ": not imported; nothing was written");
    }

    // The .map must be one the editor loads, as saving patches only such a file.
    LevelPairPaths paths;
    if (!LevelPathsOf(arguments.operands[1], paths, error)) return streams.Fail(error + "; nothing was written");
    Level onDisk;
    const MapReadReport map = ReadLevelPair(onDisk, paths).map;
    if (!map.Read())
        return streams.Fail(CannotReadText(paths.map, map.reason) + "; nothing was written");
    if (map.Refused())
        return streams.Fail(paths.map + ": the editor refuses this map: " + MapRefusalText(map) +
                            "; nothing was written");
    if (document.hasMap) CompareMapSection(document.level.mapGrid, onDisk.mapGrid, jsonName, paths.map, streams);

    const Level& level = document.level;
    const bool startChanges = SavingChangesMapStart(map, level);
    const LevelWriteReport written = WriteLevelPair(level, paths, startChanges);
    if (startChanges && !written.map.written)
        return streams.Fail("cannot write the start position into " + paths.map + ": " +
                            std::strerror(written.map.error) + "; nothing was written");
    if (!written.edt.written) {
        CannotWrite(paths.edt, written.edt.error, streams);
        if (startChanges) streams.Warn("the start position in " + paths.map + " was already written");
        return Failed;
    }
    streams.out << "wrote " << paths.edt << " (" << level.buildingCount << " buildings, " << level.unitCount
                << " units) and the start position " << level.levelInfo.startX << ", " << level.levelInfo.startY
                << " into " << paths.map << "\n";
    return Succeeded;
}

int RunRender(const CommandArguments& arguments, Streams& streams) {
    const std::string command = std::string(ProgramName) + " render";
    if (!arguments.output) {
        streams.err << command << ": the PNG file is missing: give -o FILE.png (see '" << command << " --help')\n";
        return BadArguments;
    }
    int cellSize = 10;
    if (arguments.cell) {
        if (*arguments.cell != "10" && *arguments.cell != "20" && *arguments.cell != "40") {
            streams.err << command << ": --cell takes 10, 20 or 40, not '" << *arguments.cell << "'\n";
            return BadArguments;
        }
        cellSize = std::stoi(*arguments.cell);
    }
    LevelPairPaths paths;
    Level level;
    if (!ReadLevelArgument(arguments.operands[0], paths, level, streams)) return Failed;
    const Canvas picture = RenderLevel(level, cellSize, arguments.whole);
    std::vector<uint8_t> png;
    std::string error;
    if (!EncodePng(picture, png, error)) return streams.Fail(error);
    if (!WriteFile(*arguments.output, png, streams)) return Failed;
    streams.out << "wrote " << *arguments.output << " (" << picture.Width() << " x " << picture.Height()
                << " pixels)\n";
    return Succeeded;
}

struct Command {
    CommandSpec syntax;
    int (*run)(const CommandArguments&, Streams&);
};

constexpr Command Commands[] = {
    {{"info", InfoHelp, 1, 1, false, false}, RunInfo},
    {{"check", CheckHelp, 0, 1, false, false}, RunCheck},
    {{"export", ExportHelp, 1, 1, true, false}, RunExport},
    {{"import", ImportHelp, 2, 2, false, false}, RunImport},
    {{"render", RenderHelp, 1, 1, true, true}, RunRender},
};

}  // namespace

int RunLevelTool(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    Streams streams{in, out, err};
    if (arguments.empty()) {
        err << ToolHelp;
        return BadArguments;
    }
    const std::string& name = arguments[0];
    if (name == "--help" || name == "-h" || name == "help") {
        out << ToolHelp;
        return Succeeded;
    }
    if (name == "--version") {
        out << ProgramName << " " << ProgramVersion << "\n";
        return Succeeded;
    }
    for (const Command& command : Commands) {
        if (name != command.syntax.name) continue;
        CommandArguments parsed;
        if (!ParseCommandArguments(command.syntax, std::span(arguments).subspan(1), parsed, streams)) return BadArguments;
        if (parsed.help) {
            out << command.syntax.help;
            return Succeeded;
        }
        return command.run(parsed, streams);
    }
    err << ProgramName << ": unknown command '" << name << "' (see '" << ProgramName << " --help')\n";
    return BadArguments;
}
