// The pictures embedded in the program for the backends that have no Windows
// resources: the same ids as resources/resources.rc, the same bytes as a bitmap
// resource holds (the BMP file without its 14-byte file header).
#pragma once

#include <cstdint>
#include <span>

std::span<const uint8_t> FindEmbeddedBitmap(uint16_t id);
// The icon file (.ico bytes) of icon group `id`, or empty.
std::span<const uint8_t> FindEmbeddedIcon(uint16_t id);
