// The embedded resource table: looks the built-in pictures and icons up by id.
#include "resources/resource_table.h"

#include "resources/embedded_resources.h"

namespace {

std::span<const uint8_t> Find(std::span<const EmbeddedResource> table, uint16_t id) {
    for (const EmbeddedResource& entry : table)
        if (entry.id == id) return {entry.bytes, entry.size};
    return {};
}

}  // namespace

std::span<const uint8_t> FindEmbeddedBitmap(uint16_t id) { return Find(EmbeddedBitmaps(), id); }
std::span<const uint8_t> FindEmbeddedIcon(uint16_t id) { return Find(EmbeddedIcons(), id); }
