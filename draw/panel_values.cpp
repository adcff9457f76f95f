// Values over the panel controls, each centred in the control that holds it.
#include "draw/panel_values.h"

#include <iterator>
#include <string_view>

#include "controls/control_list.h"
#include "level/kind_names.h"
#include "draw/palette.h"
#include "draw/text_format.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {

constexpr int32_t LevelNumberId = 8;
constexpr int32_t HealthValueId = 24;
constexpr int32_t SatelliteValueId = 27;
constexpr int32_t NumberValueId = 29;
constexpr int32_t ResearchableValueId = 31;
constexpr int32_t ResearchedValueId = 34;
constexpr int32_t LimitTypeButtonId = 111;
constexpr int32_t LimitTimeValueId = 113;
constexpr int32_t StartXValueId = 127;
constexpr int32_t StartYValueId = 130;
// Value fields of the information page, one per row: credits, research points and
// the five air forces; side 1's field is three controls to the right of side 0's.
constexpr int32_t FirstValueFieldId = 57;
constexpr int32_t ValueRowStride = 6;
constexpr int32_t SideStride = 3;

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
            DrawNumberIn(canvas, FirstValueFieldId + row * ValueRowStride + side * SideStride, values[row], colour);
    }
    const bool limited = currentLevel.levelInfo.limitEnabled == 1;
    if (limited) DrawNumberIn(canvas, LimitTimeValueId, currentLevel.levelInfo.limitTime, TextColour);
    DrawNumberIn(canvas, StartXValueId, currentLevel.levelInfo.startX, TextColour);
    DrawNumberIn(canvas, StartYValueId, currentLevel.levelInfo.startY, TextColour);
    if (limited && currentLevel.levelInfo.limitType >= 0 && currentLevel.levelInfo.limitType < int32_t(std::size(LimitTypeNames))) {
        if (Control* limitType = FindControl(LimitTypeButtonId)) limitType->SetCaption(LimitTypeNames[currentLevel.levelInfo.limitType]);
    }
}
