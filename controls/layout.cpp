// Building the control list from the layout table. The controls live here, not
// in the list, from start-up to the end of the program.
#include "controls/layout.h"

#include <memory>
#include <vector>

#include "controls/control_list.h"
#include "controls/scroll_thumbs.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {
std::vector<std::unique_ptr<Control>> layoutControls;

// The thumbs start where the scroll state puts them: at start-up (0, 0), so at
// the beginning of their tracks.
void SizeScrollThumbs() {
    const int32_t cellSize = editorState.cellSize;
    Control* horizontal = controlList.FindControl(HorizontalThumbId);
    Control* vertical = controlList.FindControl(VerticalThumbId);
    horizontal->SetRect(HorizontalThumbRect(editorState.scrollX * cellSize / 2,
                                            ScrollThumbLength(cellSize, currentLevel.mapGrid.columns)));
    vertical->SetRect(VerticalThumbRect(editorState.scrollY * cellSize / 2,
                                        ScrollThumbLength(cellSize, currentLevel.mapGrid.rows)));
    horizontal->SetRange(controlList.FindControl(HorizontalTrackId)->GetRect());
    vertical->SetRange(controlList.FindControl(VerticalTrackId)->GetRect());
}
}  // namespace

void ClearLayout() {
    controlList.Clear();
    layoutControls.clear();
}

void BuildLayout() {
    ClearLayout();
    layoutControls.reserve(ControlCount);
    for (const LayoutRow& row : LayoutTable()) {
        auto control = std::make_unique<Control>(row.id, row.kind, row.rect.left, row.rect.top,
                                                 row.rect.right, row.rect.bottom, row.visible,
                                                 row.grey);
        control->SetCaption(row.caption);
        controlList.Append(control.get());
        layoutControls.push_back(std::move(control));
    }
    SizeScrollThumbs();
}
