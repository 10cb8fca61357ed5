#pragma once

#include <cstdint>
#include <span>

#include "app/system_services.h"

namespace tavrin {

inline constexpr char kSkinEngineFileName[] = "SkinH_EL.dll";

// Puts the skin engine library into the system folder when no entry of that name is there.
// An existing entry is never touched. A user who cannot write the system folder gets the
// library in the program's own folder instead, where binding looks first.
void InstallSkinEngine(SystemServices& system, std::span<const std::uint8_t> image);

}  // namespace tavrin
