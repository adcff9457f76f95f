// Finding the changed rectangles of a frame: rows that differ are found with one
// comparison of memory each, their changed spans joined into rectangles as they
// run down the frame, and the rectangles joined while that adds few pixels.
#include "engine/frame_changes.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/frame_scaling.h"
#include "engine/window_scale.h"

namespace {

// Changes nearer than this along a row, or down the frame, go into one
// rectangle: the letters of a caption, the edges of an outline.
constexpr int ColumnGap = 16;
constexpr int RowGap = 4;
constexpr int MostSpansPerRow = 16;
// Two rectangles become one while that sends no more than this many unchanged
// pixels; copying them costs less than another request.
constexpr long long JoinAllowance = 4096;
// Past this many rectangles the changes are scattered all over: the frame is
// sent whole, as it is when most of it changed.
constexpr size_t MostAreasFound = 64;

struct Span {
    int left = 0, right = 0;
};

long long AreaOf(const PixelRect& r) { return 1LL * (r.right - r.left) * (r.bottom - r.top); }

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The spans of a row in which `now` differs from `was`, those less than
// ColumnGap apart joined; a row of more spans than the room ends in one long one.
int ChangedSpans(const Colour* was, const Colour* now, int width, Span* spans) {
    int count = 0;
    for (int x = 0;;) {
        while (x < width && was[x] == now[x]) ++x;
        if (x == width) return count;
        Span span{x, x + 1};
        for (++x; x < width && x - span.right < ColumnGap; ++x)
            if (was[x] != now[x]) span.right = x + 1;
        if (count == MostSpansPerRow) spans[count - 1].right = span.right;
        else spans[count++] = span;
    }
}

// Adds a changed span of row `y` to the rectangle it continues, or starts one.
void AddSpan(std::vector<PixelRect>& areas, Span span, int y) {
    for (PixelRect& area : areas) {
        if (area.bottom + RowGap < y || span.left >= area.right + ColumnGap || area.left >= span.right + ColumnGap)
            continue;
        area = Union(area, {span.left, y, span.right, y + 1});
        return;
    }
    areas.push_back({span.left, y, span.right, y + 1});
}

// Joins the pair of rectangles that adds the fewest pixels as one (overlapping
// ones first), while that is few or while there are too many.
void JoinAreas(std::vector<PixelRect>& areas) {
    while (areas.size() > 1) {
        size_t first = 0, second = 0;
        long long fewest = LLONG_MAX;
        for (size_t i = 0; i < areas.size(); ++i)
            for (size_t j = i + 1; j < areas.size(); ++j) {
                const long long added = AreaOf(Union(areas[i], areas[j])) - AreaOf(areas[i]) - AreaOf(areas[j]);
                if (added < fewest) {
                    fewest = added;
                    first = i;
                    second = j;
                }
            }
        if (fewest > JoinAllowance && areas.size() <= size_t(FrameChanges::MostAreas)) return;
        areas[first] = Union(areas[first], areas[second]);
        areas.erase(areas.begin() + std::ptrdiff_t(second));
    }
}

// The changed rectangles of `frame` against `presented`, of the same size, which
// is brought up to date row by row. False when the frame is better sent whole.
bool FindChangedAreas(Canvas& presented, const Canvas& frame, std::vector<PixelRect>& areas) {
    const int width = frame.Width();
    const size_t rowBytes = size_t(width) * sizeof(Colour);
    Span spans[MostSpansPerRow];
    for (int y = 0; y < frame.Height(); ++y) {
        Colour* was = presented.Row(y);
        const Colour* now = frame.Row(y);
        if (std::memcmp(was, now, rowBytes) == 0) continue;
        const int count = ChangedSpans(was, now, width, spans);
        for (int i = 0; i < count; ++i) AddSpan(areas, spans[i], y);
        std::memcpy(was, now, rowBytes);
        if (areas.size() > MostAreasFound) return false;
    }
    JoinAreas(areas);
    long long changed = 0;
    for (const PixelRect& area : areas) changed += AreaOf(area);
    return 2 * changed < 1LL * width * frame.Height();
}

}  // namespace

const std::vector<PixelRect>& FrameChanges::Take(const Canvas& frame, int scaleDpi) {
    areas.clear();
    if (frame.IsEmpty()) return areas;
    const PixelSize frameSize{frame.Width(), frame.Height()};
    const PixelSize window = ScaledSize(frameSize, scaleDpi);
    if (wholeFrames) {
        // Nothing is kept: the first frame compared after these is sent whole.
        wholeNext = true;
        areas.assign(1, PixelRect{0, 0, window.width, window.height});
        return areas;
    }
    const bool sameShape =
        presented.Width() == frame.Width() && presented.Height() == frame.Height() && presentedScaleDpi == scaleDpi;
    if (!wholeNext && sameShape && FindChangedAreas(presented, frame, areas)) {
        for (PixelRect& area : areas) area = WindowAreaShowing(area, frameSize, window);
        return areas;
    }
    presented = frame;
    presentedScaleDpi = scaleDpi;
    wholeNext = false;
    areas.assign(1, PixelRect{0, 0, window.width, window.height});
    return areas;
}
