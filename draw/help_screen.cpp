// The help pages: their controls and the page counter.
#include "draw/help_screen.h"

#include <algorithm>

#include "draw/control_visibility.h"
#include "draw/palette.h"
#include "draw/text_format.h"
#include "input/editor_state.h"

namespace {

constexpr char PageCounterPrefix[] = "页面： ";

void DrawPageCounter(Canvas& canvas, int32_t page) {
    char text[sizeof PageCounterPrefix + DecimalTextSize];
    char number[DecimalTextSize];
    const std::string_view digits = FormatDecimal(page, number);
    std::copy(PageCounterPrefix, PageCounterPrefix + sizeof PageCounterPrefix - 1, text);
    std::copy(digits.begin(), digits.end(), text + sizeof PageCounterPrefix - 1);
    canvas.DrawText({text, sizeof PageCounterPrefix - 1 + digits.size()}, PageCounterRect, TextColour,
                    TextLayout::TopLeftLines);
}

}  // namespace

void DrawHelpScreen(Canvas& canvas) {
    ShowHelpScreenControls(editorState.helpPage);
    DrawPageCounter(canvas, editorState.helpPage);
}
