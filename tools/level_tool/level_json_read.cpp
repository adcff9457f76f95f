// Reading a level from JSON. Every value is checked against what the files
// can store and what loading gives before anything is kept, and every problem
// is reported with its path in the document, so a bad document is refused as
// a whole and can be fixed in one go.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>
#include <set>

#include "tools/level_tool/level_json.h"
#include "tools/level_tool/level_json_keys.h"

namespace {

using Json = nlohmann::ordered_json;

// What the files can store for a value: its bounds and, for the message, where
// they come from.
struct Storable {
    int64_t lowest;
    int64_t highest;
    const char* reason;
};

constexpr Storable ByteField{0, 255, "the .edt keeps it in a byte"};
constexpr Storable WordField{0, 65535, "the .edt keeps it in 16 bits"};
// Unit positions go to the .edt as cell x 32 + 16 in 16 bits.
constexpr Storable UnitCell{0, 2047, "the .edt keeps the cell x 32 + 16 in 16 bits"};
// The starting position goes to the .map as cell x 32 in 16 bits.
constexpr Storable StartCell{0, 2047, "the .map keeps the cell x 32 in 16 bits"};
// The file has five production levels and tells how many are in use by the
// ones that are not empty.
constexpr Storable ResearchableCount{0, ProductionLevels, "the .edt has 5 production levels"};
// The .edt stores these kinds one row higher, so row 256 is byte 255.
constexpr Storable RaisedRow{0, 256, "the .edt keeps the row above it in a byte"};
// Loading derives a factory's offsets from its codes: a light factory making a
// medium unit holds -1, which saving writes as the byte 255. The heavier
// factories' offsets stay within a byte.
constexpr Storable LightFactoryOffset{ClassOffsetFromLoadedCode(KindLightFactory, 2), 255,
                                      "the .edt keeps it in a byte, and a light factory loads -1 from a medium unit"};
static_assert(ClassOffsetFromLoadedCode(KindMediumFactory, 2) == 0);
constexpr Storable MapColumns{1, MapGridColumns, "the editor's grid has room for 96 columns"};
constexpr Storable MapRows{1, MapGridRows, "the editor's grid has room for 80 rows"};
constexpr Storable AnyInteger{INT32_MIN, INT32_MAX, "the tool keeps 32-bit integers"};

std::string Member(const std::string& path, const std::string& key) { return path.empty() ? key : path + "." + key; }
std::string Element(const std::string& path, size_t index) { return path + "[" + std::to_string(index) + "]"; }
std::string Where(const std::string& path) { return path.empty() ? "top level" : path; }

std::string Describe(const Json& value) {
    switch (value.type()) {
    case Json::value_t::object: return "an object";
    case Json::value_t::array: return "a list";
    case Json::value_t::string: return "the text " + value.dump();
    case Json::value_t::null: return "null";
    default: return value.dump();
    }
}

// A document of many small objects can hold millions of problems; the first
// ones are listed and the rest only counted.
constexpr size_t MostProblemsListed = 100;

struct Reader {
    std::vector<std::string> errors;
    size_t problems = 0;

    void Fail(const std::string& path, const std::string& what) {
        if (problems++ < MostProblemsListed) errors.push_back(Where(path) + ": " + what);
    }

    // An object with these keys: the required ones must be there, the
    // optional ones may be, and no others.
    bool Object(const Json& value, const std::string& path, std::initializer_list<const char*> required,
                std::initializer_list<const char*> optional = {}) {
        if (!value.is_object()) {
            Fail(path, "expected an object, found " + Describe(value));
            return false;
        }
        const auto known = [&](const std::string& key) {
            const auto same = [&](const char* name) { return key == name; };
            return std::any_of(required.begin(), required.end(), same) ||
                   std::any_of(optional.begin(), optional.end(), same);
        };
        bool whole = true;
        for (const auto& [key, child] : value.items())
            if (!known(key)) {
                Fail(Member(path, key), "unknown key");
                whole = false;
            }
        for (const char* key : required)
            if (!value.contains(key)) {
                Fail(path, std::string("missing key \"") + key + "\"");
                whole = false;
            }
        return whole;
    }

    void Integer(const Json& value, const std::string& path, const Storable& storable, int32_t& out) {
        if (!value.is_number_integer()) {
            Fail(path, "expected an integer, found " + Describe(value));
            return;
        }
        // Beyond the range of int64 only an unsigned value can be.
        const bool huge = value.is_number_unsigned() && value.get<uint64_t>() > uint64_t(INT64_MAX);
        const int64_t number = huge ? INT64_MAX : value.get<int64_t>();
        if (huge || number < storable.lowest || number > storable.highest) {
            Fail(path, value.dump() + " cannot be stored: " + storable.reason + " (" + std::to_string(storable.lowest) +
                           ".." + std::to_string(storable.highest) + ")");
            return;
        }
        out = int32_t(number);
    }

    // A list of exactly `count` integers.
    void Integers(const Json& value, const std::string& path, const Storable& storable, int32_t* out, size_t count,
                  const char* items) {
        if (!value.is_array() || value.size() != count) {
            Fail(path, "expected a list of " + std::to_string(count) + " " + items + ", found " +
                           (value.is_array() ? "a list of " + std::to_string(value.size()) : Describe(value)));
            return;
        }
        for (size_t i = 0; i < count; ++i) Integer(value[i], Element(path, i), storable, out[i]);
    }

    void PerSide(const Json& value, const std::string& path, const Storable& storable, int32_t (&out)[2]) {
        Integers(value, path, storable, out, 2, "values (side 0, side 1)");
    }

    void Levels(const Json& value, const std::string& path, const Storable& storable,
                int32_t (&out)[ProductionLevels + 1]) {
        Integers(value, path, storable, out + 1, ProductionLevels, "values (levels 1 to 5)");
    }

    // A table of per-side pairs keyed by name: air forces, towers.
    void NamedPairs(const Json& value, const std::string& path, const char* const* keys, int32_t (*out)[2]) {
        if (!Object(value, path, {keys[0], keys[1], keys[2], keys[3], keys[4]})) return;
        for (int i = 0; i < 5; ++i) PerSide(value[keys[i]], Member(path, keys[i]), ByteField, out[i]);
    }

    void Mission(const Json& value, const std::string& path, LevelInfo& info) {
        if (!Object(value, path,
                    {"credits", "researchPoints", "airForces", "towersAllowed", "pvtFlag", "limit", "opaque4",
                     "opaqueSide", "opaque256"}))
            return;
        PerSide(value["credits"], Member(path, "credits"), WordField, info.credits);
        PerSide(value["researchPoints"], Member(path, "researchPoints"), WordField, info.researchPoints);
        static_assert(AirForceTypes == 5 && TowerKinds == 5);
        NamedPairs(value["airForces"], Member(path, "airForces"), AirForceKeys, info.airForces);
        NamedPairs(value["towersAllowed"], Member(path, "towersAllowed"), TowerKeys, info.towersAllowed);
        PerSide(value["pvtFlag"], Member(path, "pvtFlag"), ByteField, info.pvtFlag);
        const std::string limit = Member(path, "limit");
        if (Object(value["limit"], limit, {"enabled", "time", "type"})) {
            Integer(value["limit"]["enabled"], Member(limit, "enabled"), ByteField, info.limitEnabled);
            Integer(value["limit"]["time"], Member(limit, "time"), ByteField, info.limitTime);
            Integer(value["limit"]["type"], Member(limit, "type"), ByteField, info.limitType);
        }
        Integer(value["opaque4"], Member(path, "opaque4"), ByteField, info.opaque4);
        PerSide(value["opaqueSide"], Member(path, "opaqueSide"), ByteField, info.opaqueSide);
        Integer(value["opaque256"], Member(path, "opaque256"), ByteField, info.opaque256);
    }

    void Start(const Json& value, const std::string& path, LevelInfo& info) {
        if (!Object(value, path, {"x", "y"})) return;
        Integer(value["x"], Member(path, "x"), StartCell, info.startX);
        Integer(value["y"], Member(path, "y"), StartCell, info.startY);
    }

    // Width and height follow the kind; a document may leave them out, but
    // one that gives them must agree, so an edit of the kind alone is not
    // mistaken for a change of footprint.
    void Footprint(const Json& value, const std::string& path, const Building& building) {
        const size_t before = problems;
        int32_t width = building.width, height = building.height;
        if (value.contains("width")) Integer(value["width"], Member(path, "width"), AnyInteger, width);
        if (value.contains("height")) Integer(value["height"], Member(path, "height"), AnyInteger, height);
        if (problems == before && (width != building.width || height != building.height))
            Fail(path, "width and height " + std::to_string(width) + " x " + std::to_string(height) +
                           " do not match kind " + std::to_string(building.kind) + ", which is " +
                           std::to_string(building.width) + " x " + std::to_string(building.height) +
                           " (leave them out or give the kind's footprint)");
    }

    void OneBuilding(const Json& value, const std::string& path, Building& building) {
        if (!Object(value, path,
                    {"kind", "side", "x", "y", "healthPercent", "hitPoints", "satelliteProtection", "researchable",
                     "researched", "produced", "classOffset"},
                    {"width", "height"}))
            return;
        const size_t before = problems;
        Integer(value["kind"], Member(path, "kind"), ByteField, building.kind);
        ApplyFootprint(building);
        Integer(value["side"], Member(path, "side"), ByteField, building.side);
        Integer(value["x"], Member(path, "x"), ByteField, building.x);
        Integer(value["y"], Member(path, "y"), StoredOneRowHigher(building.kind) ? RaisedRow : ByteField, building.y);
        Integer(value["healthPercent"], Member(path, "healthPercent"), ByteField, building.healthPercent);
        Integer(value["hitPoints"], Member(path, "hitPoints"), WordField, building.hitPoints);
        Integer(value["satelliteProtection"], Member(path, "satelliteProtection"), ByteField,
                building.satelliteProtection);
        Integer(value["researchable"], Member(path, "researchable"), ResearchableCount, building.researchable);
        Integer(value["researched"], Member(path, "researched"), ByteField, building.researched);
        Levels(value["produced"], Member(path, "produced"), ByteField, building.produced);
        Levels(value["classOffset"], Member(path, "classOffset"),
               building.kind == KindLightFactory ? LightFactoryOffset : ByteField, building.classOffset);
        if (problems == before) Footprint(value, path, building);
    }

    void OneUnit(const Json& value, const std::string& path, Unit& unit) {
        if (!Object(value, path, {"kind", "side", "x", "y"})) return;
        Integer(value["kind"], Member(path, "kind"), ByteField, unit.kind);
        Integer(value["side"], Member(path, "side"), ByteField, unit.side);
        Integer(value["x"], Member(path, "x"), UnitCell, unit.x);
        Integer(value["y"], Member(path, "y"), UnitCell, unit.y);
    }

    template <typename Record, typename ReadOne>
    void List(const Json& value, const std::string& path, std::vector<Record>& records, ReadOne readOne) {
        if (!value.is_array()) {
            Fail(path, "expected a list, found " + Describe(value));
            return;
        }
        records.assign(value.size(), Record{});
        for (size_t i = 0; i < value.size(); ++i) (this->*readOne)(value[i], Element(path, i), records[i]);
    }

    void Map(const Json& value, const std::string& path, MapGrid& grid) {
        if (!Object(value, path, {"columns", "rows", "terrain"})) return;
        const size_t before = problems;
        Integer(value["columns"], Member(path, "columns"), MapColumns, grid.columns);
        Integer(value["rows"], Member(path, "rows"), MapRows, grid.rows);
        if (problems != before) return;
        const std::string terrain = Member(path, "terrain");
        const Json& rows = value["terrain"];
        if (!rows.is_array() || rows.size() != size_t(grid.rows)) {
            Fail(terrain, "expected a list of " + std::to_string(grid.rows) + " rows, found " +
                              (rows.is_array() ? "a list of " + std::to_string(rows.size()) : Describe(rows)));
            return;
        }
        for (size_t row = 0; row < rows.size(); ++row)
            Integers(rows[row], Element(terrain, row), AnyInteger, grid.cells[row], size_t(grid.columns), "cell values");
    }
};

// A level document nests lists and objects 4 deep (the map's terrain rows);
// one nested much deeper is refused before it is built, so its nesting costs
// no memory.
constexpr size_t DeepestNesting = 64;
static_assert(DeepestNesting > 4);

// One pass over the text as a stream of events, before the document is built:
// it finds the syntax errors, nesting beyond DeepestNesting and keys given
// twice, which nlohmann would take without a word, keeping one of them, and
// the level would then depend on which. The pass keeps where it is to name
// the place; the path is spelled out only for a problem.
struct DocumentScan {
    struct Frame {
        bool object;
        std::set<std::string> keys;
        std::string key;      // the member being read, in an object
        size_t elements = 0;  // the elements begun so far, in a list
    };
    std::vector<Frame> frames;
    std::vector<std::string> duplicates;
    size_t duplicateCount = 0;
    std::string failure;  // why the pass stopped

    std::string PathTo(size_t depth) const {
        std::string path;
        for (size_t i = 0; i < depth; ++i)
            path = frames[i].object ? Member(path, frames[i].key) : Element(path, frames[i].elements - 1);
        return path;
    }

    bool Value() {
        if (!frames.empty() && !frames.back().object) ++frames.back().elements;
        return true;
    }
    bool Begin(bool object) {
        Value();
        if (frames.size() == DeepestNesting) {
            // The path down to where a level document ends is enough to find the place.
            failure = PathTo(4) + "...: lists and objects nested more than " + std::to_string(DeepestNesting) +
                      " deep; a level document nests them 4 deep";
            return false;
        }
        frames.push_back({object, {}, {}, 0});
        return true;
    }
    bool End() {
        frames.pop_back();
        return true;
    }

    bool null() { return Value(); }
    bool boolean(bool) { return Value(); }
    bool number_integer(Json::number_integer_t) { return Value(); }
    bool number_unsigned(Json::number_unsigned_t) { return Value(); }
    bool number_float(Json::number_float_t, const Json::string_t&) { return Value(); }
    bool string(Json::string_t&) { return Value(); }
    bool binary(Json::binary_t&) { return Value(); }
    bool start_object(size_t) { return Begin(true); }
    bool end_object() { return End(); }
    bool start_array(size_t) { return Begin(false); }
    bool end_array() { return End(); }
    bool key(Json::string_t& key) {
        Frame& frame = frames.back();
        frame.key = key;
        if (!frame.keys.insert(key).second && duplicateCount++ < MostProblemsListed)
            duplicates.push_back(PathTo(frames.size()) + ": the key is given twice");
        return true;
    }
    bool parse_error(size_t, const std::string&, const Json::exception& error);
};

// "[json.exception.parse_error.101] parse error at line 2, ..." without the
// library's tag.
std::string ParseErrorText(const std::exception& error) {
    std::string text = error.what();
    const size_t tagEnd = text.find("] ");
    return tagEnd == std::string::npos ? text : text.substr(tagEnd + 2);
}

bool DocumentScan::parse_error(size_t, const std::string&, const Json::exception& error) {
    failure = "not valid JSON: " + ParseErrorText(error);
    return false;
}

}  // namespace

LevelFromJsonResult LevelFromJson(std::string_view text) {
    LevelFromJsonResult result;
    Reader reader;
    DocumentScan scan;
    if (!Json::sax_parse(text.begin(), text.end(), &scan)) {
        result.errors.push_back(scan.failure);
        result.problemCount = 1;
        return result;
    }
    if (scan.duplicateCount > 0) {
        result.errors = std::move(scan.duplicates);
        result.problemCount = scan.duplicateCount;
        return result;
    }
    // The scan has found the text well formed; nlohmann's own parse, without a
    // callback, builds it in time linear in its size.
    const Json document = Json::parse(text.begin(), text.end());

    if (!reader.Object(document, "", {"format", "version", "start", "mission", "buildings", "units"}, {"map"})) {
        result.errors = std::move(reader.errors);
        result.problemCount = reader.problems;
        return result;
    }
    if (document["format"] != LevelJsonFormat) {
        reader.Fail("format", std::string("expected \"") + LevelJsonFormat + "\", found " + Describe(document["format"]));
    } else if (document["version"] != LevelJsonVersion) {
        reader.Fail("version", "this tool reads version " + std::to_string(LevelJsonVersion) + ", found " +
                                   Describe(document["version"]));
    } else {
        Level& level = result.level;
        reader.Start(document["start"], "start", level.levelInfo);
        reader.Mission(document["mission"], "mission", level.levelInfo);
        std::vector<Building> buildings;
        std::vector<Unit> units;
        reader.List(document["buildings"], "buildings", buildings, &Reader::OneBuilding);
        reader.List(document["units"], "units", units, &Reader::OneUnit);
        SetLevelObjects(level, buildings, units);
        if (document.contains("map")) {
            result.hasMap = true;
            reader.Map(document["map"], "map", level.mapGrid);
        }
    }
    result.errors = std::move(reader.errors);
    result.problemCount = reader.problems;
    return result;
}
