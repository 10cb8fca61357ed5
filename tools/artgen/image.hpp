#pragma once
// The two picture forms artgen hands around: full-colour RGBA and palette-indexed.
#include <array>
#include <cstdint>
#include <vector>

namespace artgen {

struct Rgba8 {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba8&) const = default;
};

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba8> pixels;  // row-major, top row first

    RgbaImage() = default;
    RgbaImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Rgba8& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb8&) const = default;
};

using Palette16 = std::array<Rgb8, 16>;

struct IndexedImage {
    int width = 0;
    int height = 0;
    Palette16 palette{};
    std::vector<std::uint8_t> indices;  // row-major, top row first, each 0..15

    IndexedImage() = default;
    IndexedImage(int w, int h) : width(w), height(h), indices(static_cast<std::size_t>(w) * h) {}
    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace artgen
