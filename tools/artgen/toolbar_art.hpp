#pragma once
// The toolbar's button pictures: a strip of seven 22 x 20 cells, drawn in colour and
// reduced to a 16-colour palette, plus the same strip with a grey palette for the hot state.
#include "artgen/image.hpp"

namespace artgen {

inline constexpr int kToolbarCellWidth = 22;
inline constexpr int kToolbarCellHeight = 20;
inline constexpr int kToolbarImageCount = 7;  // back, forward, stop, refresh, home, print, font size
inline constexpr int kToolbarKeyIndex = 13;

Palette16 toolbar_palette();

// The full-colour strip, transparent around the pictures.
RgbaImage draw_toolbar();

struct ToolbarStrips {
    IndexedImage normal;  // coloured
    IndexedImage hot;     // same pixels, grey palette
};
ToolbarStrips make_toolbar_strips();

}  // namespace artgen
