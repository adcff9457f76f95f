// The seven machines: a saucer under a blue glass dome, five walkers and a platform that
// carries a radiation sign. The walkers face right like the vehicles; their far legs are
// drawn darker and first, their near legs last.
#include <cmath>

#include "tools/artwork/artwork.h"
#include "tools/artwork/scene_pieces.h"
#include "tools/artwork/solids.h"

namespace {

// A leg from hip to foot through the knee, with a joint and a flat foot.
void DrawLeg(Sketch& sketch, Point hip, Point knee, Point foot, double thickness, Colour paint) {
    const Paint rim = Solid(Shade(paint, 0.3));
    sketch.Stroke(hip, knee, thickness + 1.1, rim);
    sketch.Stroke(knee, foot, thickness * 0.85 + 1.1, rim);
    sketch.Stroke(hip, knee, thickness, Linear(hip + Point{-thickness, 0}, Shade(paint, 1.1), hip + Point{thickness, 0},
                                               Shade(paint, 0.7)));
    sketch.Stroke(knee, foot, thickness * 0.85, Linear(knee + Point{-thickness, 0}, Shade(paint, 1.0),
                                                       knee + Point{thickness, 0}, Shade(paint, 0.62)));
    sketch.Circle(knee, thickness * 0.75, Solid(Shade(paint, 0.3)));
    sketch.Circle(knee, thickness * 0.55, Radial(knee + Point{-0.4, -0.4}, thickness, Shade(paint, 1.2), Shade(paint, 0.6)));
    const double w = thickness * 1.5;
    sketch.Polygon({foot + Point{-w * 0.8, -0.8}, foot + Point{w * 0.9, -0.8}, foot + Point{w * 1.3, 1.1},
                    foot + Point{-w * 1.0, 1.1}},
                   Linear(foot + Point{0, -1}, Shade(paint, 0.95), foot + Point{0, 1}, Shade(paint, 0.55)));
}

void DrawMissileBox(Sketch& sketch, Point base, Colour paint) {
    // A box tilted up and to the right with two rows of red noses on its face.
    const Point axis{0.8, -0.6}, up{-0.6, -0.8};
    const double length = 7, height = 4.2;
    const Point a = base, b = base + axis * length, c = b + up * height, d = a + up * height;
    sketch.Polyline({a, b, c, d}, 1.1, Solid(Shade(paint, 0.3)), true);
    sketch.Polygon({a, b, c, d}, Linear(d, Shade(paint, 1.15), b, Shade(paint, 0.7)));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            const Point tip = b + up * (1.1 + row * 2) + axis * 0.6 - axis * (column * 0.0) + up * (column * 0.0);
            sketch.Circle(tip + axis * (column * -0.2), 0.85, Solid(Rgb(220, 60, 40)));
            sketch.Circle(tip + axis * (column * -0.2) + Point{-0.2, -0.2}, 0.35, Solid(Rgb(255, 180, 160)));
        }
}

void Kodiak(Sketch& sketch) {
    const Colour paint = Rgb(156, 128, 94);
    DrawLeg(sketch, {18, 23}, {23, 28}, {19.5, 35}, 3.2, Shade(paint, 0.7));
    // Shoulder cannon on the far side.
    Barrel(sketch, {22, 12}, {35, 12.5}, 1.4, Rgb(92, 94, 98));
    Extrude(sketch, {{8, 20}, {7, 14}, {10, 9}, {22, 9}, {26, 13}, {25, 20}, {20, 24}, {12, 24}}, {4, -3}, paint);
    // Cockpit visor and armour seams.
    sketch.Polygon({{21, 12.5}, {24.6, 13.5}, {24, 16}, {20.5, 15.5}}, Linear({21, 12}, Rgb(250, 220, 130),
                                                                       {24, 16}, Rgb(190, 120, 40)));
    Seam(sketch, {10, 17}, {20, 17}, Shade(paint, 0.5));
    Seam(sketch, {15, 9.5}, {14, 23}, Shade(paint, 0.5));
    DrawLeg(sketch, {13, 23}, {18, 28.5}, {13.5, 35.5}, 3.6, paint);
    // Near shoulder cannon with its pod.
    Extrude(sketch, {{5, 12.5}, {5, 6.5}, {14, 6.5}, {14, 12.5}}, {2, -1.5}, Rgb(100, 102, 106));
    Barrel(sketch, {13, 9.5}, {36, 9.8}, 1.8, Rgb(110, 112, 116));
    Barrel(sketch, {31, 9.7}, {36, 9.8}, 2.3, Rgb(80, 82, 86));
}

void Avenger(Sketch& sketch) {
    const Colour paint = Rgb(144, 146, 138);
    // Bird legs: knees bent backwards.
    DrawLeg(sketch, {20, 21}, {14, 27}, {20, 35}, 2.4, Shade(paint, 0.68));
    DrawMissileBox(sketch, {22, 10}, Shade(paint, 0.8));
    Extrude(sketch, {{11, 19}, {10, 15}, {14, 11}, {26, 11}, {29, 15}, {26, 20}, {15, 22}}, {3, -2.5}, paint);
    sketch.Polygon({{23, 12.5}, {27.5, 14.5}, {25.5, 16.5}, {22, 15}}, Linear({23, 12}, Rgb(170, 230, 240),
                                                                     {25, 17}, Rgb(40, 90, 110)));
    DrawLeg(sketch, {16, 21}, {9, 27.5}, {15, 35.5}, 2.7, paint);
    DrawMissileBox(sketch, {9, 13}, paint);
}

void Puma(Sketch& sketch) {
    const Colour paint = Rgb(176, 150, 104);
    const Colour far = Shade(paint, 0.68);
    DrawLeg(sketch, {10, 19}, {6, 26}, {9, 34}, 2.1, far);
    DrawLeg(sketch, {26, 19}, {30, 26}, {27, 34}, 2.1, far);
    // Long low body with a tail, and the head forward with a gun under the jaw.
    sketch.Stroke({5, 15}, {1.8, 10}, 1.4, Solid(Shade(paint, 0.4)));
    sketch.Stroke({5, 15}, {1.8, 10}, 0.8, Solid(Shade(paint, 0.9)));
    Extrude(sketch, {{4, 17}, {6, 13}, {27, 12}, {30, 16}, {27, 20}, {7, 20}}, {2.5, -2}, paint);
    Seam(sketch, {12, 12.5}, {12, 20}, Shade(paint, 0.5));
    Seam(sketch, {20, 12.3}, {20, 20}, Shade(paint, 0.5));
    Extrude(sketch, {{27, 13}, {29, 8.5}, {34.5, 9}, {36, 12}, {33, 14.5}, {28, 15}}, {1.8, -1.5}, Shade(paint, 1.05));
    sketch.Polygon({{31, 10}, {34, 10.3}, {33.5, 11.5}, {31, 11.3}}, Solid(Rgb(250, 70, 40)));
    Barrel(sketch, {30, 15}, {37.5, 15.5}, 0.8, Rgb(96, 96, 92));
    DrawLeg(sketch, {13, 19}, {8.5, 26.5}, {12, 35}, 2.4, paint);
    DrawLeg(sketch, {24, 19}, {28, 26.5}, {24.5, 35}, 2.4, paint);
}

void GatlingWalker(Sketch& sketch) {
    const Colour paint = Rgb(120, 126, 136);
    DrawLeg(sketch, {19, 22}, {24, 28}, {20, 35}, 2.6, Shade(paint, 0.68));
    Extrude(sketch, {{9, 20}, {8, 12}, {12, 8}, {21, 8}, {24, 12}, {23, 20}, {18, 23}, {12, 23}}, {3.5, -2.5}, paint);
    sketch.Polygon({{19, 11}, {23, 12.5}, {22.5, 15}, {18.5, 14}}, Linear({19, 11}, Rgb(250, 150, 130),
                                                                   {22, 15}, Rgb(150, 30, 20)));
    DrawLeg(sketch, {13, 22}, {18, 28.5}, {13.5, 35.5}, 3, paint);
    // The Gatling arm: a drum of barrels with red lenses.
    Extrude(sketch, {{12, 17}, {12, 13}, {19, 13}, {19, 17}}, {1.5, -1.2}, Shade(paint, 0.85));
    for (double y : {14.0, 16.6, 15.3}) {
        Barrel(sketch, {18, y}, {35, y - 0.4}, 0.7, Shade(Rgb(150, 152, 156), y == 15.3 ? 1.05 : 0.85), false);
        sketch.Circle({35.3, y - 0.4}, 0.75, Solid(Rgb(255, 60, 40)));
    }
    for (double x : {21.0, 30.0})
        sketch.Ellipse({x, 15.2}, 1.1, 2.6, Linear({x, 12.6}, Rgb(210, 210, 206), {x, 17.8}, Rgb(90, 90, 88)));
}

void Achilles(Sketch& sketch) {
    const Colour paint = Rgb(176, 144, 92);
    DrawLeg(sketch, {20, 22}, {22, 28}, {21, 35.5}, 2.6, Shade(paint, 0.68));
    // Lance held behind the body.
    Barrel(sketch, {24, 24}, {33, 2.5}, 0.7, Rgb(160, 160, 156), false);
    sketch.Polygon({{32.2, 4.5}, {34.5, -0.2 + 2.5}, {34.6, 5.8}}, Solid(Rgb(220, 220, 214)));
    // Torso and the crested helmet.
    Extrude(sketch, {{12, 22}, {11, 14}, {14, 11}, {23, 11}, {25, 14}, {23, 22}}, {2.5, -2}, paint);
    Extrude(sketch, {{15, 11}, {15, 7}, {17, 5}, {21, 5}, {22.5, 7.5}, {22, 11}}, {1.5, -1.2}, Shade(paint, 1.05));
    sketch.Polygon({{18.5, 7}, {22, 7.8}, {21.8, 9}, {18.5, 8.6}}, Solid(Rgb(40, 36, 30)));
    sketch.Polygon({{14, 5.5}, {16, 2}, {21, 1.5}, {19, 3.5}, {17, 6}}, Linear({14, 2}, Rgb(240, 70, 50), {20, 5},
                                                                          Rgb(150, 30, 20)));
    DrawLeg(sketch, {15, 22}, {16.5, 28.5}, {15, 35.5}, 3, paint);
    // Round shield on the near arm.
    const Point shield{12.5, 19};
    sketch.Ellipse(shield, 5.4, 6.4, Solid(Shade(paint, 0.3)));
    sketch.Ellipse(shield, 4.7, 5.7, Radial(shield + Point{-1.5, -2}, 7, Rgb(236, 200, 120), Rgb(140, 100, 40)));
    sketch.Ellipse(shield, 1.6, 1.9, Solid(Rgb(120, 80, 30)));
    sketch.Ellipse(shield + Point{-0.4, -0.5}, 0.7, 0.8, Solid(Rgb(250, 230, 170)));
}

}  // namespace

void PaintDomeSaucer(Sketch& sketch) {
    const Colour hull = Rgb(168, 170, 174);
    const Point centre{20, 23};
    // Under-side glow, disc, rim lights, then the glass dome.
    sketch.Ellipse(centre + Point{0, 3.2}, 8, 2.4, Solid(Rgb(70, 72, 80)));
    sketch.Ellipse(centre + Point{0, 2.6}, 5, 1.5, Solid(Rgb(120, 220, 255)));
    sketch.Ellipse(centre, 18, 6.2, Solid(Shade(hull, 0.3)));
    sketch.Ellipse(centre, 17.2, 5.4, Linear(centre + Point{0, -5}, Shade(hull, 1.25), centre + Point{0, 5},
                                             Shade(hull, 0.55)));
    sketch.Ellipse(centre + Point{0, -1.2}, 13, 3.4, Linear(centre + Point{-10, -3}, Shade(hull, 1.35),
                                                            centre + Point{10, 2}, Shade(hull, 0.8)));
    for (int i = 0; i < 7; ++i) {
        const double x = -13.5 + i * 4.5;
        const double y = 2.2 * std::sqrt(std::max(0.0, 1 - (x * x) / (17.0 * 17.0)));
        sketch.Circle(centre + Point{x, y + 1.6}, 0.9, Solid(Rgb(255, 220, 90)));
    }
    const Point dome = centre + Point{0, -3};
    sketch.Ellipse(dome, 9.6, 10, Solid(Rgb(20, 40, 90)));
    sketch.Polygon(EllipsePoints(dome, 9, 9.4, 40, 180, 360), Radial(dome + Point{-3, -4}, 11, Rgb(150, 200, 255),
                                                                     Rgb(30, 80, 200)));
    sketch.Ellipse(dome + Point{-3.5, -4.5}, 1.6, 2.6, Solid(Rgb(235, 245, 255)));
    sketch.Ellipse(dome, 9.4, 1.8, Linear(dome + Point{-9, 0}, Shade(hull, 1.3), dome + Point{9, 0}, Shade(hull, 0.6)));
}

Canvas DrawDomeSaucer() {
    Sketch sketch = IconSketch();
    PaintDomeSaucer(sketch);
    return FinishIcon(sketch);
}

void PaintWalker(Sketch& sketch, int which) {
    switch (which) {
        case 0: Kodiak(sketch); break;
        case 1: Avenger(sketch); break;
        case 2: Puma(sketch); break;
        case 3: GatlingWalker(sketch); break;
        default: Achilles(sketch); break;
    }
}

Canvas DrawWalker(int which) {
    Sketch sketch = IconSketch();
    PaintWalker(sketch, which);
    return FinishIcon(sketch);
}

void PaintRadiationPlatform(Sketch& sketch) {
    const Colour paint = Rgb(130, 134, 128);
    // Four stubby legs, the deck, then the sign standing on it.
    for (double x : {8.0, 27.0}) {
        sketch.Rectangle(x + 4, 28, x + 6, 33, Solid(Shade(paint, 0.4)));
    }
    Extrude(sketch, {{3, 27}, {4, 24}, {31, 24}, {32, 27}, {31, 30}, {4, 30}}, {5, -4}, paint);
    for (double x : {6.0, 27.0}) {
        sketch.Rectangle(x, 29, x + 2.6, 35, Solid(Shade(paint, 0.45)));
        sketch.Rectangle(x - 1, 34, x + 3.6, 35.6, Solid(Shade(paint, 0.6)));
    }
    for (double x = 6; x < 31; x += 3) sketch.Rectangle(x, 26.5, x + 1.5, 27.5, Solid(Rgb(240, 200, 40)));
    // The sign: a yellow disc with the black trefoil.
    const Point c{20, 13};
    const double r = 10.5;
    sketch.Rectangle(c.x - 0.9, c.y, c.x + 0.9, 24, Solid(Rgb(70, 70, 66)));
    sketch.Circle(c, r + 0.9, Solid(Rgb(30, 28, 20)));
    sketch.Circle(c, r, Radial(c + Point{-3, -3}, r * 1.6, Rgb(255, 240, 120), Rgb(226, 170, 20)));
    const Paint black = Solid(Rgb(24, 22, 18));
    for (int i = 0; i < 3; ++i) {
        const double a = (-90 + i * 120) * 3.14159265358979 / 180;
        std::vector<Point> blade = EllipsePoints(c, r * 0.82, r * 0.82, 12, (a * 180 / 3.14159265358979) - 30,
                                                 (a * 180 / 3.14159265358979) + 30);
        const std::vector<Point> inner = EllipsePoints(c, r * 0.27, r * 0.27, 12, (a * 180 / 3.14159265358979) + 30,
                                                       (a * 180 / 3.14159265358979) - 30);
        blade.insert(blade.end(), inner.begin(), inner.end());
        sketch.Polygon(blade, black);
    }
    sketch.Circle(c, r * 0.17, black);
}

Canvas DrawRadiationPlatform() {
    Sketch sketch = IconSketch();
    PaintRadiationPlatform(sketch);
    return FinishIcon(sketch);
}
