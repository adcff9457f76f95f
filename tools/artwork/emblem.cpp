// The program's icon: a folded field map with a lake, woods, a marked route and a tank.
// Drawn like the other pictures, then reduced to the icon's 16 colours.
#include <cmath>
#include <limits>

#include "tools/artwork/artwork.h"
#include "tools/artwork/scene_pieces.h"
#include "tools/artwork/solids.h"

namespace {

constexpr std::array<Colour, 16> Palette = {
    Rgb(0, 0, 0),       Rgb(44, 30, 18),    Rgb(244, 230, 184), Rgb(216, 192, 138),
    Rgb(170, 140, 92),  Rgb(96, 146, 64),   Rgb(52, 94, 42),    Rgb(72, 124, 196),
    Rgb(206, 44, 32),   Rgb(160, 160, 120), Rgb(116, 116, 84),  Rgb(64, 64, 50),
    Rgb(204, 204, 198), Rgb(255, 255, 255), Rgb(242, 192, 60),  Rgb(124, 84, 44),
};

uint8_t Nearest(Colour c) {
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 1; i < 16; ++i) {
        const long dr = RedOf(c) - RedOf(Palette[size_t(i)]), dg = GreenOf(c) - GreenOf(Palette[size_t(i)]);
        const long db = BlueOf(c) - BlueOf(Palette[size_t(i)]);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return uint8_t(best);
}

void PaintMap(Sketch& sketch, bool small) {
    // Three panels, folded: the middle one turned away from the light.
    const Point a{1.5, 6}, b{11, 3.5}, c{21, 6}, d{30.5, 3.5};
    const Point e{30.5, 25}, f{21, 27.5}, g{11, 25}, h{1.5, 27.5};
    sketch.Polygon({a, b, c, d, e, f, g, h}, Solid(Palette[1]));
    const Point in{0.9, 0};
    sketch.Polygon({a + Point{0.9, 0.9}, b + Point{0, 0.9}, g + Point{0, -0.9}, h + Point{0.9, -0.9}},
                   Solid(Palette[2]));
    sketch.Polygon({b + Point{0.5, 0.9}, c + Point{-0.5, 0.9}, f + Point{-0.5, -0.9}, g + Point{0.5, -0.9}},
                   Solid(Palette[3]));
    sketch.Polygon({c + Point{0.5, 0.9}, d + Point{-0.9, 0.9}, e + Point{-0.9, -0.9}, f + Point{0.5, -0.9}},
                   Solid(Palette[2]));
    (void)in;
    // Lake and woods.
    sketch.Ellipse({7, 12}, 4, 3, Solid(Palette[7]));
    if (!small) {
        sketch.Circle({16, 10}, 2.2, Solid(Palette[6]));
        sketch.Circle({18.5, 12}, 2.0, Solid(Palette[5]));
        sketch.Circle({25, 11}, 2.4, Solid(Palette[5]));
        sketch.Circle({26.5, 9.5}, 1.3, Solid(Palette[6]));
    } else {
        sketch.Circle({17, 11}, 2.8, Solid(Palette[5]));
    }
    // The route, ending in a cross.
    const Paint red = Solid(Palette[8]);
    if (!small) {
        for (Point p : {Point{4, 22}, Point{7, 20.5}, Point{10, 19.5}, Point{13.5, 19}}) sketch.Circle(p, 0.9, red);
    }
    sketch.Stroke({24, 13.5}, {28, 17.5}, 1.6, red);
    sketch.Stroke({28, 13.5}, {24, 17.5}, 1.6, red);
}

void PaintTankBadge(Sketch& sketch, bool small) {
    const double s = small ? 0.62 : 0.5;
    sketch.Push({small ? 3 : 8.0, small ? 10.5 : 13.5, s});
    PaintVehicle(sketch, 2, 1);
    sketch.Pop();
}

}  // namespace

IconImage DrawProgramIcon(bool small) {
    Sketch sketch(32, 32, 6);
    PaintMap(sketch, small);
    PaintTankBadge(sketch, small);
    Canvas picture = sketch.Resolve(true);
    AddOutline(picture, Palette[1]);
    IconImage icon;
    icon.palette = Palette;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Colour c = picture.Pixel(x, y);
            const bool open = c == Magenta;
            icon.transparent.push_back(open);
            icon.indices.push_back(open ? 0 : Nearest(c));
        }
    return icon;
}
