// The help pages: their texts, the About line and the page counter.
#include "draw/help_screen.h"

#include <algorithm>
#include <string>

#include "draw/help_texts.h"
#include "draw/palette.h"
#include "draw/text_format.h"
#include "engine/font.h"
#include "engine/version.h"

namespace {

// The About line ends with the release's first two numbers, "1.0版" for 1.0.0:
// a new major or minor version needs a new About line too.
constexpr bool AboutLineNamesTheVersion() {
    const std::string_view majorMinor = ProgramVersion.substr(0, ProgramVersion.rfind('.'));
    return AboutLine.ends_with(" " + std::string(majorMinor) + "版");
}
static_assert(AboutLineNamesTheVersion(), "the About line does not name the version set in CMakeLists.txt");

void DrawPageTexts(Canvas& canvas, int32_t page) {
    if (page < 1 || page > HelpPageCount) return;
    for (int block = 0; block < HelpBlocksPerPage; ++block)
        canvas.DrawText(HelpBlocks[page - 1][block], HelpBlockRects[block], TextColour, TextLayout::TopLeftLines);
}

// Centred across its rectangle and set at its top, like the credit line.
void DrawAboutLine(Canvas& canvas) {
    const int width = AboutLineRect.right - AboutLineRect.left;
    const int left = AboutLineRect.left + (width - TextWidth(AboutLine)) / 2;
    canvas.DrawText(AboutLine, {left, AboutLineRect.top, AboutLineRect.right, AboutLineRect.bottom}, CreditColour,
                    TextLayout::TopLeftLines);
}

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

void DrawHelpScreen(Canvas& canvas, int32_t page) {
    DrawPageTexts(canvas, page);
    DrawAboutLine(canvas);
    DrawPageCounter(canvas, page);
}
