// The help screen as painted: its texts fit their blocks, the page buttons
// and counter follow the page, and a loaded level changes nothing on it.
#include <string_view>
#include <vector>

#include "draw/help_screen.h"
#include "draw/help_texts.h"
#include "draw/palette.h"
#include "editor_window.h"
#include "engine/font.h"

namespace {

using HelpScreenTest = EditorWindow;

std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

int CountPixels(const Canvas& frame, PixelRect rect, Colour colour) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) count += frame.Pixel(x, y) == colour;
    return count;
}

TEST_F(HelpScreenTest, EveryTextFitsItsBlock) {
    const size_t expectedLines[HelpPageCount][HelpBlocksPerPage] = {{9, 2, 0}, {0, 0, 0}};
    for (int page = 0; page < HelpPageCount; ++page) {
        for (int block = 0; block < HelpBlocksPerPage; ++block) {
            const std::vector<std::string_view> lines = LinesOf(HelpBlocks[page][block]);
            const PixelRect rect = HelpBlockRects[block];
            EXPECT_EQ(lines.size(), expectedLines[page][block]) << page << " " << block;
            EXPECT_LE(int(lines.size()) * GlyphHeight, rect.bottom - rect.top) << page << " " << block;
            for (std::string_view line : lines) EXPECT_LE(TextWidth(line), rect.right - rect.left) << line;
        }
    }
    EXPECT_LE(TextWidth(AboutLine), AboutLineRect.right - AboutLineRect.left);
}

TEST_F(HelpScreenTest, PagesShowTheirTextsButtonsAndCounter) {
    const PixelRect textArea{0, 0, 940, 665};
    RunClickCommand(122);
    Repaint();
    const Canvas pageOne = headless::LastFrame();
    EXPECT_GT(CountPixels(pageOne, HelpBlockRects[0], TextColour), 0);
    EXPECT_GT(CountPixels(pageOne, {40, 240, 890, 440}, TextColour), 0);
    EXPECT_EQ(CountPixels(pageOne, {0, 440, 940, 665}, TextColour), 0);
    EXPECT_FALSE(FindControl(123)->IsVisible());
    EXPECT_TRUE(FindControl(124)->IsVisible());
    EXPECT_STREQ(FindControl(122)->GetCaption(), " 返回 ");

    RunClickCommand(124);
    Repaint();
    const Canvas pageTwo = headless::LastFrame();
    EXPECT_EQ(CountPixels(pageTwo, textArea, BackgroundColour), 940 * 665) << "page 2 has no text";
    EXPECT_TRUE(FindControl(123)->IsVisible());
    EXPECT_FALSE(FindControl(124)->IsVisible());
    EXPECT_STREQ(FindControl(122)->GetCaption(), " 返回 ");

    // The About line is red, centred in its rectangle; the counter differs by page.
    const int aboutRed = CountPixels(pageTwo, AboutLineRect, CreditColour);
    EXPECT_GT(aboutRed, 0);
    const int aboutWidth = TextWidth(AboutLine);
    const int aboutLeft = AboutLineRect.left + (AboutLineRect.right - AboutLineRect.left - aboutWidth) / 2;
    EXPECT_EQ(CountPixels(pageTwo, {aboutLeft, 670, aboutLeft + aboutWidth, 690}, CreditColour), aboutRed);
    EXPECT_GT(CountPixels(pageTwo, PageCounterRect, TextColour), 0);
    bool countersDiffer = false;
    for (int y = PageCounterRect.top; y < PageCounterRect.bottom; ++y)
        for (int x = PageCounterRect.left; x < PageCounterRect.right; ++x)
            countersDiffer |= pageOne.Pixel(x, y) != pageTwo.Pixel(x, y);
    EXPECT_TRUE(countersDiffer);
}

TEST_F(HelpScreenTest, LooksTheSameWithOrWithoutALevel) {
    editorState.mapLoaded = editorState.edtLoaded = false;
    RunClickCommand(122);
    Repaint();
    const Canvas empty = headless::LastFrame();
    editorState.mapLoaded = editorState.edtLoaded = true;
    currentLevel.mapGrid.cells[3][3] = 12;
    editorState.selectedIndex = AddBuildingAt(KindHeavyFactory, 2, 2);
    editorState.infoMode = true;
    Repaint();
    EXPECT_EQ(headless::LastFrame().Pixels(), empty.Pixels());
}

}  // namespace
