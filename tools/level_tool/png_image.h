// PNG files of canvases, through libpng: 8-bit RGB, no alpha.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/canvas.h"

// The PNG file's bytes for `canvas`; false with libpng's reason.
bool EncodePng(const Canvas& canvas, std::vector<uint8_t>& png, std::string& error);

// Reads an 8-bit PNG back into a canvas (for tests and comparisons).
bool DecodePng(const std::vector<uint8_t>& png, Canvas& canvas, std::string& error);
