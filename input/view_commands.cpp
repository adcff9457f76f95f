// Scrolling by the thumbs and zooming the map view.
#include "input/view_commands.h"

#include <algorithm>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "controls/scroll_thumbs.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {
// The share of the map a thumb stands at, in cells. A thumb is never longer
// than its track, so it never stands before the track's start; the clamp keeps
// a negative scroll out even if one did.
int32_t ScrollAlongTrack(int32_t thumbStart, int32_t trackStart, int32_t mapCells) {
    return std::max(0, (thumbStart - trackStart) * mapCells / ScrollTrackLength);
}

// A thumb that fills its track may be capped there, so halving it would lose
// the share the view really shows; such a thumb is sized afresh instead.
int32_t ZoomedInLength(int32_t length, int32_t mapCells) {
    if (length >= ScrollTrackLength) return ScrollThumbLength(editorState.cellSize, mapCells);
    return length / 2;
}
}  // namespace

void ScrollXFromThumb() {
    if (const Control* thumb = FindControl(HorizontalThumbId)) {
        editorState.scrollX =
            ScrollAlongTrack(thumb->GetRect().left, HorizontalTrack.left, currentLevel.mapGrid.columns);
    }
}

void ScrollYFromThumb() {
    if (const Control* thumb = FindControl(VerticalThumbId)) {
        editorState.scrollY = ScrollAlongTrack(thumb->GetRect().top, VerticalTrack.top, currentLevel.mapGrid.rows);
    }
}

void MoveHorizontalThumbBy(int32_t dx) {
    if (Control* thumb = FindControl(HorizontalThumbId)) thumb->MoveWithinRange(dx, 0);
    ScrollXFromThumb();
}

void MoveVerticalThumbBy(int32_t dy) {
    if (Control* thumb = FindControl(VerticalThumbId)) thumb->MoveWithinRange(0, dy);
    ScrollYFromThumb();
}

void CentreHorizontalThumbOnPointer() {
    Control* thumb = FindControl(HorizontalThumbId);
    if (thumb == nullptr) return;
    const Rect rect = thumb->GetRect();
    thumb->MoveWithinRange(editorState.lastMouseX - (rect.left + rect.right) / 2, 0);
    ScrollXFromThumb();
}

void CentreVerticalThumbOnPointer() {
    Control* thumb = FindControl(VerticalThumbId);
    if (thumb == nullptr) return;
    const Rect rect = thumb->GetRect();
    thumb->MoveWithinRange(0, editorState.lastMouseY - (rect.top + rect.bottom) / 2);
    ScrollYFromThumb();
}

void ZoomIn() {
    if (editorState.cellSize >= LargestCellSize) return;
    editorState.cellSize *= 2;
    if (Control* thumb = FindControl(HorizontalThumbId)) {
        Rect rect = thumb->GetRect();
        rect.right = rect.left + ZoomedInLength(rect.Width(), currentLevel.mapGrid.columns);
        thumb->SetRect(rect);
    }
    if (Control* thumb = FindControl(VerticalThumbId)) {
        Rect rect = thumb->GetRect();
        rect.bottom = rect.top + ZoomedInLength(rect.Height(), currentLevel.mapGrid.rows);
        thumb->SetRect(rect);
    }
}

void ZoomOut() {
    if (editorState.cellSize <= SmallestCellSize) return;
    editorState.cellSize /= 2;
    // Doubled, the thumbs of a map smaller than the view would outgrow their
    // tracks; the thumb rectangles are cut to the track.
    if (Control* thumb = FindControl(HorizontalThumbId)) {
        thumb->SetRect(HorizontalThumbRect(0, 2 * thumb->GetRect().Width()));
    }
    if (Control* thumb = FindControl(VerticalThumbId)) {
        thumb->SetRect(VerticalThumbRect(0, 2 * thumb->GetRect().Height()));
    }
    editorState.scrollX = 0;
    editorState.scrollY = 0;
}
