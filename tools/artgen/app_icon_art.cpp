#include "artgen/app_icon_art.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "artgen/canvas.hpp"
#include "artgen/shapes.hpp"

namespace artgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Point kCentre{24, 23};
constexpr double kRadius = 19;
constexpr double kSwooshTilt = -22;  // degrees

struct Vec3 {
    double x, y, z;
};

Vec3 normalised(Vec3 v) {
    const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The point of the sphere's front face under (x, y), in units of the radius.
Vec3 surface(double x, double y) {
    const double nx = (x - kCentre.x) / kRadius, ny = (y - kCentre.y) / kRadius;
    return {nx, ny, std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny))};
}

// Turns the globe so its axis leans right and its north pole tips towards the viewer.
Vec3 to_globe(Vec3 p) {
    const double a = 20 * kPi / 180, b = -18 * kPi / 180;
    const Vec3 q{p.x * std::cos(a) + p.y * std::sin(a), -p.x * std::sin(a) + p.y * std::cos(a), p.z};
    return {q.x, q.y * std::cos(b) - q.z * std::sin(b), q.y * std::sin(b) + q.z * std::cos(b)};
}

Colour globe_shade(double x, double y) {
    const Vec3 n = surface(x, y);
    const Vec3 light = normalised({-0.55, -0.65, 0.6});
    const double diffuse = std::max(0.0, dot(n, light));
    Colour c = mix(rgb(6, 34, 110), rgb(64, 150, 245), 0.15 + 0.85 * diffuse);
    // A soft glint where the light reflects towards the viewer.
    const Vec3 half = normalised({light.x, light.y, light.z + 1});
    const double glint = std::pow(std::max(0.0, dot(n, half)), 24);
    return mix(c, rgb(230, 245, 255), glint * 0.85);
}

// Meridians every 30 degrees of longitude and parallels every 30 degrees of latitude,
// kept to a line about a pixel wide on the face of the globe.
bool on_grid(double x, double y) {
    const Vec3 g = to_globe(surface(x, y));
    const double lat = std::asin(std::clamp(-g.y, -1.0, 1.0));
    const double lon = std::atan2(g.x, g.z);
    const double step = kPi / 6;
    auto off = [step](double a) {
        const double r = std::fmod(std::fmod(a, step) + step, step);
        return std::min(r, step - r);
    };
    const double half_width = 0.55 / kRadius;
    const bool meridian = std::abs(lat) < 80 * kPi / 180 && off(lon) * std::cos(lat) < half_width;
    const bool parallel = std::abs(lat) < 75 * kPi / 180 && off(lat) < half_width;
    return meridian || parallel;
}

Colour grid_shade(double x, double y) {
    // Fainter towards the rim, where the lines crowd together.
    const Vec3 n = surface(x, y);
    return rgb(170, 220, 255, 0.35 + 0.4 * n.z);
}

// The swoosh is a crescent between two tilted ellipses: thick in front, thin behind.
Shape swoosh(double grow) {
    const Shape outer = ellipse({24, 27}, 23.2 + grow, 9.6 + grow, kSwooshTilt);
    const Shape inner = ellipse({24.8, 24.2}, 21.2 - grow, 7.0 - grow, kSwooshTilt);
    const Shape crescent = except(outer, inner);
    // Behind the globe (upper half of the ellipse) the globe hides it.
    const double t = kSwooshTilt * kPi / 180;
    const Shape in_front = [t](double x, double y) {
        const double v = -(x - 24) * std::sin(t) + (y - 27) * std::cos(t);
        return v > -1.5;
    };
    return both(crescent, either(in_front, except(rect(0, 0, 48, 48), circle(kCentre, kRadius))));
}

Colour swoosh_shade(double x, double y) {
    const Colour light = rgb(255, 242, 120), deep = rgb(255, 150, 20);
    return mix(mix(light, deep, (x - 6) / 38), deep, std::max(0.0, (y - 34) / 10));
}

}  // namespace

RgbaImage draw_app_icon() {
    Canvas c(kAppIconSize, kAppIconSize);
    const int aa = 8;
    c.fill(circle(kCentre, kRadius), globe_shade, aa);
    c.fill(both(circle(kCentre, kRadius - 0.5), on_grid), grid_shade, aa);
    c.fill(except(circle(kCentre, kRadius), circle(kCentre, kRadius - 1.1)), solid(rgb(6, 26, 84, 0.9)), aa);
    c.fill(swoosh(0.9), solid(rgb(150, 60, 0, 0.95)), aa);
    c.fill(swoosh(0), swoosh_shade, aa);
    return c.to_image();
}

}  // namespace artgen
