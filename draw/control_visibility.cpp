// Control visibility per screen, by control id.
#include "draw/control_visibility.h"

#include <algorithm>

#include "controls/control_list.h"
#include "controls/layout_table.h"
#include "draw/palette.h"
#include "input/editor_state.h"

namespace {

constexpr int32_t LimitButtonId = 110;
constexpr int32_t SideBoxId = 21;
constexpr int32_t FirstClassButtonId = 41;
constexpr int32_t LastClassButtonId = 45;
constexpr int32_t GreyOn = 191;
constexpr int32_t GreyOff = 127;

void Show(int32_t first, int32_t last, bool shown) {
    for (int32_t id = first; id <= last; ++id)
        if (Control* control = FindControl(id)) control->SetVisible(shown);
}

void Show(int32_t id, bool shown) { Show(id, id, shown); }

void ShowBuildingRows(const Building& building) {
    Show(20, 29, true);
    Show(12, 15, true);
    Show(46, 47, true);
    Show(51, 52, true);
    if (building.kind <= KindMainBase) return;
    const int32_t levels = std::clamp<int32_t>(building.researchable, 0, ProductionLevels);
    Show(20, 35 + levels, true);
    Show(16, 19, true);
    if (!IsFactoryKind(building.kind)) return;
    // One class button per available level, lit while that level is researched.
    for (int32_t id = FirstClassButtonId; id <= LastClassButtonId; ++id) {
        Control* control = FindControl(id);
        if (control == nullptr) continue;
        const int32_t position = id - FirstClassButtonId;
        control->SetVisible(position < levels);
        if (position < levels) control->SetGrey(position < building.researched ? GreyOn : GreyOff);
    }
}

void ShowUnitRows() {
    for (int32_t id : {12, 51, 52, 20, 21, 22, 15, 29}) Show(id, true);
}

}  // namespace

void ShowEditorControls() {
    Show(1, ControlCount, false);
    Show(1, 11, true);
    Show(48, 50, true);
    Show(122, true);
}

void ShowInformationPageControls() {
    Show(5, 6, false);
    Show(56, 121, true);
    Show(125, 131, true);
    const bool limited = currentLevel.levelInfo.limitEnabled == 1;
    if (Control* limitButton = FindControl(LimitButtonId)) limitButton->SetGrey(limited ? GreyOn : GreyOff);
    Show(111, 114, limited);
}

void ShowObjectPageControls(const PanelObject& object) {
    Show(5, 6, true);
    if (object.number == 0) {
        Show(54, 55, true);
        return;
    }
    if (object.isSelected) Show(53, true);
    if (object.isUnit ? object.unit == nullptr : object.building == nullptr) return;
    if (object.isUnit) ShowUnitRows(); else ShowBuildingRows(*object.building);
    const int32_t side = object.isUnit ? object.unit->side : object.building->side;
    const Colour colour = SidePanelColour(side);
    if (Control* sideBox = FindControl(SideBoxId)) sideBox->SetColour(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

void ShowHelpScreenControls(int page) {
    Show(1, 121, false);
    Show(125, ControlCount, false);
    Show(123, page > 1);
    Show(124, page < 2);
}

void HideControlsNeedingObjects() {
    for (int32_t id : {5, 6, 48, 49, 50, 53, 54, 55}) Show(id, false);
}
