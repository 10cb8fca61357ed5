#pragma once
// A small floating-point RGBA canvas that paints shapes given as inside-tests.
// Coverage comes from a grid of sub-samples per pixel, which is all the anti-aliasing
// pictures of this size need.
#include <functional>
#include <vector>

#include "artgen/image.hpp"

namespace artgen {

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;  // 0..1, straight (not premultiplied) alpha
};

Colour rgb(int r, int g, int b, double a = 1.0);
Colour mix(const Colour& from, const Colour& to, double t);

// Shapes and paints take pixel coordinates: pixel (x, y) spans [x, x+1) x [y, y+1).
using Shape = std::function<bool(double x, double y)>;
using Paint = std::function<Colour(double x, double y)>;

Paint solid(const Colour& c);

// A pixel-exact set of pixels, for outlining shapes crisply.
class Mask {
public:
    Mask(int w, int h) : width_(w), height_(h), bits_(static_cast<std::size_t>(w) * h, false) {}
    int width() const { return width_; }
    int height() const { return height_; }
    bool has(int x, int y) const;
    void set(int x, int y, bool on) { bits_[static_cast<std::size_t>(y) * width_ + x] = on; }

    Mask operator&(const Mask& o) const;
    Mask operator|(const Mask& o) const;
    Mask operator-(const Mask& o) const;
    // The mask's own pixels that touch (4-neighbourhood) a pixel outside it: a 1-pixel outline.
    Mask border() const;

private:
    int width_;
    int height_;
    std::vector<bool> bits_;
};

class Canvas {
public:
    Canvas(int w, int h);
    int width() const { return width_; }
    int height() const { return height_; }

    // Paints over every pixel in proportion to how much of it `inside` covers.
    void fill(const Shape& inside, const Paint& paint, int samples = 6);
    // Paints exactly the mask's pixels, opaque where the paint is.
    void fill(const Mask& mask, const Paint& paint);
    // The pixels at least half covered by `inside`.
    Mask rasterise(const Shape& inside, int samples = 6) const;

    Colour get(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    RgbaImage to_image() const;

private:
    void blend(int x, int y, const Colour& c, double coverage);

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

}  // namespace artgen
