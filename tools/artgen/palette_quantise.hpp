#pragma once
// Reduces RGBA pictures to a 16-colour palette whose entry `key_index` is the
// transparency key: the toolbar's image list is built with that colour as its mask.
#include <cstdint>

#include "artgen/image.hpp"

namespace artgen {

inline constexpr Rgb8 kTransparencyKey{255, 0, 255};

// The palette entry nearest to `c`, never the key entry.
std::uint8_t nearest_index(const Palette16& palette, int key_index, Rgb8 c);

// Pixels less than half opaque become the key; the rest take their nearest palette colour.
IndexedImage quantise(const RgbaImage& image, const Palette16& palette, int key_index);

// The same palette in shades of grey (by lifted luminance), the key entry left as it is.
// Black and white stay where they are.
Palette16 grey_palette(const Palette16& palette, int key_index);

}  // namespace artgen
