// Values over the panel controls, each centred in the control that holds it.
#include "draw/panel_values.h"

#include <iterator>
#include <string_view>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "draw/kind_names.h"
#include "draw/palette.h"
#include "draw/text_format.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {

constexpr const char* SatelliteOn = "开";
constexpr const char* SatelliteOff = "关";
// Indexed by limitType; another value leaves the caption as it was.
constexpr const char* LimitTypeNames[] = {"增援  ", "限时", "坚守.."};

void DrawCentredIn(Canvas& canvas, int32_t controlId, std::string_view text, Colour colour) {
    if (const Control* control = FindControl(controlId))
        canvas.DrawText(text, control->GetRect().ToPixelRect(), colour, TextLayout::Centred);
}

void DrawNumberIn(Canvas& canvas, int32_t controlId, int32_t value, Colour colour) {
    char buffer[DecimalTextSize];
    DrawCentredIn(canvas, controlId, FormatDecimal(value, buffer), colour);
}

void DrawBuildingValues(Canvas& canvas, int32_t number, const Building& building, Colour colour) {
    DrawNumberIn(canvas, HealthValueId, building.healthPercent, colour);
    DrawCentredIn(canvas, SatelliteValueId, building.satelliteProtection != 0 ? SatelliteOn : SatelliteOff, colour);
    DrawNumberIn(canvas, NumberValueId, number, colour);
    if (building.kind <= KindMainBase) return;
    DrawNumberIn(canvas, ResearchableValueId, building.researchable, colour);
    DrawNumberIn(canvas, ResearchedValueId, building.researched, colour);
}

}  // namespace

void DrawLevelNumber(Canvas& canvas) {
    DrawNumberIn(canvas, LevelNumberId, editorState.levelNumber, TextColour);
}

void DrawObjectPanel(Canvas& canvas, const PanelObject& object) {
    if (object.unit != nullptr) {
        const Colour colour = SidePanelColour(object.unit->side);
        canvas.DrawText(UnitKindName(object.unit->kind), ObjectTitleRect, colour, TextLayout::LeftMiddle);
        DrawNumberIn(canvas, NumberValueId, object.number, colour);
    } else if (object.building != nullptr) {
        const Colour colour = SidePanelColour(object.building->side);
        canvas.DrawText(BuildingKindName(object.building->kind), ObjectTitleRect, colour, TextLayout::LeftMiddle);
        DrawBuildingValues(canvas, object.number, *object.building, colour);
    }
}

void DrawInformationValues(Canvas& canvas) {
    for (int side = 0; side < 2; ++side) {
        const Colour colour = SidePanelColour(side);
        const int32_t values[] = {currentLevel.levelInfo.credits[side], currentLevel.levelInfo.researchPoints[side],
                                  currentLevel.levelInfo.airForces[0][side], currentLevel.levelInfo.airForces[1][side],
                                  currentLevel.levelInfo.airForces[2][side], currentLevel.levelInfo.airForces[3][side],
                                  currentLevel.levelInfo.airForces[4][side]};
        for (int row = 0; row < int(std::size(values)); ++row)
            DrawNumberIn(canvas, FirstValueFieldId + row * ValueRowIdStride + side * ValueSideIdStride, values[row], colour);
    }
    const bool limited = currentLevel.levelInfo.limitEnabled == 1;
    if (limited) DrawNumberIn(canvas, LimitValueId, currentLevel.levelInfo.limitTime, TextColour);
    DrawNumberIn(canvas, StartColumnValueId, currentLevel.levelInfo.startX, TextColour);
    DrawNumberIn(canvas, StartRowValueId, currentLevel.levelInfo.startY, TextColour);
    if (limited && currentLevel.levelInfo.limitType >= 0 && currentLevel.levelInfo.limitType < int32_t(std::size(LimitTypeNames))) {
        if (Control* limitType = FindControl(LimitTypeId)) limitType->SetCaption(LimitTypeNames[currentLevel.levelInfo.limitType]);
    }
}
