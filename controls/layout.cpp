// Building the control list from the layout table. The controls live here, not
// in the list, from start-up to the end of the program.
#include "controls/layout.h"

#include <memory>
#include <vector>

#include "controls/control_list.h"
#include "controls/scroll_thumbs.h"

namespace {
std::vector<std::unique_ptr<Control>> layoutControls;

// The thumbs start where the scroll puts them: at start-up (0, 0), so at the
// beginning of their tracks.
void SizeScrollThumbs(int32_t cellSize, int32_t scrollX, int32_t scrollY, int32_t mapColumns, int32_t mapRows) {
    Control* horizontal = controlList.FindControl(HorizontalThumbId);
    Control* vertical = controlList.FindControl(VerticalThumbId);
    horizontal->SetRect(HorizontalThumbRect(scrollX * cellSize / 2, ScrollThumbLength(cellSize, mapColumns)));
    vertical->SetRect(VerticalThumbRect(scrollY * cellSize / 2, ScrollThumbLength(cellSize, mapRows)));
    horizontal->SetRange(controlList.FindControl(HorizontalTrackId)->GetRect());
    vertical->SetRange(controlList.FindControl(VerticalTrackId)->GetRect());
}
}  // namespace

void ClearLayout() {
    controlList.Clear();
    layoutControls.clear();
}

void BuildLayout(int32_t cellSize, int32_t scrollX, int32_t scrollY, int32_t mapColumns, int32_t mapRows) {
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
    SizeScrollThumbs(cellSize, scrollX, scrollY, mapColumns, mapRows);
}
