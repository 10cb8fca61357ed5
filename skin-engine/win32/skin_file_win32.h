// Reads a skin file from disk for the engine: only a plain disk file, at most the
// format's size cap, read once into a private buffer.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace skin_engine {

std::optional<std::vector<std::uint8_t>> read_skin_file(const char* ansi_path);

}  // namespace skin_engine
