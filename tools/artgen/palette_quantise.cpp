#include "artgen/palette_quantise.hpp"

#include <cmath>
#include <limits>

namespace artgen {

std::uint8_t nearest_index(const Palette16& palette, int key_index, Rgb8 c) {
    // "Redmean" weighting: cheap, and much closer to what the eye sees than plain RGB distance.
    int best = key_index == 0 ? 1 : 0;
    double best_d = std::numeric_limits<double>::max();
    for (int i = 0; i < 16; ++i) {
        if (i == key_index) continue;
        const Rgb8& p = palette[i];
        const double rm = (c.r + p.r) / 2.0;
        const double dr = c.r - p.r, dg = c.g - p.g, db = c.b - p.b;
        const double d = (2 + rm / 256) * dr * dr + 4 * dg * dg + (2 + (255 - rm) / 256) * db * db;
        if (d < best_d) {
            best_d = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

IndexedImage quantise(const RgbaImage& image, const Palette16& palette, int key_index) {
    IndexedImage out(image.width, image.height);
    out.palette = palette;
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Rgba8& p = image.pixels[i];
        out.indices[i] = p.a < 128 ? static_cast<std::uint8_t>(key_index)
                                   : nearest_index(palette, key_index, {p.r, p.g, p.b});
    }
    return out;
}

Palette16 grey_palette(const Palette16& palette, int key_index) {
    Palette16 out = palette;
    for (int i = 0; i < 16; ++i) {
        if (i == key_index) continue;
        const Rgb8& p = palette[i];
        // Luminance, lifted by a gamma curve: dark colours (navy, blue, maroon) would otherwise
        // all sink into the black of the outlines. Black stays 0 and white 255.
        const double lum = (0.299 * p.r + 0.587 * p.g + 0.114 * p.b) / 255.0;
        const auto y = static_cast<std::uint8_t>(std::lround(255.0 * std::pow(lum, 0.6)));
        out[i] = {y, y, y};
    }
    return out;
}

}  // namespace artgen
