// PNG files of canvases: 8-bit RGB, no alpha, through the header-only writer
// stb_image_write, which the Linux and the Windows build share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/canvas.h"

// The PNG file's bytes for `canvas`; false with the reason.
bool EncodePng(const Canvas& canvas, std::vector<uint8_t>& png, std::string& error);
