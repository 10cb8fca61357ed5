#pragma once
// Inside-tests for the few shapes the artwork is built from, and ways to combine them.
#include <vector>

#include "artgen/canvas.hpp"

namespace artgen {

struct Point {
    double x = 0, y = 0;
};

Shape circle(Point centre, double radius);
// An ellipse with half-axes `rx`, `ry`, turned by `degrees` (clockwise on screen).
Shape ellipse(Point centre, double rx, double ry, double degrees = 0);
Shape rect(double left, double top, double right, double bottom);
// Even-odd rule, so a polygon may be given in either winding.
Shape polygon(std::vector<Point> corners);
// A stroke of the given width between two points, with round ends.
Shape segment(Point a, Point b, double width);
// The band between two radii, limited to the angles from `from_deg` clockwise to `to_deg`
// (0 degrees points right, 90 down, as on screen).
Shape arc_band(Point centre, double inner, double outer, double from_deg, double to_deg);

Shape both(Shape a, Shape b);
Shape either(Shape a, Shape b);
Shape except(Shape a, Shape b);

// Mirrors a shape left-to-right within a cell `width` pixels wide.
Shape mirrored(Shape s, double width);

}  // namespace artgen
