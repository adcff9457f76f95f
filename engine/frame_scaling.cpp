// Scaling a frame up to the window: two taps per axis with weights out of 256.
#include "engine/frame_scaling.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int WholeWeight = 256;

// Window pixel i along one axis shows `weight[i]`/256 of frame pixel `first[i]`
// and the rest of the next one. Scaling up by a whole factor k and averaging the
// k-fold image over each window pixel weighs every frame pixel by the part of the
// window pixel it covers, whatever k is, so the weights come from that directly.
// A window pixel covers at most one frame pixel's length, so at most two of them.
struct AxisTaps {
    int frameLength = 0, windowLength = 0;
    std::vector<int> first, weight;
};

void Prepare(AxisTaps& taps, int frameLength, int windowLength) {
    if (taps.frameLength == frameLength && taps.windowLength == windowLength) return;
    taps.frameLength = frameLength;
    taps.windowLength = windowLength;
    taps.first.resize(size_t(windowLength));
    taps.weight.resize(size_t(windowLength));
    for (int i = 0; i < windowLength; ++i) {
        // In units of 1/windowLength of a frame pixel, window pixel i spans
        // [i * frameLength, (i + 1) * frameLength).
        const long long start = 1LL * i * frameLength;
        const long long end = start + frameLength;
        const int first = int(start / windowLength);
        const long long boundary = (first + 1LL) * windowLength;
        const long long covered = std::min(end, boundary) - start;
        taps.first[size_t(i)] = first;
        taps.weight[size_t(i)] = int((covered * WholeWeight + frameLength / 2) / frameLength);
    }
}

// Red and blue are mixed in one multiplication, green in another: a channel
// times a weight stays below 2^16, so no field runs into the next.
Colour Mix(Colour a, Colour b, int weightOfA) {
    if (weightOfA == WholeWeight) return a;
    const uint32_t wa = uint32_t(weightOfA), wb = uint32_t(WholeWeight - weightOfA);
    const uint32_t redBlue = (((a & 0xFF00FF) * wa + (b & 0xFF00FF) * wb + 0x800080) >> 8) & 0xFF00FF;
    const uint32_t green = (((a & 0x00FF00) * wa + (b & 0x00FF00) * wb + 0x008000) >> 8) & 0x00FF00;
    return redBlue | green;
}

Colour* RowAt(Colour* target, int y, size_t pitchBytes) {
    return reinterpret_cast<Colour*>(reinterpret_cast<uint8_t*>(target) + size_t(y) * pitchBytes);
}

// A whole scale: each pixel repeated along its row, and the row repeated.
void DrawBlocks(const Canvas& frame, Colour* target, int scale, size_t pitchBytes) {
    const int width = frame.Width() * scale;
    for (int y = 0; y < frame.Height(); ++y) {
        Colour* first = RowAt(target, y * scale, pitchBytes);
        Colour* out = first;
        const Colour* source = frame.Row(y);
        for (int x = 0; x < frame.Width(); ++x) out = std::fill_n(out, scale, source[x]);
        for (int copy = 1; copy < scale; ++copy) std::copy_n(first, width, RowAt(target, y * scale + copy, pitchBytes));
    }
}

// One frame row stretched to the window's width; the last two are kept, since
// consecutive window rows mostly need the same frame rows.
struct StretchedRows {
    int rowOf[2] = {-1, -1};
    std::vector<Colour> pixels[2];
    int older = 0;
};

const Colour* Stretched(StretchedRows& rows, const AxisTaps& columns, const Canvas& frame, int row) {
    for (int slot = 0; slot < 2; ++slot) {
        if (rows.rowOf[slot] != row) continue;
        rows.older = 1 - slot;
        return rows.pixels[slot].data();
    }
    const int slot = rows.older;
    rows.older = 1 - slot;
    rows.rowOf[slot] = row;
    std::vector<Colour>& out = rows.pixels[slot];
    out.resize(size_t(columns.windowLength));
    const Colour* source = frame.Row(row);
    const int lastColumn = frame.Width() - 1;
    for (int x = 0; x < columns.windowLength; ++x) {
        const int first = columns.first[size_t(x)];
        out[size_t(x)] = Mix(source[first], source[std::min(first + 1, lastColumn)], columns.weight[size_t(x)]);
    }
    return out.data();
}

}  // namespace

void ScaleFrame(const Canvas& frame, Colour* target, int width, int height, size_t pitchBytes) {
    static AxisTaps columns, rows;
    static StretchedRows stretched;
    if (frame.IsEmpty() || width < frame.Width() || height < frame.Height()) return;
    const int scale = width / frame.Width();
    if (width == frame.Width() * scale && height == frame.Height() * scale) {
        DrawBlocks(frame, target, scale, pitchBytes);
        return;
    }
    Prepare(columns, frame.Width(), width);
    Prepare(rows, frame.Height(), height);
    stretched.rowOf[0] = stretched.rowOf[1] = -1;  // a new frame
    const int lastRow = frame.Height() - 1;
    for (int y = 0; y < height; ++y) {
        Colour* out = RowAt(target, y, pitchBytes);
        const int first = rows.first[size_t(y)];
        const int weight = rows.weight[size_t(y)];
        const Colour* upper = Stretched(stretched, columns, frame, first);
        if (weight == WholeWeight) {
            std::copy_n(upper, width, out);
            continue;
        }
        const Colour* lower = Stretched(stretched, columns, frame, std::min(first + 1, lastRow));
        for (int x = 0; x < width; ++x) out[x] = Mix(upper[x], lower[x], weight);
    }
}
