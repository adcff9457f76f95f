// Shading of the shared solids.
#include "tools/artwork/solids.h"

#include <algorithm>
#include <cmath>

namespace {

Point Normalised(Point p) {
    const double length = std::sqrt(p.x * p.x + p.y * p.y);
    return length > 1e-9 ? Point{p.x / length, p.y / length} : Point{0, -1};
}

double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

const Point TowardsLight = Normalised({-0.45, -1.0});
constexpr double RimWidth = 1.3;

}  // namespace

double FaceLight(Point normal) { return 0.82 + 0.5 * Dot(Normalised(normal), TowardsLight); }

void Extrude(Sketch& sketch, std::span<const Point> profile, Point depth, Colour base) {
    const size_t count = profile.size();
    if (count < 3) return;
    Point centre{0, 0};
    for (const Point& p : profile) centre = centre + p;
    centre = centre * (1.0 / double(count));

    std::vector<Point> far;
    for (const Point& p : profile) far.push_back(p + depth);
    // A dark rim round the whole solid sets it off from what lies behind it.
    const Paint rim = Solid(Shade(base, 0.3));
    for (size_t i = 0; i < count; ++i) {
        sketch.Stroke(profile[i], profile[(i + 1) % count], RimWidth, rim);
        sketch.Stroke(far[i], far[(i + 1) % count], RimWidth, rim);
        sketch.Stroke(profile[i], far[i], RimWidth, rim);
    }
    sketch.Polygon(far, Solid(Shade(base, 0.4)));

    struct Face {
        Point a, b, normal;
        bool facing;
    };
    std::vector<Face> faces;
    for (size_t i = 0; i < count; ++i) {
        const Point a = profile[i], b = profile[(i + 1) % count];
        Point normal = Normalised({b.y - a.y, a.x - b.x});
        if (Dot(normal, (a + b) * 0.5 - centre) < 0) normal = normal * -1;
        faces.push_back({a, b, normal, Dot(normal, depth) > 0});
    }
    // Faces turned away first, so the ones towards the viewer cover them.
    for (bool facing : {false, true})
        for (const Face& face : faces)
            if (face.facing == facing)
                sketch.Polygon({face.a, face.b, face.b + depth, face.a + depth},
                               Solid(Shade(base, facing ? FaceLight(face.normal) : 0.4)));

    double top = profile[0].y, bottom = profile[0].y;
    for (const Point& p : profile) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    sketch.Polygon(profile, Linear({0, top}, Shade(base, 0.86), {0, bottom}, Shade(base, 0.62)));
    // Edges towards the light catch it; the others are dark seams. Both keep the form crisp.
    for (const Face& face : faces) {
        if (!face.facing) continue;
        const double light = FaceLight(face.normal);
        Seam(sketch, face.a, face.b, light > 1 ? Shade(base, 1.35) : Shade(base, 0.5), 0.35);
    }
}

void Extrude(Sketch& sketch, std::initializer_list<Point> profile, Point depth, Colour base) {
    Extrude(sketch, std::span<const Point>(profile.begin(), profile.size()), depth, base);
}

void Barrel(Sketch& sketch, Point from, Point to, double radius, Colour base, bool bore) {
    const Point axis = Normalised(to - from);
    Point across{-axis.y, axis.x};
    if (across.y > 0) across = across * -1;  // `across` points to the upper side
    const Point a = from + across * radius, b = to + across * radius;
    const Point c = to - across * radius, d = from - across * radius;
    const double rim = RimWidth / 2;
    const Point ra = a + across * rim - axis * rim, rb = b + across * rim + axis * rim;
    const Point rc = c - across * rim + axis * rim, rd = d - across * rim - axis * rim;
    sketch.Polygon({ra, rb, rc, rd}, Solid(Shade(base, 0.3)));
    sketch.Polygon({a, b, c, d}, [=](Point p) {
        const double t = Dot(p - from, across) / radius;  // 1 on the upper side, -1 below
        const double light = std::max(0.45, 1.25 - 0.5 * (t - 0.35) * (t - 0.35));
        return Shade(base, light);
    });
    if (bore) sketch.Circle(to, radius * 0.75, Solid(Shade(base, 0.3)));
}

void Wheel(Sketch& sketch, Point centre, double radius, Colour rim) {
    sketch.Circle(centre, radius, Solid(Rgb(34, 33, 31)));
    sketch.Circle(centre, radius * 0.72, Radial(centre + Point{-radius * 0.3, -radius * 0.3}, radius,
                                               Shade(rim, 1.25), Shade(rim, 0.6)));
    sketch.Circle(centre, radius * 0.3, Solid(Shade(rim, 0.45)));
}

void Track(Sketch& sketch, double left, double right, double top, double bottom, int wheels,
           Colour wheelColour) {
    const double height = bottom - top;
    sketch.RoundRect(left, top, right, bottom, height / 2, Solid(Rgb(40, 38, 35)));
    // Tread marks along the top and the bottom run.
    for (double x = left + height * 0.4; x < right - height * 0.4; x += 1.6) {
        sketch.Rectangle(x, top, x + 0.7, top + 0.8, Solid(Rgb(78, 74, 68)));
        sketch.Rectangle(x, bottom - 0.8, x + 0.7, bottom, Solid(Rgb(66, 62, 57)));
    }
    const double radius = height / 2 - 0.9;
    const double y = top + height / 2;
    // Drive sprocket and idler at the ends, road wheels between them.
    Wheel(sketch, {left + height / 2, y}, radius * 0.85, Shade(wheelColour, 0.85));
    Wheel(sketch, {right - height / 2, y}, radius * 0.85, Shade(wheelColour, 0.85));
    const double first = left + height / 2 + radius * 1.9, last = right - height / 2 - radius * 1.9;
    for (int i = 0; i < wheels; ++i) {
        const double x = wheels == 1 ? (first + last) / 2 : first + (last - first) * i / (wheels - 1);
        Wheel(sketch, {x, y + 0.5}, radius, wheelColour);
    }
}

void Ball(Sketch& sketch, Point centre, double radiusX, double radiusY, Colour base) {
    const Point highlight = centre + Point{-radiusX * 0.35, -radiusY * 0.4};
    sketch.Ellipse(centre, radiusX, radiusY, [=](Point p) {
        const Point d = p - highlight;
        const double distance = std::sqrt(d.x * d.x / (radiusX * radiusX) + d.y * d.y / (radiusY * radiusY));
        return Shade(base, 1.45 - 0.75 * distance);
    });
}

void Seam(Sketch& sketch, Point from, Point to, Colour base, double width) {
    sketch.Stroke(from, to, width, Solid(base));
}

Sketch IconSketch() {
    Sketch sketch(40, 40, 6);
    sketch.Push({1.6, 1.6, 0.92});
    return sketch;
}

Canvas FinishIcon(const Sketch& sketch) {
    Canvas icon = sketch.Resolve(true);
    AddOutline(icon, OutlineColour);
    return icon;
}

void Drum(Sketch& sketch, Point foot, double radius, double height, Colour base, double squash) {
    const Point top = foot + Point{0, -height};
    const Paint side = [=](Point p) {
        const double t = (p.x - foot.x) / radius;  // -1 at the left edge, 1 at the right
        return Shade(base, std::max(0.45, 1.15 - 0.42 * (t + 0.4) * (t + 0.4)));
    };
    sketch.Ellipse(foot, radius + 0.6, radius * squash + 0.6, Solid(Shade(base, 0.3)));
    sketch.Rectangle(foot.x - radius - 0.6, top.y, foot.x + radius + 0.6, foot.y, Solid(Shade(base, 0.3)));
    sketch.Ellipse(top, radius + 0.6, radius * squash + 0.6, Solid(Shade(base, 0.3)));
    sketch.Ellipse(foot, radius, radius * squash, side);
    sketch.Rectangle(foot.x - radius, top.y, foot.x + radius, foot.y, side);
    sketch.Ellipse(top, radius, radius * squash,
                   Linear(top + Point{-radius, -radius * squash}, Shade(base, 1.3), top + Point{radius, radius * squash},
                          Shade(base, 0.95)));
}
