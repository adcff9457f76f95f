// Sketch: a supersampled drawing surface for the artwork. Shapes are given in the
// picture's own units through a placement (move, scale, turn, mirror), filled with a
// paint that may vary over the shape, and the surface is then reduced to real pixels.
// Pictures drawn over magenta keep hard silhouettes: a pixel is either wholly the
// picture or wholly magenta, so the game's colour-keyed drawing shows no pink fringes.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "engine/canvas.h"

constexpr Colour Magenta = Rgb(255, 0, 255);

struct Point {
    double x = 0, y = 0;
};
inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double f) { return {a.x * f, a.y * f}; }

// Colour arithmetic. Results are clamped to 0..255; never returns pure magenta.
Colour Mix(Colour a, Colour b, double t);
Colour Shade(Colour c, double factor);  // factor above 1 lightens towards white

// A paint gives the colour at a point of the shape, in the shape's own units.
using Paint = std::function<Colour(Point)>;
Paint Solid(Colour colour);
Paint Linear(Point from, Colour fromColour, Point to, Colour toColour);
Paint Radial(Point centre, double radius, Colour inner, Colour outer);

// Maps picture units to pixels: pixel = origin + turn(scale * (mirrored ? -x : x, y)).
struct Placement {
    double originX = 0, originY = 0;
    double scale = 1;
    double turnDegrees = 0;
    bool mirrored = false;

    Point Apply(Point p) const;
    Point Undo(Point p) const;
};

class Sketch {
public:
    Sketch(int width, int height, int samples, Colour background = Magenta);

    // Placements nest: a drawing pushes its own inside whatever its caller placed, so a
    // picture drawn for an icon can be drawn again larger elsewhere.
    void Push(const Placement& placement) { placements_.push_back(placement); }
    void Pop() { placements_.pop_back(); }
    Point ToPixels(Point p) const;
    Point FromPixels(Point p) const;
    double PixelsPerUnit() const;

    // Filled shapes, nonzero winding. Coordinates are picture units.
    void Polygon(std::span<const Point> points, const Paint& paint);
    void Polygon(std::initializer_list<Point> points, const Paint& paint) {
        Polygon(std::span<const Point>(points.begin(), points.size()), paint);
    }
    void Ellipse(Point centre, double radiusX, double radiusY, const Paint& paint);
    void Circle(Point centre, double radius, const Paint& paint) {
        Ellipse(centre, radius, radius, paint);
    }
    void Rectangle(double left, double top, double right, double bottom, const Paint& paint);
    void RoundRect(double left, double top, double right, double bottom, double radius,
                   const Paint& paint);
    // A thick line with round ends.
    void Stroke(Point from, Point to, double width, const Paint& paint);
    void Polyline(std::span<const Point> points, double width, const Paint& paint, bool closed);
    void Polyline(std::initializer_list<Point> points, double width, const Paint& paint,
                  bool closed = false) {
        Polyline(std::span<const Point>(points.begin(), points.size()), width, paint, closed);
    }

    // Reduces the samples to pixels. Keyed: a pixel stays magenta unless at least half
    // of its samples were drawn, and then takes the mean of the drawn samples only.
    Canvas Resolve(bool keyed) const;

    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void FillSurfacePolygon(const std::vector<Point>& surfacePoints, const Paint& paint);

    int width_, height_, samples_;
    Canvas surface_;
    std::vector<Placement> placements_;
};

// Rings a keyed picture with a one-pixel outline: every magenta pixel beside a drawn one
// (left, right, above or below) takes `colour`.
void AddOutline(Canvas& picture, Colour colour);

// Points of an ellipse, for shapes built from arcs.
std::vector<Point> EllipsePoints(Point centre, double radiusX, double radiusY, int count,
                                 double fromDegrees = 0, double toDegrees = 360);
