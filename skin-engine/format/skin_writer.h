// Writes a Skin as a compiled skin file (the layout in skin_binary.h).
#pragma once

#include <cstdint>
#include <vector>

#include "skin_model.h"

namespace skin {

std::vector<std::uint8_t> write_skin(const Skin& skin);

}  // namespace skin
