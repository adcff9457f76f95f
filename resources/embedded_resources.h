// The pictures and icons built into the program for the backends that have no Windows
// resources. The build makes the tables from the files in resources/ (see
// tools/embed_resources.cmake), so they always match the committed artwork.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

struct EmbeddedResource {
    uint16_t id;
    const uint8_t* bytes;
    size_t size;
};

// In no particular order; ids are unique.
std::span<const EmbeddedResource> EmbeddedBitmaps();
std::span<const EmbeddedResource> EmbeddedIcons();
