// The fifteen armoured vehicles: five families (air defence, artillery, tank, flame tank,
// special tank) in three weight classes. All face right, seen from the front left and
// above. The family shows in the turret and weapon; the class in the length of the hull,
// the number of road wheels, the height of the armour and, for the heavy ones, skirt plates.
#include <algorithm>
#include <cmath>

#include "tools/artwork/artwork.h"
#include "tools/artwork/scene_pieces.h"
#include "tools/artwork/solids.h"

namespace {

struct Body {
    int weight;
    double rear, front, ground, trackTop, hullTop;
    Point depth;  // from the near side of the vehicle to the far side
    Colour paint;

    // A point on the deck: `x` along the hull, `across` from 0 (near side) to 1 (far side).
    Point Deck(double x, double across) const { return Point{x, hullTop} + depth * across; }
};

Body MakeBody(int weight, Colour paint) {
    Body body;
    body.weight = weight;
    body.rear = 4 - weight * 1.4;
    body.front = 28.2 + weight * 2.25;
    body.ground = 34.5 + weight * 0.3;
    body.trackTop = body.ground - (6.5 + weight);
    body.hullTop = body.trackTop - (3.5 + weight * 0.7);
    body.depth = {4.6 + weight * 0.5, -4.2 - weight * 0.5};
    body.paint = paint;
    return body;
}

void DrawLowerBody(Sketch& sketch, const Body& body) {
    // The far track peeps out above and behind the hull.
    Track(sketch, body.rear + body.depth.x, body.front + body.depth.x, body.trackTop + body.depth.y,
          body.ground + body.depth.y, 2 + body.weight, Shade(body.paint, 0.6));
    const double r = body.rear, f = body.front, t = body.hullTop, tt = body.trackTop;
    Extrude(sketch, {{r - 0.5, tt + 1}, {r + 0.8, t}, {f - 5.5, t}, {f + 1.2, tt + 0.6}, {f + 0.6, tt + 3}, {r, tt + 3}},
            body.depth, body.paint);
    // Engine grille on the rear deck.
    for (int i = 0; i < 3; ++i) {
        const double x = r + 2.5 + i * 1.4;
        Seam(sketch, body.Deck(x, 0.2), body.Deck(x + 0.8, 0.8), Shade(body.paint, 0.7), 0.5);
    }
}

void DrawNearTrack(Sketch& sketch, const Body& body) {
    Track(sketch, body.rear, body.front, body.trackTop, body.ground, 3 + body.weight, Shade(body.paint, 0.95));
    if (body.weight < 2) return;
    // Heavy armour: a skirt plate over the upper run of the track, in sections.
    const double top = body.trackTop - 0.5;
    const double bottom = body.ground - 2.2;
    const double left = body.rear + 0.8, right = body.front - 0.6;
    sketch.Polygon({{left, top}, {right - 1.5, top}, {right, bottom - 1}, {right - 0.5, bottom}, {left, bottom}},
                   Linear({0, top}, Shade(body.paint, 0.95), {0, bottom}, Shade(body.paint, 0.68)));
    Seam(sketch, {left, top + 0.2}, {right - 1.5, top + 0.2}, Shade(body.paint, 1.3), 0.4);
    for (int i = 1; i < 4; ++i) {
        const double x = left + (right - left) * i / 4;
        Seam(sketch, {x, top + 0.4}, {x, bottom}, Shade(body.paint, 0.5), 0.4);
    }
    for (int i = 0; i < 8; ++i)
        sketch.Circle({left + 1.2 + (right - left - 3.5) * i / 7, top + 1.4}, 0.35, Solid(Shade(body.paint, 0.45)));
}

// A turret on the deck: `profile` is given relative to the deck's near edge.
void DrawTurretBlock(Sketch& sketch, const Body& body, std::initializer_list<Point> profile, double across,
                     double thickness, Colour paint) {
    std::vector<Point> placed;
    const Point offset = body.depth * across;
    for (const Point& p : profile) placed.push_back(Point{p.x, body.hullTop + p.y} + offset);
    Extrude(sketch, placed, body.depth * thickness, paint);
}

void DrawMissile(Sketch& sketch, Point tail, Point tip, double radius) {
    const Point axis = (tip - tail) * (1.0 / std::hypot(tip.x - tail.x, tip.y - tail.y));
    const Point across{-axis.y, axis.x};
    const Point noseStart = tip - axis * (radius * 2.6);
    Barrel(sketch, tail, noseStart, radius, Rgb(226, 224, 214), false);
    sketch.Polygon({noseStart + across * radius, tip, noseStart - across * radius},
                   Linear(noseStart + across * radius, Rgb(236, 96, 70), noseStart - across * radius,
                          Rgb(150, 40, 30)));
    sketch.Polygon({tail + across * (radius * 1.9), tail + axis * (radius * 2.5), tail - across * (radius * 1.9)},
                   Solid(Rgb(150, 150, 140)));
}

// A search radar: a flat antenna panel on a short mast.
void DrawRadar(Sketch& sketch, Point foot, double size) {
    Seam(sketch, foot, foot + Point{0, -size * 0.9}, Rgb(70, 70, 66), 0.8);
    const Point c = foot + Point{0, -size * 1.2};
    const Point a{-size * 0.35, -size * 0.75}, b{size * 0.45, size * 0.2};
    sketch.Polygon({c + a - b, c + a + b, c - a + b, c - a - b},
                   Linear(c + a, Rgb(226, 228, 218), c - a, Rgb(120, 124, 116)));
    for (int i = -1; i <= 1; ++i) Seam(sketch, c + a * (i * 0.5) - b, c + a * (i * 0.5) + b, Rgb(96, 98, 92), 0.3);
}

void AirDefence(Sketch& sketch, const Body& body) {
    const int w = body.weight;
    const double x0 = body.rear + 5, x1 = body.front - 6;
    if (w >= 1) DrawRadar(sketch, body.Deck(body.rear + 2.5, 0.5), 3 + w * 0.5);
    DrawTurretBlock(sketch, body, {{x0, 0}, {x0 + 0.5, -2.5}, {x1 - 1, -2.5}, {x1, 0}}, 0.15, 0.7, body.paint);
    const double angle = -38 * 3.14159265358979 / 180;
    const Point axis{std::cos(angle), std::sin(angle)};
    const Point up{axis.y, -axis.x};  // across the rail, upwards
    const double length = 13 + w * 1.5, radius = 0.72 + w * 0.06;
    // The launcher: a cradle on a trunnion with the missiles stacked on it; the heavy
    // class carries a second stack on the far side.
    const Point pivot = body.Deck((x0 + x1) / 2 - 1, 0.5) + Point{0, -3.2};
    const int stacks = w == 2 ? 2 : 1;
    const int rows = 2;
    for (int stack = stacks - 1; stack >= 0; --stack) {
        const Point base = pivot + body.depth * (stacks == 1 ? 0.0 : 0.3 - 0.55 * stack) - axis * (length * 0.3);
        sketch.Polygon({base - up * 0.6, base + axis * (length * 0.75) - up * 0.6,
                        base + axis * (length * 0.75) + up * (0.4), base + up * 0.4},
                       Solid(Shade(body.paint, 0.7)));
        for (int row = rows - 1; row >= 0; --row) {
            const Point tail = base + up * (0.9 + row * radius * 2.6) + axis * (row * 0.8);
            DrawMissile(sketch, tail, tail + axis * length, radius);
        }
    }
    Barrel(sketch, pivot + Point{-1.2, 1.6}, pivot + Point{1.2, 1.6}, 1.0, Shade(body.paint, 0.6), false);
}

void Artillery(Sketch& sketch, const Body& body) {
    const int w = body.weight;
    const double x0 = body.rear + 1, x1 = body.rear + 12 + w * 2;
    const double height = 5.5 + w;
    // Gun barrel first: it leaves the turret's front face, which is drawn over its root.
    const Point root = body.Deck(x1 - 2, 0.5) + Point{0, -height * 0.55};
    const double angle = -24 * 3.14159265358979 / 180;
    const Point axis{std::cos(angle), std::sin(angle)};
    const double length = std::min({19 + w * 3.5, (37.6 - root.x) / axis.x, (root.y - 2) / -axis.y});
    const Point muzzle = root + axis * length;
    DrawTurretBlock(sketch, body, {{x0, 0}, {x0 + 0.6, -height}, {x1 - 2.5, -height}, {x1, -height * 0.35}, {x1, 0}},
                    0.1, 0.8, Shade(body.paint, 1.05));
    Barrel(sketch, root, muzzle, 0.95 + w * 0.2, Shade(body.paint, 0.95));
    Barrel(sketch, root, root + axis * (length * 0.28), 1.5 + w * 0.25, Shade(body.paint, 0.9), false);
    // Muzzle brake.
    Barrel(sketch, muzzle - axis * 1.6, muzzle + axis * 0.4, 1.4 + w * 0.2, Shade(body.paint, 0.75));
    // Hatch and stowage on the turret roof.
    const Point roof = body.Deck(x0 + 3, 0.45) + Point{0, -height};
    sketch.Ellipse(roof, 1.4, 0.8, Solid(Shade(body.paint, 0.7)));
}

void MainBattleTank(Sketch& sketch, const Body& body) {
    const int w = body.weight;
    const double centre = body.rear + (body.front - body.rear) * 0.36;
    const double half = 4.4 + w * 0.7, height = 4.4 + w * 0.5;
    DrawTurretBlock(sketch, body,
                    {{centre - half, 0}, {centre - half + 0.8, -height}, {centre + half - 2.2, -height},
                     {centre + half + 0.6, -height * 0.45}, {centre + half, 0}},
                    0.18, 0.64, Shade(body.paint, 1.12));
    const Point gunRoot = body.Deck(centre + half, 0.5) + Point{0, -height * 0.6};
    const double radius = 0.7 + w * 0.1;
    const double length = 39.2 - radius - gunRoot.x;
    auto gun = [&](Point root) {
        Barrel(sketch, root, root + Point{length, -0.5}, radius, Shade(body.paint, 0.8));
        Barrel(sketch, root + Point{length * 0.5, -0.25}, root + Point{length * 0.66, -0.33}, radius * 1.5,
               Shade(body.paint, 0.9), false);
    };
    // The heavy class carries twin guns, one above the other.
    if (w == 2) {
        gun(gunRoot + Point{0, -1.1});
        gun(gunRoot + Point{0, 1.0});
    } else {
        gun(gunRoot);
    }
    // Commander's cupola and a machine gun on the roof.
    const Point roof = body.Deck(centre - half * 0.3, 0.5) + Point{0, -height};
    Extrude(sketch, {{roof.x - 1.3, roof.y + 0.2}, {roof.x - 1.1, roof.y - 1.1}, {roof.x + 1.1, roof.y - 1.1},
                     {roof.x + 1.3, roof.y + 0.2}},
            body.depth * 0.2, Shade(body.paint, 0.95));
    if (w >= 1) Seam(sketch, roof + Point{0.8, -0.8}, roof + Point{4, -1.4}, Rgb(50, 50, 46), 0.5);
}

// An upright fuel drum with a hazard band.
void DrawFuelTank(Sketch& sketch, Point foot, double radius, double height) {
    const Point top = foot + Point{0, -height};
    const Paint body = [=](Point p) {
        const double t = (p.x - foot.x) / radius;
        return Shade(Rgb(222, 112, 36), std::max(0.5, 1.2 - 0.45 * (t + 0.35) * (t + 0.35)));
    };
    sketch.Ellipse(foot, radius, radius * 0.45, body);
    sketch.Rectangle(foot.x - radius, top.y, foot.x + radius, foot.y, body);
    const double bandTop = foot.y - height * 0.62, bandBottom = foot.y - height * 0.38;
    sketch.Rectangle(foot.x - radius, bandTop, foot.x + radius, bandBottom, Solid(Rgb(40, 36, 30)));
    for (double x = foot.x - radius - 1; x < foot.x + radius; x += 1.4)
        sketch.Polygon({{std::max(x, foot.x - radius), bandTop}, {std::min(x + 0.7, foot.x + radius), bandTop},
                        {std::min(x + 1.4, foot.x + radius), bandBottom},
                        {std::max(x + 0.7, foot.x - radius), bandBottom}},
                       Solid(Rgb(240, 200, 50)));
    sketch.Ellipse(top, radius, radius * 0.45, Linear(top + Point{-radius, 0}, Rgb(250, 180, 110),
                                                      top + Point{radius, 0}, Rgb(200, 100, 40)));
    sketch.Circle(top + Point{radius * 0.2, 0}, radius * 0.28, Solid(Rgb(90, 60, 40)));
}

// A tongue of fire leaving a nozzle towards the right.
void DrawFlame(Sketch& sketch, Point base, double size) {
    sketch.Polygon({base + Point{0, -size * 0.35}, base + Point{size * 0.5, -size * 0.7},
                    base + Point{size * 0.75, -size * 0.45}, base + Point{size * 1.25, -size * 0.55},
                    base + Point{size * 1.05, -size * 0.1}, base + Point{size * 1.35, size * 0.2},
                    base + Point{size * 0.8, size * 0.35}, base + Point{size * 0.6, size * 0.6},
                    base + Point{0, size * 0.35}},
                   Solid(Rgb(226, 64, 18)));
    sketch.Polygon({base + Point{0, -size * 0.22}, base + Point{size * 0.55, -size * 0.4},
                    base + Point{size * 1.0, -size * 0.2}, base + Point{size * 0.75, size * 0.05},
                    base + Point{size * 0.95, size * 0.22}, base + Point{0, size * 0.22}},
                   Solid(Rgb(250, 160, 30)));
    sketch.Ellipse(base + Point{size * 0.3, 0}, size * 0.38, size * 0.13, Solid(Rgb(255, 246, 190)));
}

void FlameTank(Sketch& sketch, const Body& body) {
    const int w = body.weight;
    // Fuel drums standing on the rear deck.
    const double radius = 1.5 + w * 0.25, height = 4.2 + w * 0.5;
    if (w == 0) {
        DrawFuelTank(sketch, body.Deck(body.rear + 3.5, 0.5), radius, height);
    } else {
        DrawFuelTank(sketch, body.Deck(body.rear + 3.2, 0.72), radius, height);
        DrawFuelTank(sketch, body.Deck(body.rear + 3.2, 0.22), radius, height);
    }
    const double flameSize = 4.2 + w * 0.4;
    const double x0 = body.rear + 8 + w, x1 = x0 + 6.5 + w;
    const double turretHeight = 3.2 + w * 0.5;
    DrawTurretBlock(sketch, body,
                    {{x0, 0}, {x0 + 1.2, -turretHeight}, {x1 - 2.2, -turretHeight}, {x1, -turretHeight * 0.4},
                     {x1, 0}},
                    0.2, 0.6, Shade(body.paint, 1.05));
    auto nozzle = [&](Point root) {
        const Point end{39.2 - flameSize * 1.35, root.y + 0.3};
        Barrel(sketch, root, end, 1.0 + w * 0.1, Rgb(84, 80, 74), false);
        Barrel(sketch, end - Point{1.2, 0}, end + Point{0.3, 0}, 1.4 + w * 0.1, Rgb(110, 104, 96), false);
        DrawFlame(sketch, end + Point{0.4, 0}, flameSize);
    };
    const Point root = body.Deck(x1 - 1, 0.5) + Point{0, -turretHeight * 0.5};
    if (w == 2) {
        nozzle(root + Point{0, -1.2});
        nozzle(root + Point{0, 1.1});
    } else {
        nozzle(root);
    }
}

void DrawGlowOrb(Sketch& sketch, Point centre, double radius) {
    sketch.Circle(centre, radius * 1.45, Solid(Rgb(140, 80, 210)));
    sketch.Circle(centre, radius, Radial(centre + Point{-radius * 0.3, -radius * 0.3}, radius * 1.3,
                                         Rgb(255, 240, 255), Rgb(190, 110, 250)));
    // Sparks of the field.
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + i * 90) * 3.14159265358979 / 180;
        const Point d{std::cos(a), std::sin(a)};
        const Point kink = centre + d * (radius * 1.9) + Point{-d.y, d.x} * (radius * 0.4);
        sketch.Polyline({centre + d * (radius * 1.3), kink, centre + d * (radius * 2.5)}, 0.45,
                        Solid(Rgb(222, 170, 255)));
    }
}

void SpecialTank(Sketch& sketch, const Body& body) {
    const int w = body.weight;
    const double centre = (body.rear + body.front) / 2 - 1;
    const double half = 4.5 + w * 1.1, height = 3 + w * 0.4;
    DrawTurretBlock(sketch, body,
                    {{centre - half, 0}, {centre - half + 1.5, -height}, {centre + half - 1.5, -height},
                     {centre + half, 0}},
                    0.15, 0.7, Shade(body.paint, 1.05));
    // The field projector: a mast with coil rings under a glowing orb.
    const Point foot = body.Deck(centre, 0.5) + Point{0, -height};
    const double mast = 5 + w * 1.2;
    Barrel(sketch, foot, foot + Point{0, -mast}, 0.7, Rgb(150, 150, 160), false);
    const int rings = 2 + w;
    for (int i = 0; i < rings; ++i) {
        const Point c = foot + Point{0, -1.5 - i * (mast - 2.5) / rings};
        const double r = 2.6 + w * 0.3 - i * 0.35;
        sketch.Ellipse(c, r, r * 0.42, Solid(Rgb(96, 84, 60)));
        sketch.Ellipse(c + Point{0, -0.25}, r * 0.92, r * 0.3, Linear(c + Point{-r, 0}, Rgb(236, 190, 110),
                                                                     c + Point{r, 0}, Rgb(150, 100, 40)));
    }
    DrawGlowOrb(sketch, foot + Point{0, -mast - 2.2}, 2.6 + w * 0.3);
    if (w == 2) {
        // Two emitter prongs at the front of the turret.
        const Point front = body.Deck(centre + half - 0.5, 0.5) + Point{0, -height * 0.5};
        Barrel(sketch, front + Point{0, -0.9}, front + Point{6, -1.6}, 0.55, Rgb(150, 150, 160), false);
        Barrel(sketch, front + Point{0, 0.9}, front + Point{6, 0.6}, 0.55, Rgb(150, 150, 160), false);
        sketch.Circle(front + Point{6.6, -0.5}, 1.0, Solid(Rgb(222, 170, 255)));
    }
}

constexpr Colour FamilyPaint[5] = {Rgb(140, 144, 134), Rgb(160, 140, 100), Rgb(128, 124, 92),
                                   Rgb(120, 108, 98), Rgb(104, 108, 122)};

}  // namespace

void PaintVehicle(Sketch& sketch, int family, int weightClass) {
    const Body body = MakeBody(weightClass, FamilyPaint[family]);
    DrawLowerBody(sketch, body);
    switch (family) {
        case 0: AirDefence(sketch, body); break;
        case 1: Artillery(sketch, body); break;
        case 2: MainBattleTank(sketch, body); break;
        case 3: FlameTank(sketch, body); break;
        default: SpecialTank(sketch, body); break;
    }
    DrawNearTrack(sketch, body);
}

Canvas DrawVehicle(int family, int weightClass) {
    Sketch sketch = IconSketch();
    PaintVehicle(sketch, family, weightClass);
    return FinishIcon(sketch);
}
