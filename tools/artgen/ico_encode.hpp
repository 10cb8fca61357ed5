#pragma once
// Writes one RGBA picture as a Windows .ico file holding a single 32-bit image:
// ICONDIR, one ICONDIRENTRY, then a BITMAPINFOHEADER of doubled height, the BGRA rows
// bottom-up and the 1-bit AND mask that the format requires even beside an alpha channel.
#include <cstdint>
#include <vector>

#include "artgen/image.hpp"

namespace artgen {

// Sides from 1 to 256 pixels; anything else gives an empty result.
std::vector<std::uint8_t> encode_ico32(const RgbaImage& image);

}  // namespace artgen
