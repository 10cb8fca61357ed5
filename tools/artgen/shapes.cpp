#include "artgen/shapes.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace artgen {

Shape circle(Point c, double radius) {
    return [=](double x, double y) { return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) <= radius * radius; };
}

Shape ellipse(Point c, double rx, double ry, double degrees) {
    const double t = degrees * std::numbers::pi / 180.0;
    const double cs = std::cos(t), sn = std::sin(t);
    return [=](double x, double y) {
        const double dx = x - c.x, dy = y - c.y;
        const double u = dx * cs + dy * sn;   // along the turned x axis
        const double v = -dx * sn + dy * cs;  // along the turned y axis
        return (u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1.0;
    };
}

Shape rect(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape polygon(std::vector<Point> pts) {
    return [pts = std::move(pts)](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Point& a = pts[i];
            const Point& b = pts[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    };
}

Shape segment(Point a, Point b, double width) {
    const double half = width / 2;
    return [=](double x, double y) {
        const double vx = b.x - a.x, vy = b.y - a.y;
        const double len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? ((x - a.x) * vx + (y - a.y) * vy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double dx = x - (a.x + t * vx), dy = y - (a.y + t * vy);
        return dx * dx + dy * dy <= half * half;
    };
}

Shape arc_band(Point c, double inner, double outer, double from_deg, double to_deg) {
    auto norm = [](double d) { return std::fmod(std::fmod(d, 360.0) + 360.0, 360.0); };
    const double from = norm(from_deg);
    const double span = norm(to_deg - from_deg);
    return [=](double x, double y) {
        const double dx = x - c.x, dy = y - c.y;
        const double r2 = dx * dx + dy * dy;
        if (r2 < inner * inner || r2 > outer * outer) return false;
        const double angle = norm(std::atan2(dy, dx) * 180.0 / std::numbers::pi);
        return norm(angle - from) <= span;
    };
}

Shape both(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

Shape either(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape except(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape mirrored(Shape s, double width) {
    return [s = std::move(s), width](double x, double y) { return s(width - x, y); };
}

}  // namespace artgen
