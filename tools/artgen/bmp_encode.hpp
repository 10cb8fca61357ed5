#pragma once
// Writes a palette picture as a 4-bit Windows BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER,
// a 16-entry palette and bottom-up rows, as LoadImage/ImageList_LoadImage read them.
#include <cstdint>
#include <vector>

#include "artgen/image.hpp"

namespace artgen {

std::vector<std::uint8_t> encode_bmp4(const IndexedImage& image);

}  // namespace artgen
