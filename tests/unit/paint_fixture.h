// A started editor on the headless backend, with helpers to place objects and to
// look at the frame that the last repaint presented.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "draw/bitmap_catalogue.h"
#include "editor_test_support.h"
#include "engine/headless/headless.h"
#include "input/editor_state.h"
#include "level/level_data.h"

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        ASSERT_NO_FATAL_FAILURE(StartEditor());
    }
    void TearDown() override {
        ResetEditorGlobals();
        headless::Reset();
    }
};

inline const Canvas& Paint() {
    Repaint();
    return headless::LastFrame();
}

inline void LoadLevelInCode() {
    editorState.mapLoaded = true;
    editorState.edtLoaded = true;
}

inline Building& PlaceBuilding(int32_t number, int32_t kind, int32_t x, int32_t y, int32_t side) {
    SetBuildingKind(currentLevel, kind, number);
    currentLevel.buildingCount = std::max(currentLevel.buildingCount, number);
    Building& building = currentLevel.buildings[size_t(number)];
    building.x = x;
    building.y = y;
    building.side = side;
    return building;
}

inline Unit& PlaceUnit(int32_t number, int32_t kind, int32_t x, int32_t y, int32_t side) {
    SetUnitKind(currentLevel, kind, number);
    currentLevel.unitCount = std::max(currentLevel.unitCount, number);
    Unit& unit = currentLevel.units[size_t(number)];
    unit.x = x;
    unit.y = y;
    unit.side = side;
    return unit;
}

inline void Select(int32_t number, bool isUnit) {
    editorState.selectedIndex = number;
    editorState.selectedIsUnit = isUnit;
}

inline void Hover(int32_t number, bool isUnit) {
    editorState.hoverIndex = number;
    editorState.hoverIsUnit = isUnit;
}

inline void PointAt(int x, int y) {
    editorState.lastMouseX = x;
    editorState.lastMouseY = y;
}

// How many of the pixels that `text` lights, drawn as the frame draws it, show in
// `colour` in `frame`; `lit` receives how many it lights.
inline int TextPixelsShown(const Canvas& frame, std::string_view text, PixelRect rect, Colour colour,
                           TextLayout layout, int& lit) {
    constexpr Colour Unset = 0x01020304;
    Canvas scratch(frame.Width(), frame.Height(), Unset);
    scratch.DrawText(text, rect, colour, layout);
    int shown = 0;
    lit = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            if (scratch.Pixel(x, y) == Unset) continue;
            ++lit;
            if (frame.Pixel(x, y) == colour) ++shown;
        }
    return shown;
}

// The text shows in full, in its colour.
inline ::testing::AssertionResult ShowsText(const Canvas& frame, std::string_view text, PixelRect rect,
                                            Colour colour, TextLayout layout = TextLayout::Centred) {
    int lit = 0;
    const int shown = TextPixelsShown(frame, text, rect, colour, layout, lit);
    if (lit > 0 && shown == lit) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text << "\": " << shown << " of " << lit << " pixels shown";
}

// Pictures drawn over one another at (x, y), magenta left out: true where one of them
// covers the pixel, with the colour that ends on top.
inline bool Composite(std::initializer_list<const Bitmap*> layers, int column, int row, Colour& colour) {
    bool covered = false;
    for (const Bitmap* layer : layers) {
        if (layer == nullptr || layer->IsEmpty() || column >= layer->Width() || row >= std::abs(layer->Height()))
            continue;
        const Colour pixel = layer->Pixels()[size_t(row) * size_t(layer->Width()) + size_t(column)] & 0xFFFFFF;
        if (pixel == TransparentColour) continue;
        colour = pixel;
        covered = true;
    }
    return covered;
}

// The pictures show at (x, y) wherever they cover, within `rows` rows; a null layer
// stands for one that is not drawn.
inline ::testing::AssertionResult ShowsPictures(const Canvas& frame, int x, int y,
                                                std::initializer_list<const Bitmap*> layers, int rows = 1 << 20) {
    int width = 0, height = 0;
    for (const Bitmap* layer : layers) {
        if (layer == nullptr) continue;
        if (layer->IsEmpty()) return ::testing::AssertionFailure() << "a picture is missing";
        width = std::max(width, layer->Width());
        height = std::max(height, std::abs(layer->Height()));
    }
    int wrong = 0, covered = 0;
    for (int row = 0; row < std::min(height, rows); ++row)
        for (int column = 0; column < width; ++column) {
            Colour expected = 0;
            if (!Composite(layers, column, row, expected)) continue;
            ++covered;
            if (frame.Pixel(x + column, y + row) != expected) ++wrong;
        }
    if (covered > 0 && wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " of " << covered << " pixels differ at " << x << ", " << y;
}
