// Solid shapes seen from the front left and above, lit from the upper left: prisms made
// from a side profile, barrels, tracks and wheels. The pictures of vehicles, machines and
// turrets are built from these so that all of them share one light and one view.
#pragma once

#include <span>
#include <vector>

#include "tools/artwork/sketch.h"

// The outline every icon gets, and the darkest shade of its parts.
constexpr Colour OutlineColour = Rgb(18, 18, 16);

// How bright a face is whose outward direction (in the picture plane) is `normal`.
double FaceLight(Point normal);

// A prism whose near face is `profile`; its far face is shifted by `depth` (up and to
// the right). Draws the visible side faces shaded by the light, then the near face.
void Extrude(Sketch& sketch, std::span<const Point> profile, Point depth, Colour base);
void Extrude(Sketch& sketch, std::initializer_list<Point> profile, Point depth, Colour base);

// A round barrel from `from` to `to`, lit along its upper side, with a dark bore at `to`
// when `bore` is set.
void Barrel(Sketch& sketch, Point from, Point to, double radius, Colour base, bool bore = true);

// A track run seen from the side: a rounded band with tread marks and road wheels.
void Track(Sketch& sketch, double left, double right, double top, double bottom, int wheels,
           Colour wheelColour);

// A wheel seen from the side: tyre, rim and hub, lit from the upper left.
void Wheel(Sketch& sketch, Point centre, double radius, Colour rim);

// A ball or dome: radial shading with the highlight towards the light.
void Ball(Sketch& sketch, Point centre, double radiusX, double radiusY, Colour base);

// A thin dark line for panel seams and edges.
void Seam(Sketch& sketch, Point from, Point to, Colour base, double width = 0.45);

// A sketch for a 40 by 40 icon. Its units are a little smaller than pixels, so that a
// drawing that fills the 40 units keeps off the frame's outer edge, outline included.
Sketch IconSketch();

// Finishes an icon: reduces the sketch and rings the silhouette with the outline.
Canvas FinishIcon(const Sketch& sketch);

// An upright drum (cylinder) standing on `foot`, the middle of its lower rim; seen from
// above, its rims are ellipses `squash` times as high as wide.
void Drum(Sketch& sketch, Point foot, double radius, double height, Colour base, double squash = 0.42);
