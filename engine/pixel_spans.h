// The two inner loops of every paint: filling a span of pixels with one colour, and
// copying a span keyed on one colour. Plain loops of unknown length stay one pixel a
// step at -O2 (the optimiser vectorises a loop there only when no scalar remainder
// is left over); in blocks of a fixed length each block becomes a few vector moves
// under every build type, and only the last few pixels go one at a time.
#pragma once

#include <cstddef>

#include "engine/canvas.h"

namespace pixel_spans {
constexpr size_t Block = 8;
}

inline void FillSpan(Colour* to, size_t count, Colour colour) {
    using pixel_spans::Block;
    size_t i = 0;
    for (; i + Block <= count; i += Block)
        for (size_t k = 0; k < Block; ++k) to[i + k] = colour;
    for (; i < count; ++i) to[i] = colour;
}

// Pixels of `from` whose colour (the low 24 bits) is `key` leave `to` as it was. The
// spans must not overlap: a source and its target are never the same pixels.
inline void CopyKeyedSpan(Colour* __restrict to, const Colour* __restrict from, size_t count, Colour key) {
    using pixel_spans::Block;
    size_t i = 0;
    // A select, not a skipped store, so that a block is a compare and a blend.
    for (; i + Block <= count; i += Block)
        for (size_t k = 0; k < Block; ++k) to[i + k] = (from[i + k] & 0xFFFFFF) != key ? from[i + k] : to[i + k];
    for (; i < count; ++i)
        if ((from[i] & 0xFFFFFF) != key) to[i] = from[i];
}
