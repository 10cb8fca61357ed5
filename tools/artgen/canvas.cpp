#include "artgen/canvas.hpp"

#include <algorithm>
#include <cmath>

namespace artgen {

Colour rgb(int r, int g, int b, double a) { return {r / 255.0, g / 255.0, b / 255.0, a}; }

Colour mix(const Colour& from, const Colour& to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Paint solid(const Colour& c) {
    return [c](double, double) { return c; };
}

bool Mask::has(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return bits_[static_cast<std::size_t>(y) * width_ + x];
}

Mask Mask::operator&(const Mask& o) const {
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) m.set(x, y, has(x, y) && o.has(x, y));
    return m;
}

Mask Mask::operator|(const Mask& o) const {
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) m.set(x, y, has(x, y) || o.has(x, y));
    return m;
}

Mask Mask::operator-(const Mask& o) const {
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) m.set(x, y, has(x, y) && !o.has(x, y));
    return m;
}

Mask Mask::border() const {
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            m.set(x, y, has(x, y) && (!has(x - 1, y) || !has(x + 1, y) || !has(x, y - 1) || !has(x, y + 1)));
    return m;
}

Canvas::Canvas(int w, int h) : width_(w), height_(h), pixels_(static_cast<std::size_t>(w) * h, Colour{0, 0, 0, 0}) {}

void Canvas::blend(int x, int y, const Colour& c, double coverage) {
    Colour& d = pixels_[static_cast<std::size_t>(y) * width_ + x];
    const double sa = std::clamp(c.a * coverage, 0.0, 1.0);
    if (sa <= 0) return;
    const double oa = sa + d.a * (1 - sa);
    auto channel = [&](double s, double dst) { return (s * sa + dst * d.a * (1 - sa)) / oa; };
    d = {channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b), oa};
}

void Canvas::fill(const Shape& inside, const Paint& paint, int samples) {
    const double step = 1.0 / samples;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i)
                    if (inside(x + (i + 0.5) * step, y + (j + 0.5) * step)) ++hits;
            if (hits) blend(x, y, paint(x + 0.5, y + 0.5), static_cast<double>(hits) / (samples * samples));
        }
    }
}

void Canvas::fill(const Mask& mask, const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (mask.has(x, y)) blend(x, y, paint(x + 0.5, y + 0.5), 1.0);
}

Mask Canvas::rasterise(const Shape& inside, int samples) const {
    Mask m(width_, height_);
    const double step = 1.0 / samples;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i)
                    if (inside(x + (i + 0.5) * step, y + (j + 0.5) * step)) ++hits;
            m.set(x, y, hits * 2 >= samples * samples);
        }
    }
    return m;
}

RgbaImage Canvas::to_image() const {
    RgbaImage img(width_, height_);
    auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const Colour& c = pixels_[i];
        img.pixels[i] = {byte(c.r), byte(c.g), byte(c.b), byte(c.a)};
    }
    return img;
}

}  // namespace artgen
