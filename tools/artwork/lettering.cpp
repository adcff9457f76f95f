// Our own lettering for the side panel: capitals drawn as pen strokes on a grid 14 units
// high, so the name can be set at any size without a font file.
#include <vector>

#include "tools/artwork/scene_pieces.h"

namespace {

constexpr double GridHeight = 14;
constexpr double Pen = 3.2;        // stroke width in grid units
constexpr double Spacing = 3.9;    // between letter boxes, in grid units

struct Letter {
    double width;
    std::vector<std::vector<Point>> strokes;
};

std::vector<Point> Join(std::vector<Point> first, const std::vector<Point>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

Letter LetterFor(char c) {
    switch (c) {
        case 'A': return {10, {{{0, 14}, {5, 0}, {10, 14}}, {{2.3, 9}, {7.7, 9}}}};
        case 'D':
            return {10, {Join({{5, 14}, {0, 14}, {0, 0}, {5, 0}}, EllipsePoints({5, 7}, 5, 7, 12, -90, 90))}};
        case 'E': return {9, {{{9, 0}, {0, 0}, {0, 14}, {9, 14}}, {{0, 7}, {7, 7}}}};
        case 'H': return {10, {{{0, 0}, {0, 14}}, {{10, 0}, {10, 14}}, {{0, 7}, {10, 7}}}};
        case 'I': return {0, {{{0, 0}, {0, 14}}}};
        case 'L': return {9, {{{0, 0}, {0, 14}, {9, 14}}}};
        case 'M': return {12, {{{0, 14}, {0, 0}, {6, 9}, {12, 0}, {12, 14}}}};
        case 'N': return {10, {{{0, 14}, {0, 0}, {10, 14}, {10, 0}}}};
        case 'O': {
            auto ring = EllipsePoints({5, 7}, 5, 7, 24);
            ring.push_back(ring.front());
            return {10, {ring}};
        }
        case 'P':
            return {9, {Join({{0, 14}, {0, 0}, {5, 0}}, Join(EllipsePoints({5, 3.75}, 4, 3.75, 10, -90, 90), {{0, 7.5}}))}};
        case 'R':
            return {10, {Join({{0, 14}, {0, 0}, {5.5, 0}}, Join(EllipsePoints({5.5, 3.6}, 4, 3.6, 10, -90, 90), {{0, 7.2}})),
                         {{4.5, 7.2}, {10, 14}}}};
        case 'T': return {10, {{{0, 0}, {10, 0}}, {{5, 0}, {5, 14}}}};
        default: return {6, {}};
    }
}

// Gold with a darker band across the middle, as a polished bevel catches the sky and the ground.
Paint GoldFace(double top, double height) {
    return [=](Point p) {
        const double t = (p.y - top) / height;
        if (t < 0.48) return Mix(Rgb(255, 250, 200), Rgb(238, 176, 46), t / 0.48);
        if (t < 0.56) return Mix(Rgb(238, 176, 46), Rgb(150, 84, 16), (t - 0.48) / 0.08);
        return Mix(Rgb(150, 84, 16), Rgb(250, 204, 90), (t - 0.56) / 0.44);
    };
}

void StrokeText(Sketch& sketch, const char* text, double left, double top, double unit, Point shift, double width,
                const Paint& paint) {
    double x = left + Pen / 2 * unit;
    for (const char* c = text; *c != '\0'; ++c) {
        const Letter letter = LetterFor(*c);
        for (const auto& stroke : letter.strokes) {
            std::vector<Point> placed;
            for (const Point& p : stroke) placed.push_back(Point{x + p.x * unit, top + Pen / 2 * unit + p.y * unit} + shift);
            sketch.Polyline(placed, width, paint, false);
        }
        x += (letter.width + Spacing) * unit;
    }
}

}  // namespace

double LetteringWidth(const char* text, double height) {
    const double unit = height / (GridHeight + Pen);
    double width = Pen;
    for (const char* c = text; *c != '\0'; ++c) width += LetterFor(*c).width + Spacing;
    return (width - Spacing) * unit;
}

void PaintLettering(Sketch& sketch, const char* text, double left, double top, double height) {
    const double unit = height / (GridHeight + Pen);
    const double pen = Pen * unit;
    StrokeText(sketch, text, left, top, unit, {height * 0.07, height * 0.09}, pen + unit * 2.2, Solid(Rgb(6, 6, 10)));
    StrokeText(sketch, text, left, top, unit, {0, 0}, pen + unit * 2.0, Solid(Rgb(60, 30, 6)));
    StrokeText(sketch, text, left, top, unit, {0, 0}, pen, GoldFace(top + pen * 0.2, height - pen * 0.4));
    // A glint along the upper left of every stroke.
    StrokeText(sketch, text, left, top, unit, {-unit * 0.45, -unit * 0.5}, pen * 0.25, Solid(Rgb(255, 255, 236)));
}
