// The side panel: a night over a base at the front line, with the editor's name. The
// upper part stays a calm dark sky, for the panel's white labels are written over it;
// the scene and the name sit below the object page's rows.
#include <cmath>
#include <cstdint>

#include "tools/artwork/artwork.h"
#include "tools/artwork/scene_pieces.h"
#include "tools/artwork/solids.h"

namespace {

constexpr int Width = 270, Height = 695;
constexpr double Horizon = 486;

// A small fixed-seed generator: the same stars every time.
struct Scatter {
    uint32_t state = 20240607u;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1u << 24);
    }
};

Paint SkyPaint() {
    return [](Point p) {
        const double t = p.y / Horizon;
        if (t < 0.55) return Mix(Rgb(8, 10, 22), Rgb(22, 24, 48), t / 0.55);
        if (t < 0.85) return Mix(Rgb(22, 24, 48), Rgb(70, 44, 66), (t - 0.55) / 0.3);
        return Mix(Rgb(70, 44, 66), Rgb(196, 98, 52), (t - 0.85) / 0.15);
    };
}

void PaintSky(Sketch& sketch) {
    sketch.Rectangle(0, 0, Width, Horizon + 20, SkyPaint());
    Scatter scatter;
    for (int i = 0; i < 150; ++i) {
        const double x = scatter.Next() * Width, y = scatter.Next() * (Horizon - 90);
        const double size = 0.35 + scatter.Next() * scatter.Next() * 0.9;
        const double glow = 0.45 + scatter.Next() * 0.55;
        sketch.Circle({x, y}, size, Solid(Mix(Rgb(40, 44, 70), Rgb(255, 250, 230), glow)));
    }
    // The moon, with a faint halo and its seas.
    const Point moon{224, 152};
    sketch.Circle(moon, 30, Solid(Rgb(28, 32, 58)));
    sketch.Circle(moon, 19, Radial(moon + Point{-6, -6}, 26, Rgb(250, 246, 226), Rgb(170, 166, 150)));
    for (auto [offset, r] : {std::pair{Point{5, 4}, 4.5}, {Point{-6, 7}, 3.0}, {Point{2, -8}, 2.6}, {Point{-8, -2}, 2.0}})
        sketch.Circle(moon + offset, r, Solid(Rgb(196, 190, 172)));
}

void PaintHills(Sketch& sketch) {
    auto ridge = [&](double base, double amplitude, double phase, Colour colour) {
        std::vector<Point> points{{-4, Height}};
        for (int x = -4; x <= Width + 4; x += 3) {
            const double y = base - amplitude * (0.55 * std::sin(x * 0.031 + phase) + 0.3 * std::sin(x * 0.083 + phase * 2) +
                                                 0.15 * std::sin(x * 0.19 + phase * 3));
            points.push_back({double(x), y});
        }
        points.push_back({Width + 4.0, Height});
        sketch.Polygon(points, Solid(colour));
    };
    ridge(Horizon - 22, 22, 0.7, Rgb(62, 42, 70));
    ridge(Horizon - 4, 12, 2.1, Rgb(40, 30, 44));
    // The plain in front, darker towards the viewer.
    sketch.Rectangle(0, Horizon + 6, Width, Height,
                     Linear({0, Horizon + 6}, Rgb(86, 66, 50), {0, Height}, Rgb(30, 26, 24)));
    Scatter scatter{77};
    for (int i = 0; i < 26; ++i) {
        const double x = scatter.Next() * Width, y = Horizon + 20 + scatter.Next() * (Height - Horizon - 20);
        const double r = 3 + scatter.Next() * 9 * (y - Horizon) / 200;
        sketch.Ellipse({x, y}, r * 1.8, r * 0.5, Solid(Rgb(26, 22, 20)));
        sketch.Ellipse({x, y - r * 0.12}, r * 1.5, r * 0.33, Solid(Rgb(60, 48, 40)));
    }
}

void PaintBase(Sketch& sketch) {
    // A domed command post, a factory hall with its chimney and a radar mast.
    const Colour wall = Rgb(110, 108, 104);
    Extrude(sketch, {{116, Horizon + 14}, {116, Horizon - 14}, {178, Horizon - 14}, {178, Horizon + 14}}, {14, -8}, wall);
    Extrude(sketch, {{152, Horizon - 14}, {154, Horizon - 40}, {161, Horizon - 40}, {163, Horizon - 14}}, {4, -3},
            Shade(wall, 0.9));
    for (int i = 0; i < 6; ++i)
        sketch.Rectangle(121 + i * 9.5, Horizon - 7, 126 + i * 9.5, Horizon - 2, Solid(Rgb(255, 214, 110)));
    sketch.Rectangle(128, Horizon + 3, 150, Horizon + 14, Solid(Rgb(40, 38, 36)));
    const Point dome{72, Horizon + 6};
    sketch.Ellipse(dome, 38, 12, Solid(Shade(wall, 0.45)));
    sketch.Polygon(EllipsePoints(dome, 34, 30, 40, 180, 360), Radial(dome + Point{-12, -20}, 44, Rgb(200, 200, 196),
                                                                    Rgb(70, 70, 70)));
    sketch.Rectangle(64, dome.y - 12, 80, dome.y, Solid(Rgb(40, 38, 36)));
    sketch.Rectangle(66, dome.y - 10, 78, dome.y, Solid(Rgb(255, 204, 100)));
    Seam(sketch, dome + Point{-34, 0}, dome + Point{34, 0}, Rgb(50, 50, 50), 1.2);
    const double mastX = 250;
    Seam(sketch, {mastX, Horizon + 10}, {mastX, Horizon - 26}, Rgb(60, 60, 58), 2.2);
    Seam(sketch, {mastX - 8, Horizon + 10}, {mastX, Horizon - 14}, Rgb(60, 60, 58), 1.2);
    Seam(sketch, {mastX + 8, Horizon + 10}, {mastX, Horizon - 14}, Rgb(60, 60, 58), 1.2);
    sketch.Ellipse({mastX, Horizon - 32}, 12, 5, Solid(Rgb(40, 40, 40)));
    sketch.Ellipse({mastX, Horizon - 33}, 10.5, 4, Linear({mastX - 10, Horizon - 37}, Rgb(230, 230, 224),
                                                          {mastX + 10, Horizon - 29}, Rgb(120, 120, 116)));
    sketch.Circle({mastX, Horizon - 39}, 1.6, Solid(Rgb(255, 60, 50)));
}

void PaintPiece(Sketch& sketch, void (*paint)(Sketch&), double x, double y, double scale) {
    sketch.Push({x, y, scale});
    paint(sketch);
    sketch.Pop();
}

void PaintTank(Sketch& sketch, int family, int weight, double x, double y, double scale) {
    sketch.Push({x, y, scale});
    PaintVehicle(sketch, family, weight);
    sketch.Pop();
}

void PaintTower(Sketch& sketch, int which, double x, double y, double scale) {
    sketch.Push({x, y, scale});
    PaintTurret(sketch, which);
    sketch.Pop();
}

}  // namespace

Canvas DrawSidePanel() {
    Sketch sketch(Width, Height, 3, Rgb(0, 0, 0));
    PaintSky(sketch);
    // Aircraft crossing the dusk.
    PaintPiece(sketch, PaintJetFighter, 150, 318, 1.1);
    PaintPiece(sketch, PaintJetFighter, 196, 338, 0.9);
    PaintPiece(sketch, PaintPropellerBomber, 16, 334, 0.9);
    const char* name = "TARNHOLD";
    const double nameHeight = 38;
    PaintLettering(sketch, name, (Width - LetteringWidth(name, nameHeight)) / 2, 384, nameHeight);
    const char* subtitle = "MAP EDITOR";
    PaintLettering(sketch, subtitle, (Width - LetteringWidth(subtitle, 14)) / 2, 428, 14);
    PaintHills(sketch);
    PaintBase(sketch);
    PaintTower(sketch, 1, 0, Horizon - 20, 1.3);
    PaintPiece(sketch, [](Sketch& s) { PaintWalker(s, 4); }, 196, Horizon - 2, 1.5);
    PaintTank(sketch, 1, 1, 100, Horizon + 8, 1.8);
    PaintTank(sketch, 0, 2, 164, Horizon + 52, 2.2);
    PaintTank(sketch, 2, 2, 4, Horizon + 48, 3.6);
    return sketch.Resolve(false);
}
