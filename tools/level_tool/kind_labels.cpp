#include "tools/level_tool/kind_labels.h"

#include <cstring>

#include "level/kind_names.h"
#include "level/kind_rules.h"

std::string PlainKindName(const char* name) {
    std::string plain(name);
    while (!plain.empty() && (plain.back() == ' ' || plain.back() == '.')) plain.pop_back();
    return plain;
}

namespace {

std::string Labelled(int32_t kind, const char* name) {
    if (std::strcmp(name, UnknownKindName) == 0) return "kind " + std::to_string(kind);
    return "kind " + std::to_string(kind) + " (" + PlainKindName(name) + ")";
}

}  // namespace

std::string BuildingKindLabel(int32_t kind) { return Labelled(kind, BuildingKindName(kind)); }
std::string UnitKindLabel(int32_t kind) { return Labelled(kind, UnitKindName(kind)); }

std::string ItemLabel(int32_t code) {
    const char* name = UnitKindName(code);
    if (std::strcmp(name, UnknownKindName) == 0) return std::to_string(code);
    return std::to_string(code) + " (" + PlainKindName(name) + ")";
}

std::string SideLabel(int32_t side) {
    return (side == 2 ? "neutral side " : "side ") + std::to_string(side);
}
