// fuzz-seed-maker CORPUS_FOLDER: writes the seed inputs of the fuzz targets into
// CORPUS_FOLDER/edt, /map, /bitmap and /import. Every seed is made here or by the
// demo level generator: small, valid files that reach every branch of the
// parsers, and for the import a few documents that are not.
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "level/edt_format.h"
#include "level/kind_rules.h"
#include "level/level_data.h"
#include "level/pair_reading.h"
#include "tools/demo_levels/demo_levels.h"
#include "tools/demo_levels/map_writer.h"
#include "tools/level_tool/level_json.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool Save(const std::filesystem::path& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

void Put16(Bytes& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

struct DibSeed {
    const char* name;
    int width;
    int height;  // negative: top row first
    int bits;
    bool bitfields;
    int colours;  // palette entries, for 8 bits and fewer
    bool asFile;  // with the 14-byte file header
};

// A device-independent bitmap of stripes and magenta corners, with or without
// the file header.
Bytes MakeDib(const DibSeed& seed) {
    const int rows = seed.height < 0 ? -seed.height : seed.height;
    const size_t stride = (size_t(seed.width) * size_t(seed.bits) + 31) / 32 * 4;
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, uint32_t(seed.width));
    Put32(dib, uint32_t(seed.height));
    Put16(dib, 1);
    Put16(dib, uint32_t(seed.bits));
    Put32(dib, seed.bitfields ? 3 : 0);
    Put32(dib, uint32_t(stride * size_t(rows)));
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, uint32_t(seed.colours));
    Put32(dib, 0);
    if (seed.bitfields) {
        Put32(dib, 0xFF0000);
        Put32(dib, 0x00FF00);
        Put32(dib, 0x0000FF);
    }
    for (int i = 0; i < seed.colours; ++i) {
        const uint8_t level = uint8_t(255 * i / (seed.colours > 1 ? seed.colours - 1 : 1));
        dib.insert(dib.end(), {level, uint8_t(255 - level), uint8_t(i % 2 == 0 ? 255 : 0), 0});
    }
    const size_t pixelStart = dib.size();
    dib.resize(pixelStart + stride * size_t(rows), 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < seed.width; ++x) {
            const bool corner = (x == 0 || x == seed.width - 1) && (y == 0 || y == rows - 1);
            uint8_t* row = &dib[pixelStart + size_t(y) * stride];
            const uint32_t index = uint32_t((x + y) % (seed.colours > 0 ? seed.colours : 1));
            switch (seed.bits) {
            case 1: row[x / 8] |= uint8_t(index << (7 - x % 8)); break;
            case 4: row[x / 2] |= uint8_t(index << (x % 2 == 0 ? 4 : 0)); break;
            case 8: row[x] = uint8_t(index); break;
            default: {
                const uint8_t blue = corner ? 255 : uint8_t(40 * x), green = corner ? 0 : uint8_t(60 * y);
                const uint8_t red = corner ? 255 : 128;
                uint8_t* pixel = row + size_t(x) * size_t(seed.bits / 8);
                pixel[0] = blue;
                pixel[1] = green;
                pixel[2] = red;
            }
            }
        }
    if (!seed.asFile) return dib;
    Bytes file = {'B', 'M'};
    Put32(file, uint32_t(14 + dib.size()));
    Put32(file, 0);
    Put32(file, uint32_t(14 + pixelStart));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// One building of every kind with every production level in use, and one unit
// of every kind, on a level with a limit.
Bytes EveryKindEdt() {
    LevelInfo info{};
    info.credits[0] = 12300;
    info.researchPoints[1] = 700;
    info.airForces[2][0] = 5;
    info.towersAllowed[4][1] = 1;
    info.pvtFlag[0] = 1;
    info.limitEnabled = 1;
    info.limitTime = 40;
    info.limitType = 2;
    std::vector<Building> buildings;
    int column = 1;
    for (const BuildingKindRule& rule : BuildingKindRules) {
        Building building{};
        ApplyBuildingKind(building, rule.kind);
        building.researchable = MaxResearchable(rule.kind);
        building.side = int32_t(buildings.size() % 3);
        building.x = column;
        building.y = 2;
        column += building.width + 1;
        buildings.push_back(building);
    }
    std::vector<Unit> units;
    for (int32_t kind = FirstFamilyUnitKind; kind <= LastSingleUnitKind; ++kind)
        if (kind <= LastFamilyUnitKind || kind >= FirstSingleUnitKind) units.push_back({kind, kind % 2, kind, 9});
    return WriteEdt(info, buildings, units);
}

Bytes EveryValueMap() {
    MapGrid grid{};
    grid.columns = 8;
    grid.rows = 2;
    const int32_t values[] = {0, 1, 2, 3, 10, 11, 12, 13};
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) grid.cells[row][column] = values[(column + row) % 8];
    return WriteMap(grid, 1, 0);
}

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The level tool's document of a level pair.
std::string LevelDocument(const Bytes& map, const Bytes& edt) {
    Level level;
    ReadMapBytes(level, map);
    ReadEdtBytes(level, edt);
    return LevelToJson(level);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Documents for the import: two levels as exported, each kind of fault once,
// and nesting hundreds of thousands deep, kept to a few hundred kilobytes.
std::vector<std::pair<std::string, Bytes>> ImportSeeds(const Bytes& demoMap, const Bytes& demoEdt) {
    const std::string demo = LevelDocument(demoMap, demoEdt);
    const std::string everyKind = LevelDocument(EveryValueMap(), EveryKindEdt());
    std::string objects;
    for (int i = 0; i < 50000; ++i) objects += "[{\"\":";
    return {
        {"demo_M00.json", TextBytes(demo)},
        {"every_kind.json", TextBytes(everyKind)},
        {"key_twice.json", TextBytes(Replaced(everyKind, "{\"kind\": 1,", "{\"kind\": 1, \"kind\": 2,"))},
        {"odd_values.json",
         TextBytes(Replaced(Replaced(Replaced(everyKind, "\"opaque4\": 0", "\"opaque4\": 1.5e300"), "\"x\": 1,",
                                     "\"x\": -0.5,"),
                            "\"credits\": [12300, 0]", "\"credits\": [18446744073709551616, null]"))},
        {"invalid_utf8.json", TextBytes(Replaced(demo, "tarnhold-level", "tarnhold-\xff\xc0level"))},
        {"lists_500000_deep.json", Bytes(500000, '[')},
        {"lists_and_objects_100000_deep.json", TextBytes(objects)},
        {"units_200000_deep.json", TextBytes(Replaced(demo, "\"units\": [", "\"units\": " + std::string(200000, '[')))},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    for (const char* input : {"edt", "map", "bitmap", "import"}) std::filesystem::create_directories(corpus / input);

    bool ok = true;
    for (int number : {0, 3}) {
        const std::unique_ptr<DemoLevel> level = BuildDemoLevel(number);
        const std::string name = "demo_M0" + std::to_string(number);
        ok = level && Save(corpus / "edt" / (name + ".edt"), DemoEdtBytes(*level)) && ok;
        if (number == 0) ok = level && Save(corpus / "map" / (name + ".map"), DemoMapBytes(*level)) && ok;
    }
    ok = Save(corpus / "edt" / "no_objects.edt", WriteEdt(LevelInfo{}, {}, {})) && ok;
    ok = Save(corpus / "edt" / "every_kind.edt", EveryKindEdt()) && ok;
    ok = Save(corpus / "map" / "every_value.map", EveryValueMap()) && ok;
    const std::unique_ptr<DemoLevel> demo = BuildDemoLevel(0);
    if (demo)
        for (const auto& [name, bytes] : ImportSeeds(DemoMapBytes(*demo), DemoEdtBytes(*demo)))
            ok = Save(corpus / "import" / name, bytes) && ok;
    ok = demo && ok;

    const DibSeed dibs[] = {
        {"bits1_file.bmp", 9, 2, 1, false, 2, true},        {"bits4_resource.dib", 5, 3, 4, false, 16, false},
        {"bits8_top_down_file.bmp", 4, -4, 8, false, 6, true}, {"bits24_file.bmp", 3, 3, 24, false, 0, true},
        {"bits24_resource.dib", 3, 2, 24, false, 0, false}, {"bits32_bitfields_file.bmp", 2, 2, 32, true, 0, true},
    };
    for (const DibSeed& seed : dibs) ok = Save(corpus / "bitmap" / seed.name, MakeDib(seed)) && ok;
    if (!ok) std::fprintf(stderr, "could not write every seed into %s\n", argv[1]);
    return ok ? 0 : 1;
}
