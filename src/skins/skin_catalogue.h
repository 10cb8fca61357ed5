// The 22 skins the program carries, numbered from 1. Their contents are constant data in
// the program file (resources/); the host tests give their own.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tavrin {

inline constexpr int kSkinCount = 22;
inline constexpr int kDefaultSkin = 8;  // "enjoy"

inline constexpr std::array<std::string_view, kSkinCount> kSkinNames{
    "aero",      "asus",     "black",  "compact",  "darkroyale", "dogmax",  "elegance", "enjoy",
    "gem",       "hlong",    "homestead", "insomnia", "itunes",   "longhorn", "office2007",
    "ouframe",   "pixos",    "qq2008", "royale",   "storm",      "wish",    "xmp"};

struct SkinEntry {
  std::string_view name;
  std::span<const std::uint8_t> content;
};

// Entry n (1..22) is at index n - 1.
using SkinCatalogue = std::span<const SkinEntry, kSkinCount>;

// The catalogue the program carries (defined where the contents are embedded).
SkinCatalogue CarriedSkinCatalogue();

}  // namespace tavrin
