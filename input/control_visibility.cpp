// Control visibility per screen, by control id.
#include "input/control_visibility.h"

#include <algorithm>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "input/editor_state.h"
#include "input/side_colours.h"

namespace {

constexpr int32_t GreyOn = 191;
constexpr int32_t GreyOff = 127;

void Show(int32_t first, int32_t last, bool shown) {
    for (int32_t id = first; id <= last; ++id)
        if (Control* control = FindControl(id)) control->SetVisible(shown);
}

void Show(int32_t id, bool shown) { Show(id, id, shown); }

void ShowBuildingRows(const Building& building) {
    Show(SideDownId, NumberValueId, true);
    Show(OwnerLabelId, NumberLabelId, true);
    Show(HealthDownTenId, HealthUpTenId, true);
    Show(KindDownId, KindUpId, true);
    if (building.kind <= KindMainBase) return;
    const int32_t levels = std::clamp<int32_t>(building.researchable, 0, ProductionLevels);
    // The research rows and one production icon per available level.
    Show(SideDownId, FirstProductionIconId - 1 + levels, true);
    Show(ResearchableLabelId, ProductionFooterId, true);
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
    for (int32_t id : {OwnerLabelId, KindDownId, KindUpId, SideDownId, SideBoxId, SideUpId, NumberLabelId,
                       NumberValueId})
        Show(id, true);
}

}  // namespace

void ShowEditorControls() {
    Show(HorizontalTrackId, ControlCount, false);
    Show(HorizontalTrackId, PanelAreaId, true);
    Show(DeleteAllId, PageSwitchId, true);
    Show(HelpButtonId, true);
}

void ShowInformationPageControls() {
    Show(ZoomInId, ZoomOutId, false);
    Show(FirstValueRowId, LastRowLabelId, true);
    Show(StartLabelId, StartRowUpId, true);
    const bool limited = currentLevel.levelInfo.limitEnabled == 1;
    if (Control* limitButton = FindControl(LimitButtonId)) limitButton->SetGrey(limited ? GreyOn : GreyOff);
    Show(LimitTypeId, LimitUpId, limited);
}

void ShowObjectPageControls(const PanelObject& object) {
    Show(ZoomInId, ZoomOutId, true);
    if (object.number == 0) {
        Show(AddBuildingId, AddUnitId, true);
        return;
    }
    if (object.isSelected) Show(DeleteSelectedId, true);
    if (object.isUnit ? object.unit == nullptr : object.building == nullptr) return;
    if (object.isUnit) ShowUnitRows(); else ShowBuildingRows(*object.building);
    const int32_t side = object.isUnit ? object.unit->side : object.building->side;
    const Colour colour = SidePanelColour(side);
    if (Control* sideBox = FindControl(SideBoxId)) sideBox->SetColour(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

void ShowHelpScreenControls(int page) {
    Show(HorizontalTrackId, LastRowLabelId, false);
    Show(StartLabelId, ControlCount, false);
    Show(HelpPreviousId, page > 1);
    Show(HelpNextId, page < 2);
}

void HideControlsNeedingObjects() {
    for (int32_t id : {ZoomInId, ZoomOutId, DeleteAllId, SaveLevelId, PageSwitchId, DeleteSelectedId, AddBuildingId,
                       AddUnitId})
        Show(id, false);
}
