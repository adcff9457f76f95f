// Sketch: shape filling on a supersampled Canvas and the reduction to pixels.
#include "tools/artwork/sketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

uint8_t ClampByte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// Magenta is the transparent colour: a drawn pixel must never be exactly it.
Colour NotMagenta(Colour c) { return c == Magenta ? Rgb(254, 0, 254) : c; }

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

Colour Mix(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return NotMagenta(Rgb(ClampByte(RedOf(a) + (RedOf(b) - RedOf(a)) * t),
                          ClampByte(GreenOf(a) + (GreenOf(b) - GreenOf(a)) * t),
                          ClampByte(BlueOf(a) + (BlueOf(b) - BlueOf(a)) * t)));
}

Colour Shade(Colour c, double factor) {
    if (factor > 1) return Mix(c, Rgb(255, 255, 255), factor - 1);
    factor = std::max(factor, 0.0);
    return NotMagenta(
        Rgb(ClampByte(RedOf(c) * factor), ClampByte(GreenOf(c) * factor), ClampByte(BlueOf(c) * factor)));
}

Paint Solid(Colour colour) {
    colour = NotMagenta(colour);
    return [colour](Point) { return colour; };
}

Paint Linear(Point from, Colour fromColour, Point to, Colour toColour) {
    const Point axis = to - from;
    const double lengthSquared = std::max(axis.x * axis.x + axis.y * axis.y, 1e-9);
    return [=](Point p) {
        const Point d = p - from;
        return Mix(fromColour, toColour, (d.x * axis.x + d.y * axis.y) / lengthSquared);
    };
}

Paint Radial(Point centre, double radius, Colour inner, Colour outer) {
    return [=](Point p) {
        const Point d = p - centre;
        return Mix(inner, outer, std::sqrt(d.x * d.x + d.y * d.y) / radius);
    };
}

Point Placement::Apply(Point p) const {
    const double x = (mirrored ? -p.x : p.x) * scale, y = p.y * scale;
    if (turnDegrees == 0) return {originX + x, originY + y};
    const double c = std::cos(Radians(turnDegrees)), s = std::sin(Radians(turnDegrees));
    return {originX + x * c - y * s, originY + x * s + y * c};
}

Point Placement::Undo(Point p) const {
    double x = p.x - originX, y = p.y - originY;
    if (turnDegrees != 0) {
        const double c = std::cos(Radians(turnDegrees)), s = std::sin(Radians(turnDegrees));
        const double rx = x * c + y * s, ry = -x * s + y * c;
        x = rx;
        y = ry;
    }
    x /= scale;
    y /= scale;
    return {mirrored ? -x : x, y};
}

Point Sketch::ToPixels(Point p) const {
    for (auto it = placements_.rbegin(); it != placements_.rend(); ++it) p = it->Apply(p);
    return p;
}

Point Sketch::FromPixels(Point p) const {
    for (const Placement& placement : placements_) p = placement.Undo(p);
    return p;
}

double Sketch::PixelsPerUnit() const {
    double scale = 1;
    for (const Placement& placement : placements_) scale *= placement.scale;
    return scale;
}

Sketch::Sketch(int width, int height, int samples, Colour background)
    : width_(width), height_(height), samples_(samples),
      surface_(width * samples, height * samples, background) {}

void Sketch::FillSurfacePolygon(const std::vector<Point>& points, const Paint& paint) {
    if (points.size() < 3) return;
    double top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int firstRow = std::max(0, int(std::ceil(top - 0.5)));
    const int lastRow = std::min(surface_.Height() - 1, int(std::floor(bottom - 0.5)));
    struct Crossing {
        double x;
        int winding;
    };
    std::vector<Crossing> crossings;
    for (int row = firstRow; row <= lastRow; ++row) {
        const double y = row + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= y) == (b.y <= y)) continue;
            const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
            crossings.push_back({x, a.y < b.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].winding;
            if (winding == 0) continue;
            const int from = std::max(0, int(std::ceil(crossings[i].x - 0.5)));
            const int to = std::min(surface_.Width(), int(std::ceil(crossings[i + 1].x - 0.5)));
            for (int column = from; column < to; ++column) {
                const Point local = FromPixels({(column + 0.5) / samples_, y / samples_});
                surface_.PutPixel(column, row, NotMagenta(paint(local)));
            }
        }
    }
}

void Sketch::Polygon(std::span<const Point> points, const Paint& paint) {
    std::vector<Point> onSurface;
    onSurface.reserve(points.size());
    for (const Point& p : points) onSurface.push_back(ToPixels(p) * samples_);
    FillSurfacePolygon(onSurface, paint);
}

std::vector<Point> EllipsePoints(Point centre, double radiusX, double radiusY, int count,
                                 double fromDegrees, double toDegrees) {
    std::vector<Point> points;
    const bool whole = toDegrees - fromDegrees >= 360;
    const int steps = whole ? count : count + 1;
    for (int i = 0; i < steps; ++i) {
        const double a = Radians(fromDegrees + (toDegrees - fromDegrees) * i / count);
        points.push_back({centre.x + radiusX * std::cos(a), centre.y + radiusY * std::sin(a)});
    }
    return points;
}

void Sketch::Ellipse(Point centre, double radiusX, double radiusY, const Paint& paint) {
    const double largest = std::max(radiusX, radiusY) * PixelsPerUnit() * samples_;
    const int count = std::clamp(int(largest * 1.5), 16, 256);
    Polygon(EllipsePoints(centre, radiusX, radiusY, count), paint);
}

void Sketch::Rectangle(double left, double top, double right, double bottom, const Paint& paint) {
    Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, paint);
}

void Sketch::RoundRect(double left, double top, double right, double bottom, double radius,
                       const Paint& paint) {
    radius = std::max(0.0, std::min({radius, (right - left) / 2, (bottom - top) / 2}));
    std::vector<Point> points;
    auto corner = [&](Point c, double from) {
        auto arc = EllipsePoints(c, radius, radius, 8, from, from + 90);
        points.insert(points.end(), arc.begin(), arc.end());
    };
    corner({right - radius, top + radius}, 270);
    corner({right - radius, bottom - radius}, 0);
    corner({left + radius, bottom - radius}, 90);
    corner({left + radius, top + radius}, 180);
    Polygon(points, paint);
}

void Sketch::Stroke(Point from, Point to, double width, const Paint& paint) {
    const Point d = to - from;
    const double length = std::sqrt(d.x * d.x + d.y * d.y);
    const double half = width / 2;
    if (length > 1e-9) {
        const Point n{-d.y / length * half, d.x / length * half};
        Polygon({from + n, to + n, to - n, from - n}, paint);
    }
    Circle(from, half, paint);
    Circle(to, half, paint);
}

void Sketch::Polyline(std::span<const Point> points, double width, const Paint& paint, bool closed) {
    for (size_t i = 0; i + 1 < points.size(); ++i) Stroke(points[i], points[i + 1], width, paint);
    if (closed && points.size() > 2) Stroke(points.back(), points.front(), width, paint);
}

Canvas Sketch::Resolve(bool keyed) const {
    Canvas picture(width_, height_, Magenta);
    const int all = samples_ * samples_;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int red = 0, green = 0, blue = 0, drawn = 0;
            for (int sy = 0; sy < samples_; ++sy) {
                const Colour* row = surface_.Row(y * samples_ + sy) + x * samples_;
                for (int sx = 0; sx < samples_; ++sx) {
                    const Colour c = row[sx];
                    if (keyed && c == Magenta) continue;
                    red += RedOf(c);
                    green += GreenOf(c);
                    blue += BlueOf(c);
                    ++drawn;
                }
            }
            if (drawn == 0 || (keyed && drawn * 2 < all)) continue;
            const Colour mean = Rgb(uint8_t((red + drawn / 2) / drawn), uint8_t((green + drawn / 2) / drawn),
                                    uint8_t((blue + drawn / 2) / drawn));
            picture.PutPixel(x, y, NotMagenta(mean));
        }
    }
    return picture;
}

void AddOutline(Canvas& picture, Colour colour) {
    const Canvas before = picture;
    auto drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < before.Width() && y < before.Height() &&
               before.Pixel(x, y) != Magenta;
    };
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (!drawn(x, y) && (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)))
                picture.PutPixel(x, y, colour);
}
