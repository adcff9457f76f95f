// The produced items: gold bars, light bulbs and lightning bolts, in ones, twos and threes.
#include <cmath>
#include <vector>

#include "tools/artwork/artwork.h"
#include "tools/artwork/solids.h"

namespace {

// Oblique view of a box world: x to the right, y up, z away from the viewer.
Point Project(Point origin, double x, double y, double z) {
    return origin + Point{x + z * 0.5, -y - z * 0.42};
}

constexpr double BarWidth = 0.46, BarHeight = 0.3, BarInset = 0.12;

// An ingot standing on `origin` (its near lower left corner), `length` long.
void DrawGoldBar(Sketch& sketch, Point origin, double length) {
    const double width = length * BarWidth, height = length * BarHeight, inset = length * BarInset;
    auto at = [&](double x, double y, double z) { return Project(origin, x, y, z); };
    const Point b0 = at(0, 0, 0), b1 = at(length, 0, 0), b2 = at(length, 0, width);
    const Point t0 = at(inset, height, inset), t1 = at(length - inset, height, inset);
    const Point t2 = at(length - inset, height, width - inset), t3 = at(inset, height, width - inset);
    const Colour dark = Rgb(120, 78, 12);
    // Rim first so each bar stands apart from the one behind it.
    sketch.Polyline({b0, b1, b2, t2, t3, t0}, 1.1, Solid(dark), true);
    sketch.Polygon({b1, b2, t2, t1}, Linear(b1, Rgb(200, 136, 24), t2, Rgb(150, 98, 16)));
    sketch.Polygon({b0, b1, t1, t0}, Linear(t0, Rgb(246, 196, 60), b1, Rgb(206, 146, 30)));
    sketch.Polygon({t0, t1, t2, t3}, Linear(t0, Rgb(255, 244, 170), t2, Rgb(246, 206, 80)));
    // A glint along the top and a stamp on the face.
    sketch.Stroke(at(inset * 1.6, height, inset * 2), at(length * 0.55, height, inset * 2), 0.6,
                  Solid(Rgb(255, 255, 230)));
    sketch.Stroke(t0, t1, 0.4, Solid(Rgb(255, 250, 200)));
    const Point stamp = at(length / 2, height * 0.45, 0);
    sketch.RoundRect(stamp.x - length * 0.14, stamp.y - height * 0.2, stamp.x + length * 0.14, stamp.y + height * 0.22,
                     0.5, Solid(Rgb(214, 156, 36)));
}

void DrawBulb(Sketch& sketch, Point centre, double radius, double tiltDegrees) {
    sketch.Push({centre.x, centre.y, 1, tiltDegrees});
    // Everything below is drawn around (0, 0), the middle of the glass.
    const double r = radius;
    sketch.Circle({0, 0}, r * 1.12, Solid(Rgb(150, 120, 30)));
    sketch.Polygon({{-r * 0.62, r * 0.55}, {r * 0.62, r * 0.55}, {r * 0.48, r * 1.35}, {-r * 0.48, r * 1.35}},
                   Solid(Rgb(150, 120, 30)));
    sketch.Circle({0, 0}, r, Radial({-r * 0.3, -r * 0.35}, r * 1.5, Rgb(255, 255, 235), Rgb(246, 206, 64)));
    sketch.Polygon({{-r * 0.55, r * 0.5}, {r * 0.55, r * 0.5}, {r * 0.42, r * 1.25}, {-r * 0.42, r * 1.25}},
                   Linear({-r, 0}, Rgb(255, 240, 160), {r, 0}, Rgb(226, 180, 50)));
    // Filament on its two wires.
    const Paint wire = Solid(Rgb(150, 90, 30));
    sketch.Stroke({-r * 0.25, r * 1.2}, {-r * 0.25, r * 0.1}, r * 0.07, wire);
    sketch.Stroke({r * 0.25, r * 1.2}, {r * 0.25, r * 0.1}, r * 0.07, wire);
    sketch.Polyline({{-r * 0.25, r * 0.1}, {-r * 0.12, -r * 0.15}, {0, r * 0.1}, {r * 0.12, -r * 0.15}, {r * 0.25, r * 0.1}},
                    r * 0.11, Solid(Rgb(230, 90, 20)));
    // Screw base with its threads, and the contact at the bottom.
    const double top = r * 1.25, bottom = r * 2.05;
    sketch.Rectangle(-r * 0.45, top, r * 0.45, bottom, Linear({-r * 0.45, 0}, Rgb(226, 226, 220), {r * 0.45, 0},
                                                               Rgb(110, 112, 110)));
    for (int i = 1; i <= 3; ++i) {
        const double y = top + (bottom - top) * i / 4;
        sketch.Stroke({-r * 0.47, y - r * 0.05}, {r * 0.47, y + r * 0.05}, r * 0.09, Solid(Rgb(80, 80, 78)));
    }
    sketch.Polygon({{-r * 0.3, bottom}, {r * 0.3, bottom}, {r * 0.12, bottom + r * 0.28}, {-r * 0.12, bottom + r * 0.28}},
                   Solid(Rgb(60, 58, 54)));
    // Highlight on the glass.
    sketch.Ellipse({-r * 0.45, -r * 0.4}, r * 0.18, r * 0.3, Solid(Rgb(255, 255, 255)));
    sketch.Pop();
}

void DrawRays(Sketch& sketch, Point centre, double inner, double outer) {
    for (int i = 0; i < 8; ++i) {
        const double a = (-90 + i * 45) * 3.14159265358979 / 180;
        const Point d{std::cos(a), std::sin(a)};
        if (d.y > 0.5) continue;  // leave the bottom free for the base
        sketch.Stroke(centre + d * inner, centre + d * outer, 1.1, Solid(Rgb(255, 226, 90)));
    }
}

std::vector<Point> BoltShape(Point top, double size) {
    const double s = size;
    return {top + Point{s * 0.1, 0},          top + Point{s * 0.62, 0},          top + Point{s * 0.38, s * 0.36},
            top + Point{s * 0.66, s * 0.36},  top + Point{s * 0.02, s * 1.05},   top + Point{s * 0.22, s * 0.55},
            top + Point{-s * 0.05, s * 0.55}};
}

void DrawBolt(Sketch& sketch, Point top, double size) {
    const std::vector<Point> shape = BoltShape(top, size);
    sketch.Polyline(shape, 1.2, Solid(Rgb(150, 80, 10)), true);
    sketch.Polygon(shape, Linear(top, Rgb(255, 250, 160), top + Point{size * 0.2, size}, Rgb(236, 150, 20)));
    // Lit edge along the upper left of each stroke.
    sketch.Polyline({shape[6] + Point{0.5, -0.2}, shape[0] + Point{0.4, 0.5}}, 0.5, Solid(Rgb(255, 255, 230)));
    sketch.Polyline({shape[5] + Point{0.3, 0.2}, shape[4] + Point{0.2, -0.9}}, 0.45, Solid(Rgb(255, 246, 190)));
}

}  // namespace

Canvas DrawGoldBars(int count) {
    Sketch sketch = IconSketch();
    // Where a bar lies on top of the one below: on its upper face, a little inset.
    auto onTop = [](Point origin, double length, double along) {
        return Project(origin, along, length * BarHeight, length * BarInset * 1.1);
    };
    if (count == 1) {
        DrawGoldBar(sketch, {5, 30}, 25);
    } else if (count == 2) {
        const Point bottom{3, 34};
        DrawGoldBar(sketch, bottom, 23);
        DrawGoldBar(sketch, onTop(bottom, 23, 5), 21);
    } else {
        const double length = 16.5;
        const Point left{1, 34.5}, right{1 + length + 0.6, 34.5};
        DrawGoldBar(sketch, left, length);
        DrawGoldBar(sketch, right, length);
        DrawGoldBar(sketch, onTop(left, length, length * 0.52), length);
    }
    return FinishIcon(sketch);
}

Canvas DrawLightBulbs(int count) {
    Sketch sketch = IconSketch();
    if (count == 1) {
        DrawRays(sketch, {20, 15.5}, 11, 14.5);
        DrawBulb(sketch, {20, 15.5}, 8.2, 0);
    } else if (count == 2) {
        DrawBulb(sketch, {12, 15}, 6.6, -12);
        DrawBulb(sketch, {28, 15}, 6.6, 12);
    } else {
        DrawBulb(sketch, {9.5, 19}, 5.2, -16);
        DrawBulb(sketch, {30.5, 19}, 5.2, 16);
        DrawBulb(sketch, {20, 12}, 5.6, 0);
    }
    return FinishIcon(sketch);
}

Canvas DrawLightningBolts(int count) {
    Sketch sketch = IconSketch();
    if (count == 1) {
        DrawBolt(sketch, {12, 3}, 32);
    } else if (count == 2) {
        DrawBolt(sketch, {5, 5}, 27);
        DrawBolt(sketch, {19, 8}, 27);
    } else {
        DrawBolt(sketch, {3, 9}, 23);
        DrawBolt(sketch, {13.5, 3}, 23);
        DrawBolt(sketch, {23, 12}, 23);
    }
    return FinishIcon(sketch);
}
