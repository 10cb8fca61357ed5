#pragma once
// The program icon: a blue globe with meridians, ringed by a bright swoosh.
#include "artgen/image.hpp"

namespace artgen {

inline constexpr int kAppIconSize = 48;

RgbaImage draw_app_icon();

}  // namespace artgen
