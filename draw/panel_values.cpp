// Values over the panel controls, each centred in the control that holds it.
#include "draw/panel_values.h"

#include <iterator>
#include <string_view>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "level/kind_names.h"
#include "draw/palette.h"
#include "draw/text_format.h"
#include "level/level_data.h"

namespace {

constexpr const char* SatelliteOn = "开";
constexpr const char* SatelliteOff = "关";

void DrawCentredIn(Canvas& canvas, const FrameView& view, int32_t controlId, std::string_view text, Colour colour) {
    if (const Control* control = view.controls.FindControl(controlId))
        canvas.DrawText(text, control->GetRect().ToPixelRect(), colour, TextLayout::Centred);
}

void DrawNumberIn(Canvas& canvas, const FrameView& view, int32_t controlId, int32_t value, Colour colour) {
    char buffer[DecimalTextSize];
    DrawCentredIn(canvas, view, controlId, FormatDecimal(value, buffer), colour);
}

void DrawBuildingValues(Canvas& canvas, const FrameView& view, int32_t number, const Building& building,
                        Colour colour) {
    DrawNumberIn(canvas, view, HealthValueId, building.healthPercent, colour);
    DrawCentredIn(canvas, view, SatelliteValueId, building.satelliteProtection != 0 ? SatelliteOn : SatelliteOff,
                  colour);
    DrawNumberIn(canvas, view, NumberValueId, number, colour);
    if (building.kind <= KindMainBase) return;
    DrawNumberIn(canvas, view, ResearchableValueId, building.researchable, colour);
    DrawNumberIn(canvas, view, ResearchedValueId, building.researched, colour);
}

}  // namespace

void DrawLevelNumber(Canvas& canvas, const FrameView& view) {
    DrawNumberIn(canvas, view, LevelNumberId, view.state.levelNumber, TextColour);
}

void DrawObjectPanel(Canvas& canvas, const FrameView& view, const PanelObject& object) {
    if (object.unit != nullptr) {
        const Colour colour = SidePanelColour(object.unit->side);
        canvas.DrawText(UnitKindName(object.unit->kind), ObjectTitleRect, colour, TextLayout::LeftMiddle);
        DrawNumberIn(canvas, view, NumberValueId, object.number, colour);
    } else if (object.building != nullptr) {
        const Colour colour = SidePanelColour(object.building->side);
        canvas.DrawText(BuildingKindName(object.building->kind), ObjectTitleRect, colour, TextLayout::LeftMiddle);
        DrawBuildingValues(canvas, view, object.number, *object.building, colour);
    }
}

void DrawInformationValues(Canvas& canvas, const FrameView& view) {
    const LevelInfo& info = view.level.levelInfo;
    for (int side = 0; side < 2; ++side) {
        const Colour colour = SidePanelColour(side);
        const int32_t values[] = {info.credits[side],       info.researchPoints[side], info.airForces[0][side],
                                  info.airForces[1][side], info.airForces[2][side],   info.airForces[3][side],
                                  info.airForces[4][side]};
        for (int row = 0; row < int(std::size(values)); ++row)
            DrawNumberIn(canvas, view, FirstValueFieldId + row * ValueRowIdStride + side * ValueSideIdStride,
                         values[row], colour);
    }
    if (info.limitEnabled == 1) DrawNumberIn(canvas, view, LimitValueId, info.limitTime, TextColour);
    DrawNumberIn(canvas, view, StartColumnValueId, info.startX, TextColour);
    DrawNumberIn(canvas, view, StartRowValueId, info.startY, TextColour);
}
