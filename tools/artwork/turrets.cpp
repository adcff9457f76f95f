// The five gun turrets, each on the same armoured pedestal so they read as towers:
// a small gun, twin anti-aircraft guns, a plasma projector, a Gatling laser and a heavy
// mortar for restraining shells.
#include <cmath>

#include "tools/artwork/artwork.h"
#include "tools/artwork/scene_pieces.h"
#include "tools/artwork/solids.h"

namespace {

constexpr Colour Concrete = Rgb(150, 148, 138);
constexpr Colour Steel = Rgb(124, 128, 130);
constexpr double Pi = 3.14159265358979;

Point Along(double degrees) { return {std::cos(degrees * Pi / 180), std::sin(degrees * Pi / 180)}; }

// The pedestal: a concrete drum with a hazard-striped collar. Returns the middle of its top.
Point DrawPedestal(Sketch& sketch) {
    const Point foot{17, 33.5};
    Drum(sketch, foot, 13, 6, Concrete, 0.36);
    // Dark slots round the drum.
    for (double x : {-8.5, -2.5, 3.5, 9.0})
        sketch.Rectangle(foot.x + x, foot.y - 4.2, foot.x + x + 2.2, foot.y - 2.6, Solid(Rgb(58, 56, 52)));
    const Point top = foot + Point{0, -6};
    Drum(sketch, top, 9, 1.6, Rgb(96, 94, 88));
    return top + Point{0, -1.6};
}

void SmallGun(Sketch& sketch, Point top) {
    Barrel(sketch, top + Point{3, -4}, top + Point{15, -6}, 1.2, Steel);
    Barrel(sketch, top + Point{11, -5.4}, top + Point{13.5, -5.8}, 1.7, Shade(Steel, 0.85), false);
    Ball(sketch, top + Point{0, -3.4}, 7, 5.4, Steel);
    sketch.Ellipse(top + Point{-1.5, -6.8}, 2.2, 1, Solid(Shade(Steel, 0.55)));
    sketch.Rectangle(top.x - 6.8, top.y - 2.5, top.x + 6.8, top.y - 1.2, Solid(Shade(Steel, 0.6)));
}

void AntiAircraftGuns(Sketch& sketch, Point top) {
    const Point axis = Along(-55);
    const Point pivot = top + Point{1, -5};
    for (double shift : {2.2, -1.6}) {
        const Point root = pivot + Point{shift * 0.9, shift * 0.6};
        Barrel(sketch, root, root + axis * 16.5, 0.85, Steel);
        Barrel(sketch, root + axis * 13, root + axis * 15, 1.35, Shade(Steel, 0.8), false);
    }
    // Mount and the gunner's shield.
    Extrude(sketch, {{top.x - 6, top.y}, {top.x - 5, top.y - 5}, {top.x + 4, top.y - 7}, {top.x + 6, top.y}},
            {2.5, -1.8}, Steel);
    sketch.Polygon({top + Point{-3, -3}, top + Point{3.5, -4.6}, top + Point{3.5, -2.2}, top + Point{-3, -1.2}},
                   Solid(Shade(Steel, 0.55)));
}

void PlasmaProjector(Sketch& sketch, Point top) {
    Extrude(sketch, {{top.x - 7, top.y}, {top.x - 6, top.y - 6}, {top.x + 2, top.y - 7}, {top.x + 6, top.y - 3},
                     {top.x + 6, top.y}},
            {2.5, -2}, Rgb(112, 118, 128));
    // Fork of two prongs with the plasma held between their tips.
    const Point root = top + Point{4, -4};
    Barrel(sketch, root + Point{0, -2.4}, root + Point{7, -9}, 0.9, Steel, false);
    Barrel(sketch, root + Point{0, 1.6}, root + Point{8.5, -4.5}, 0.9, Steel, false);
    const Point glow = root + Point{8.5, -8.5};
    sketch.Circle(glow, 5.2, Solid(Rgb(40, 150, 200)));
    sketch.Circle(glow, 4.2, Radial(glow + Point{-1.2, -1.2}, 5, Rgb(250, 255, 255), Rgb(70, 210, 240)));
    for (int i = 0; i < 5; ++i) {
        const Point d = Along(-150 + i * 70);
        sketch.Polyline({glow + d * 3.6, glow + d * 4.8 + Point{-d.y, d.x} * 1.1, glow + d * 5.8}, 0.55,
                        Solid(Rgb(180, 250, 255)));
    }
    sketch.Circle(top + Point{-2, -5.5}, 1.3, Solid(Rgb(70, 210, 240)));
}

void GatlingLaser(Sketch& sketch, Point top) {
    Ball(sketch, top + Point{-1, -4}, 7, 5.5, Rgb(120, 116, 110));
    const Point root = top + Point{3, -5.5};
    const Point axis = Along(-8);
    const Point up{axis.y, -axis.x};
    // Six barrels round a spindle: three show, with clamp rings.
    for (double offset : {1.3, -1.3, 0.0}) {
        const Point from = root + up * offset;
        Barrel(sketch, from, from + axis * 11.5, 0.62, Shade(Steel, offset == 0 ? 1.05 : 0.85), false);
        sketch.Circle(from + axis * 11.7, 0.7, Solid(Rgb(255, 60, 40)));
    }
    for (double at : {3.0, 9.0}) {
        const Point c = root + axis * at;
        sketch.Ellipse(c, 1, 2.4, Linear(c + Point{0, -2.4}, Rgb(200, 200, 196), c + Point{0, 2.4}, Rgb(90, 90, 88)));
    }
    sketch.Circle(root + axis * 13, 1.0, Solid(Rgb(255, 120, 90)));
    sketch.Circle(root + axis * 13, 0.5, Solid(Rgb(255, 240, 220)));
}

void RestrainingMortar(Sketch& sketch, Point top) {
    const Point axis = Along(-42);
    const Point root = top + Point{-2, -3};
    // A wide, short barrel with a banded muzzle.
    Barrel(sketch, root, root + axis * 13, 3.6, Rgb(110, 112, 108), false);
    const Point band = root + axis * 9;
    Barrel(sketch, band, band + axis * 2, 3.9, Rgb(236, 196, 50), false);
    const Point muzzle = root + axis * 13;
    sketch.Ellipse(muzzle, 3.7, 3.7, Solid(Rgb(40, 40, 38)));
    sketch.Ellipse(muzzle, 2.6, 2.6, Solid(Rgb(90, 60, 140)));
    sketch.Ellipse(muzzle + Point{-0.6, -0.6}, 1.3, 1.3, Solid(Rgb(200, 160, 255)));
    // Cradle and recoil cylinders.
    Extrude(sketch, {{top.x - 8, top.y}, {top.x - 7, top.y - 4}, {top.x + 3, top.y - 4}, {top.x + 5, top.y}},
            {2.5, -2}, Rgb(100, 100, 96));
    sketch.Circle(top + Point{-2, -3}, 2.4, Solid(Rgb(70, 70, 66)));
    sketch.Circle(top + Point{-2, -3}, 1.2, Solid(Rgb(150, 150, 144)));
}

}  // namespace

void PaintTurret(Sketch& sketch, int which) {
    const Point pedestalTop = DrawPedestal(sketch);
    // The heads are drawn a size larger than the pedestal's units, round its top.
    sketch.Push({pedestalTop.x, pedestalTop.y, 1.2});
    const Point top{0, 0};
    switch (which) {
        case 0: SmallGun(sketch, top); break;
        case 1: AntiAircraftGuns(sketch, top); break;
        case 2: PlasmaProjector(sketch, top); break;
        case 3: GatlingLaser(sketch, top); break;
        default: RestrainingMortar(sketch, top); break;
    }
    sketch.Pop();
}

Canvas DrawTurret(int which) {
    Sketch sketch = IconSketch();
    PaintTurret(sketch, which);
    return FinishIcon(sketch);
}
