// Contact sheet layout and its small label font.
#include "tools/artwork/contact_sheet.h"

#include <algorithm>
#include <map>
#include <string>

#include "tools/artwork/artwork.h"
#include "tools/artwork/sketch.h"

namespace {

constexpr Colour Background = Rgb(45, 50, 46);  // the editor's own surface colour

// Digits of 5 by 7 pixels for the labels.
constexpr const char* Digits[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"####.", "....#", "....#", ".###.", "....#", "....#", "####."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."},
};

void DrawNumber(Canvas& sheet, int number, int x, int y, Colour colour) {
    const std::string text = std::to_string(number);
    for (char digit : text) {
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                if (Digits[digit - '0'][row][column] == '#') sheet.PutPixel(x + column, y + row, colour);
        x += 6;
    }
}

void Put(Canvas& sheet, const Canvas& picture, int x, int y, bool keyed) {
    sheet.BlitPixels(picture.Pixels().data(), picture.Width(), picture.Height(), x, y, keyed, Magenta);
}

// A button as the editor assembles it: left end, one-pixel middles, right end.
void PutButton(Canvas& sheet, const std::map<int, Canvas>& art, bool hovered, int x, int y, int width) {
    Put(sheet, art.at(hovered ? 2001 : 2002), x, y, true);
    for (int i = 0; i < width - 20; ++i) Put(sheet, art.at(hovered ? 2003 : 2004), x + 10 + i, y, true);
    Put(sheet, art.at(hovered ? 2005 : 2006), x + width - 10, y, true);
}

void PutThumb(Canvas& sheet, const std::map<int, Canvas>& art, int x, int y, int height) {
    Put(sheet, art.at(2010), x, y, true);
    for (int k = 0; k < height - 20; ++k) Put(sheet, art.at(2011), x, y + 10 + k, true);
    Put(sheet, art.at(2012), x, y + height - 10, true);
}

}  // namespace

Canvas MakeContactSheet() {
    std::map<int, Canvas> art;
    for (const Picture& picture : AllPictures()) art[picture.id] = picture.draw();

    Canvas sheet(1100, 940, Background);
    const Colour label = Rgb(230, 230, 210);
    DrawNumber(sheet, 2000, 10, 4, label);
    Put(sheet, art.at(2000), 10, 14, false);

    // Interface pieces raw, then assembled.
    int x = 300, y = 4;
    for (int id = 2001; id <= 2016; ++id) {
        DrawNumber(sheet, id, x, y, label);
        Put(sheet, art.at(id), x, y + 10, false);
        x += std::max(art.at(id).Width(), 26) + 14;
        if (id == 2012) {
            x = 300;
            y += 60;
        }
    }
    y = 130;
    PutButton(sheet, art, false, 300, y, 120);
    PutButton(sheet, art, true, 430, y, 120);
    PutButton(sheet, art, false, 560, y, 20);
    PutButton(sheet, art, true, 590, y, 20);
    PutButton(sheet, art, false, 620, y, 250);
    PutThumb(sheet, art, 900, 64, 90);
    PutButton(sheet, art, false, 300, y + 26, 400);  // as the horizontal thumb

    // The program icons at their size and three times enlarged.
    for (int small = 0; small < 2; ++small) {
        const IconImage icon = DrawProgramIcon(small == 1);
        Canvas shown(icon.width, icon.height, Background);
        for (int y = 0; y < icon.height; ++y)
            for (int x = 0; x < icon.width; ++x) {
                const size_t at = size_t(y * icon.width + x);
                if (!icon.transparent[at]) shown.PutPixel(x, y, icon.palette[icon.indices[at]]);
            }
        const int left = 930 + small * 80;
        DrawNumber(sheet, 1000 + small, left, 4, label);
        Put(sheet, shown, left, 14, false);
        Put(sheet, Enlarge(shown, 2), left, 52, false);
    }

    // The 40 by 40 pictures: raw, on the dark and light frames, and dimmed on grey.
    const int top = 190;
    int index = 0;
    for (int id = 2017; id <= 2058; ++id, ++index) {
        const int cellX = 300 + (index % 4) * 196, cellY = top + (index / 4) * 66;
        DrawNumber(sheet, id, cellX, cellY, label);
        const Canvas& icon = art.at(id);
        Put(sheet, icon, cellX, cellY + 10, false);
        Put(sheet, art.at(2014), cellX + 46, cellY + 10, true);
        Put(sheet, icon, cellX + 46, cellY + 10, true);
        Put(sheet, art.at(2013), cellX + 92, cellY + 10, true);
        Put(sheet, icon, cellX + 92, cellY + 10, true);
        Put(sheet, art.at(2016), cellX + 138, cellY + 10, true);
        Put(sheet, icon, cellX + 138, cellY + 10, true);
        Put(sheet, art.at(2017), cellX + 138, cellY + 10, true);
    }
    return sheet;
}

Canvas Enlarge(const Canvas& picture, int factor) {
    Canvas large(picture.Width() * factor, picture.Height() * factor);
    for (int y = 0; y < large.Height(); ++y)
        for (int x = 0; x < large.Width(); ++x) large.PutPixel(x, y, picture.Pixel(x / factor, y / factor));
    return large;
}
