// The byte arrays the program carries: the skin engine library and the 22 skins.
#pragma once

#include <cstdint>
#include <span>

namespace tavrin {

std::span<const std::uint8_t> SkinEngineImage();

}  // namespace tavrin
