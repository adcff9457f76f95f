// The air forces: a four-engined propeller bomber and a jet fighter seen from above,
// heading up and to the right; an orange spacecraft and a disc with pods seen from the
// side; and fire falling from the sky.
#include <cmath>
#include <vector>

#include "tools/artwork/artwork.h"
#include "tools/artwork/scene_pieces.h"
#include "tools/artwork/solids.h"

namespace {

constexpr double Pi = 3.14159265358979;

// Shading of a shape seen from above: its own units have the nose at +x, and after the
// turn the side at -y faces the light.
Paint TopLit(Colour base, double halfWidth, double middle = 0) {
    return [=](Point p) { return Shade(base, 1.12 - 0.35 * (p.y - middle + halfWidth) / (2 * halfWidth)); };
}

// A mirrored pair of shapes on both sides of the centre line.
void Pair(Sketch& sketch, std::initializer_list<Point> upper, const Paint& paint) {
    std::vector<Point> top(upper), bottom;
    for (const Point& p : upper) bottom.push_back({p.x, -p.y});
    sketch.Polygon(bottom, paint);
    sketch.Polygon(top, paint);
}

std::vector<Point> FuselagePoints(double tail, double nose, double halfWidth, double noseLength) {
    std::vector<Point> points;
    for (int i = 0; i <= 16; ++i) {
        const double t = double(i) / 16;
        const double x = tail + (nose - tail) * t;
        double w = halfWidth;
        if (x > nose - noseLength) w *= std::sqrt(std::max(0.0, 1 - std::pow((x - (nose - noseLength)) / noseLength, 2)));
        if (t < 0.25) w *= 0.45 + 0.55 * t / 0.25;
        points.push_back({x, -w});
    }
    for (int i = 16; i >= 0; --i) points.push_back({points[size_t(i)].x, -points[size_t(i)].y});
    return points;
}

void Fireball(Sketch& sketch, Point centre, double radius, Point tail) {
    const Point d = tail - centre;
    const double length = std::hypot(d.x, d.y);
    const Point along = d * (1.0 / length), across{-along.y, along.x};
    sketch.Polygon({centre + across * (radius * 1.05), tail, centre - across * (radius * 1.05)},
                   Linear(centre, Rgb(240, 90, 20), tail, Rgb(150, 30, 20)));
    sketch.Polygon({centre + across * (radius * 0.6), centre + along * (length * 0.6), centre - across * (radius * 0.6)},
                   Linear(centre, Rgb(255, 220, 80), centre + along * (length * 0.6), Rgb(240, 110, 30)));
    sketch.Circle(centre, radius * 1.1, Solid(Rgb(200, 50, 20)));
    sketch.Circle(centre, radius, Radial(centre + Point{-radius * 0.3, radius * 0.2}, radius * 1.3,
                                         Rgb(255, 255, 210), Rgb(250, 130, 30)));
}

}  // namespace

void PaintPropellerBomber(Sketch& sketch) {
    sketch.Push({20.5, 20, 1, -40});
    const Colour metal = Rgb(170, 170, 160);
    const Paint rim = Solid(OutlineColour);
    // Tailplane and wings under the fuselage, each with a dark rim so the parts stay apart.
    Pair(sketch, {{-17.5, 0}, {-15, -7.4}, {-12.5, -7.4}, {-11.5, 0}}, rim);
    Pair(sketch, {{-17, 0}, {-14.8, -6.8}, {-13, -6.8}, {-12, 0}}, TopLit(metal, 7));
    Pair(sketch, {{-3.5, 0}, {-1.5, -18.6}, {2.6, -18.6}, {5.4, 0}}, rim);
    Pair(sketch, {{-3, 0}, {-1.1, -18}, {2.2, -18}, {4.8, 0}}, TopLit(metal, 18));
    for (double y : {-13.0, 13.0, -7.0, 7.0}) {
        sketch.RoundRect(-2.5, y - 1.8, 8.3, y + 1.8, 1.6, Solid(Shade(metal, 0.35)));
        sketch.RoundRect(-2, y - 1.35, 7.8, y + 1.35, 1.2, TopLit(Shade(metal, 0.95), 1.35, y));
        // Spinning propeller: a pale blur across the nacelle's nose.
        sketch.Ellipse({8.9, y}, 0.5, 3.2, Solid(Rgb(206, 208, 200)));
        sketch.Circle({8.7, y}, 0.75, Solid(Rgb(70, 70, 66)));
    }
    const std::vector<Point> body = FuselagePoints(-18.5, 17, 2.6, 5);
    sketch.Polyline(body, 1.2, rim, true);
    sketch.Polygon(body, TopLit(metal, 2.6));
    // Cockpit glazing, the dorsal turret and panel lines.
    sketch.Ellipse({12.6, 0}, 2.4, 1.6, Linear({11, -1.5}, Rgb(190, 230, 250), {14, 1.5}, Rgb(40, 70, 100)));
    sketch.Circle({1, 0}, 1.3, Solid(Rgb(60, 90, 110)));
    for (double y : {-1.0, 1.0}) Seam(sketch, {-16, y * 0.3}, {10, y * 0.3}, Shade(metal, 0.7), 0.3);
    // A tail fin seen from above.
    sketch.Stroke({-18.2, 0}, {-13, 0}, 1.3, Solid(Shade(metal, 0.55)));
    sketch.Pop();
}

Canvas DrawPropellerBomber() {
    Sketch sketch = IconSketch();
    PaintPropellerBomber(sketch);
    return FinishIcon(sketch);
}

void PaintJetFighter(Sketch& sketch) {
    sketch.Push({20, 20.5, 1, -40});
    const Colour metal = Rgb(158, 166, 176);
    const Paint rim = Solid(OutlineColour);
    // Afterburner flames behind the twin engines.
    for (double y : {-1.6, 1.6}) {
        sketch.Polygon({{-15, y - 1.1}, {-22, y}, {-15, y + 1.1}}, Solid(Rgb(240, 100, 30)));
        sketch.Polygon({{-15, y - 0.6}, {-19, y}, {-15, y + 0.6}}, Solid(Rgb(255, 230, 120)));
    }
    Pair(sketch, {{-15.5, 0}, {-14.4, -8.2}, {-11.4, -8.2}, {-9.4, 0}}, rim);
    Pair(sketch, {{-15, 0}, {-14, -7.6}, {-11.8, -7.6}, {-10, 0}}, TopLit(metal, 8));
    Pair(sketch, {{-10.6, 0}, {-7.8, -15.8}, {-4.6, -15.8}, {9.2, 0}}, rim);
    Pair(sketch, {{-10, 0}, {-7.4, -15.1}, {-5, -15.1}, {8.4, 0}}, TopLit(metal, 15));
    // Missiles under the wing tips.
    for (double y : {-14.0, 14.0}) {
        sketch.Stroke({-9, y}, {-1.5, y}, 1.5, rim);
        sketch.Stroke({-9, y}, {-1.5, y}, 0.8, Solid(Rgb(230, 230, 224)));
        sketch.Circle({-1.2, y}, 0.5, Solid(Rgb(220, 60, 40)));
    }
    const std::vector<Point> body = FuselagePoints(-15.5, 19, 2.6, 10);
    sketch.Polyline(body, 1.2, rim, true);
    sketch.Polygon(body, TopLit(metal, 2.6));
    // Twin fins, seen edge-on from above, and the bubble canopy.
    for (double y : {-3.4, 3.4}) {
        sketch.Stroke({-15, y}, {-9, y * 0.9}, 1.6, rim);
        sketch.Stroke({-15, y}, {-9, y * 0.9}, 0.9, Solid(Shade(metal, 0.7)));
    }
    sketch.Ellipse({7.5, 0}, 4, 1.4, Linear({5, -1.4}, Rgb(220, 240, 255), {10, 1.4}, Rgb(40, 70, 110)));
    Seam(sketch, {-13, 0}, {3, 0}, Shade(metal, 0.7), 0.35);
    sketch.Pop();
}

Canvas DrawJetFighter() {
    Sketch sketch = IconSketch();
    PaintJetFighter(sketch);
    return FinishIcon(sketch);
}

void PaintOrangeSpacecraft(Sketch& sketch) {
    const Colour hull = Rgb(234, 124, 36);
    // Exhaust flames first; the engines cover their roots.
    for (double y : {23.5, 16.5}) {
        sketch.Polygon({{8, y - 2.4}, {0.8, y}, {8, y + 2.4}}, Solid(Rgb(240, 120, 40)));
        sketch.Polygon({{8, y - 1.5}, {2.6, y}, {8, y + 1.5}}, Solid(Rgb(255, 236, 150)));
    }
    // Fin on top, wing below, then the body.
    Extrude(sketch, {{12, 12}, {9, 4.5}, {12, 4.5}, {19, 12}}, {1.6, -1}, Shade(hull, 0.92));
    Extrude(sketch, {{8, 13}, {10, 10}, {27, 10.5}, {36.5, 17.5}, {35, 20}, {27, 25}, {10, 27}, {8, 25}}, {3, -2.5},
            hull);
    // Engine nacelles on the near side.
    for (double y : {23.5, 16.5}) {
        Barrel(sketch, {7, y}, {19, y}, 2.5, Rgb(120, 118, 116), false);
        sketch.Ellipse({7, y}, 1.2, 2.5, Solid(Rgb(60, 56, 52)));
        sketch.Ellipse({7, y}, 0.7, 1.7, Solid(Rgb(255, 220, 130)));
    }
    sketch.Polygon({{25, 12}, {30.5, 13.2}, {33.5, 17}, {27, 16.5}},
                   Linear({25, 12}, Rgb(200, 240, 255), {31, 17}, Rgb(40, 90, 130)));
    sketch.Polygon({{20, 22}, {32, 19.5}, {31, 21}, {20, 23.5}}, Solid(Shade(hull, 0.6)));
    Seam(sketch, {21, 11}, {21, 26}, Shade(hull, 0.55), 0.4);
    sketch.Circle({24.5, 21.5}, 0.9, Solid(Rgb(255, 240, 200)));
}

Canvas DrawOrangeSpacecraft() {
    Sketch sketch = IconSketch();
    PaintOrangeSpacecraft(sketch);
    return FinishIcon(sketch);
}

void PaintPodDisc(Sketch& sketch) {
    const Colour hull = Rgb(168, 156, 132);
    const Point centre{20, 20};
    auto pod = [&](Point top, double scale) {
        const Colour canister = Rgb(226, 226, 218);
        sketch.RoundRect(top.x - 2.6 * scale, top.y - 0.6, top.x + 2.6 * scale, top.y + 9 * scale, 2.4 * scale,
                         Solid(OutlineColour));
        sketch.RoundRect(top.x - 2 * scale, top.y, top.x + 2 * scale, top.y + 8.4 * scale, 1.9 * scale,
                         Linear({top.x - 2 * scale, 0}, Shade(canister, 1.1), {top.x + 2 * scale, 0},
                                Shade(canister, 0.55)));
        sketch.Rectangle(top.x - 2 * scale, top.y + 3.5 * scale, top.x + 2 * scale, top.y + 4.8 * scale,
                         Solid(Rgb(200, 50, 40)));
    };
    // Pods behind the rim, the disc, then the pods in front.
    pod(centre + Point{-8, -1}, 0.8);
    pod(centre + Point{8, -1}, 0.8);
    sketch.Ellipse(centre, 18.4, 7, Solid(OutlineColour));
    sketch.Ellipse(centre, 17.6, 6.2, Linear(centre + Point{0, -6}, Shade(hull, 1.25), centre + Point{0, 6},
                                             Shade(hull, 0.5)));
    sketch.Ellipse(centre + Point{0, -0.8}, 14, 4.2, Linear(centre + Point{-12, -4}, Shade(hull, 1.35),
                                                            centre + Point{12, 3}, Shade(hull, 0.8)));
    for (double x : {-12.0, -6.0, 0.0, 6.0, 12.0})
        Seam(sketch, centre + Point{x * 0.9, 2.2}, centre + Point{x * 1.2, 5.6}, Shade(hull, 0.5), 0.4);
    const Point dome = centre + Point{0, -2.5};
    sketch.Ellipse(dome, 7.4, 6.6, Solid(OutlineColour));
    sketch.Polygon(EllipsePoints(dome, 6.7, 6, 32, 180, 360), Radial(dome + Point{-2, -3}, 8, Rgb(255, 230, 150),
                                                                     Rgb(210, 130, 30)));
    sketch.Ellipse(dome + Point{-2.4, -3}, 1.2, 1.8, Solid(Rgb(255, 250, 230)));
    sketch.Ellipse(dome, 6.9, 1.4, Linear(dome + Point{-7, 0}, Shade(hull, 1.2), dome + Point{7, 0}, Shade(hull, 0.6)));
    pod(centre + Point{-13, 3.5}, 1.0);
    pod(centre + Point{13, 3.5}, 1.0);
    pod(centre + Point{0, 5.5}, 1.0);
}

Canvas DrawPodDisc() {
    Sketch sketch = IconSketch();
    PaintPodDisc(sketch);
    return FinishIcon(sketch);
}

void PaintFireRain(Sketch& sketch) {
    Fireball(sketch, {28.5, 13}, 2.3, {37.5, 3});
    Fireball(sketch, {8.5, 17}, 2.0, {16.5, 5});
    Fireball(sketch, {26, 32}, 3.0, {37.5, 17});
    Fireball(sketch, {12, 31}, 4.4, {29, 6});
    // Embers.
    for (Point p : {Point{20, 10}, Point{33, 24}, Point{5, 26}, Point{18.5, 24.5}}) {
        sketch.Circle(p, 0.9, Solid(Rgb(200, 60, 20)));
        sketch.Circle(p, 0.5, Solid(Rgb(255, 210, 90)));
    }
}

Canvas DrawFireRain() {
    Sketch sketch = IconSketch();
    PaintFireRain(sketch);
    return FinishIcon(sketch);
}
