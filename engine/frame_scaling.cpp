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
void DrawBlocks(const Canvas& frame, Colour* target, int scale, size_t pitchBytes, PixelRect area) {
    // The columns whose blocks lie wholly inside the area, and the parts of the two at its edges.
    const int firstWhole = (area.left + scale - 1) / scale, endWhole = area.right / scale;
    for (int y = area.top; y < area.bottom;) {
        const int frameRow = y / scale;
        const int blockEnd = std::min((frameRow + 1) * scale, area.bottom);
        const Colour* source = frame.Row(frameRow);
        Colour* first = RowAt(target, y, pitchBytes);
        if (firstWhole > endWhole) {
            std::fill(first + area.left, first + area.right, source[area.left / scale]);
        } else {
            std::fill(first + area.left, first + firstWhole * scale, source[area.left / scale]);
            Colour* out = first + firstWhole * scale;
            for (int x = firstWhole; x < endWhole; ++x) out = std::fill_n(out, scale, source[x]);
            if (endWhole * scale < area.right) std::fill(out, first + area.right, source[endWhole]);
        }
        for (int copy = y + 1; copy < blockEnd; ++copy)
            std::copy(first + area.left, first + area.right, RowAt(target, copy, pitchBytes) + area.left);
        y = blockEnd;
    }
}

// One frame row stretched to the window's width, between the columns of the
// area being drawn; the last two are kept, since consecutive window rows mostly
// need the same frame rows.
struct StretchedRows {
    int rowOf[2] = {-1, -1};
    std::vector<Colour> pixels[2];
    int older = 0;
};

const Colour* Stretched(StretchedRows& rows, const AxisTaps& columns, const Canvas& frame, int row,
                        const PixelRect& area) {
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
    for (int x = area.left; x < area.right; ++x) {
        const int first = columns.first[size_t(x)];
        out[size_t(x)] = Mix(source[first], source[std::min(first + 1, lastColumn)], columns.weight[size_t(x)]);
    }
    return out.data();
}

// Along one axis, the window pixels that show frame pixels [first, end): at a
// fractional scale window pixel i mixes frame pixel i * frame / window, rounded
// down, with the next one.
void WindowSpan(int first, int end, int frameLength, int windowLength, int& windowFirst, int& windowEnd) {
    const auto ceilingOf = [&](long long framePixel) {
        return int((framePixel * windowLength + frameLength - 1) / frameLength);
    };
    windowFirst = first <= 0 ? 0 : ceilingOf(first - 1);
    windowEnd = std::min(ceilingOf(end), windowLength);
}

}  // namespace

void ScaleFrame(const Canvas& frame, Colour* target, int width, int height, size_t pitchBytes) {
    ScaleFrameArea(frame, target, width, height, pitchBytes, {0, 0, width, height});
}

void ScaleFrameArea(const Canvas& frame, Colour* target, int width, int height, size_t pitchBytes,
                    PixelRect area) {
    static AxisTaps columns, rows;
    static StretchedRows stretched;
    if (frame.IsEmpty() || width < frame.Width() || height < frame.Height()) return;
    area = {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width), std::min(area.bottom, height)};
    if (area.IsEmpty()) return;
    const int scale = width / frame.Width();
    if (width == frame.Width() * scale && height == frame.Height() * scale) {
        DrawBlocks(frame, target, scale, pitchBytes, area);
        return;
    }
    Prepare(columns, frame.Width(), width);
    Prepare(rows, frame.Height(), height);
    stretched.rowOf[0] = stretched.rowOf[1] = -1;  // a new frame, or another area of it
    const int lastRow = frame.Height() - 1;
    for (int y = area.top; y < area.bottom; ++y) {
        Colour* out = RowAt(target, y, pitchBytes);
        const int first = rows.first[size_t(y)];
        const int weight = rows.weight[size_t(y)];
        const Colour* upper = Stretched(stretched, columns, frame, first, area);
        if (weight == WholeWeight) {
            std::copy(upper + area.left, upper + area.right, out + area.left);
            continue;
        }
        const Colour* lower = Stretched(stretched, columns, frame, std::min(first + 1, lastRow), area);
        for (int x = area.left; x < area.right; ++x) out[x] = Mix(upper[x], lower[x], weight);
    }
}

PixelRect WindowAreaShowing(PixelRect frameArea, PixelSize frame, PixelSize window) {
    if (frame.width <= 0 || frame.height <= 0) return {};
    const int scale = window.width / frame.width;
    if (window.width == frame.width * scale && window.height == frame.height * scale)
        return {frameArea.left * scale, frameArea.top * scale, frameArea.right * scale, frameArea.bottom * scale};
    PixelRect area;
    WindowSpan(frameArea.left, frameArea.right, frame.width, window.width, area.left, area.right);
    WindowSpan(frameArea.top, frameArea.bottom, frame.height, window.height, area.top, area.bottom);
    return area;
}
