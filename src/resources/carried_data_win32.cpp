#include "resources/carried_data.h"

#include <array>

#include "skins/skin_catalogue.h"

// Placed by the assembler straight from the files (see cmake/Embed.cmake).
extern "C" {
extern const std::uint8_t tavrin_skin_engine[], tavrin_skin_engine_end[];
extern const std::uint8_t tavrin_skin_aero[], tavrin_skin_aero_end[];
extern const std::uint8_t tavrin_skin_asus[], tavrin_skin_asus_end[];
extern const std::uint8_t tavrin_skin_black[], tavrin_skin_black_end[];
extern const std::uint8_t tavrin_skin_compact[], tavrin_skin_compact_end[];
extern const std::uint8_t tavrin_skin_darkroyale[], tavrin_skin_darkroyale_end[];
extern const std::uint8_t tavrin_skin_dogmax[], tavrin_skin_dogmax_end[];
extern const std::uint8_t tavrin_skin_elegance[], tavrin_skin_elegance_end[];
extern const std::uint8_t tavrin_skin_enjoy[], tavrin_skin_enjoy_end[];
extern const std::uint8_t tavrin_skin_gem[], tavrin_skin_gem_end[];
extern const std::uint8_t tavrin_skin_hlong[], tavrin_skin_hlong_end[];
extern const std::uint8_t tavrin_skin_homestead[], tavrin_skin_homestead_end[];
extern const std::uint8_t tavrin_skin_insomnia[], tavrin_skin_insomnia_end[];
extern const std::uint8_t tavrin_skin_itunes[], tavrin_skin_itunes_end[];
extern const std::uint8_t tavrin_skin_longhorn[], tavrin_skin_longhorn_end[];
extern const std::uint8_t tavrin_skin_office2007[], tavrin_skin_office2007_end[];
extern const std::uint8_t tavrin_skin_ouframe[], tavrin_skin_ouframe_end[];
extern const std::uint8_t tavrin_skin_pixos[], tavrin_skin_pixos_end[];
extern const std::uint8_t tavrin_skin_qq2008[], tavrin_skin_qq2008_end[];
extern const std::uint8_t tavrin_skin_royale[], tavrin_skin_royale_end[];
extern const std::uint8_t tavrin_skin_storm[], tavrin_skin_storm_end[];
extern const std::uint8_t tavrin_skin_wish[], tavrin_skin_wish_end[];
extern const std::uint8_t tavrin_skin_xmp[], tavrin_skin_xmp_end[];
}

namespace tavrin {
namespace {

constexpr std::span<const std::uint8_t> Bytes(const std::uint8_t* begin, const std::uint8_t* end) {
  return {begin, end};
}

const std::array<SkinEntry, kSkinCount> kCarriedSkins{{
    {"aero", Bytes(tavrin_skin_aero, tavrin_skin_aero_end)},
    {"asus", Bytes(tavrin_skin_asus, tavrin_skin_asus_end)},
    {"black", Bytes(tavrin_skin_black, tavrin_skin_black_end)},
    {"compact", Bytes(tavrin_skin_compact, tavrin_skin_compact_end)},
    {"darkroyale", Bytes(tavrin_skin_darkroyale, tavrin_skin_darkroyale_end)},
    {"dogmax", Bytes(tavrin_skin_dogmax, tavrin_skin_dogmax_end)},
    {"elegance", Bytes(tavrin_skin_elegance, tavrin_skin_elegance_end)},
    {"enjoy", Bytes(tavrin_skin_enjoy, tavrin_skin_enjoy_end)},
    {"gem", Bytes(tavrin_skin_gem, tavrin_skin_gem_end)},
    {"hlong", Bytes(tavrin_skin_hlong, tavrin_skin_hlong_end)},
    {"homestead", Bytes(tavrin_skin_homestead, tavrin_skin_homestead_end)},
    {"insomnia", Bytes(tavrin_skin_insomnia, tavrin_skin_insomnia_end)},
    {"itunes", Bytes(tavrin_skin_itunes, tavrin_skin_itunes_end)},
    {"longhorn", Bytes(tavrin_skin_longhorn, tavrin_skin_longhorn_end)},
    {"office2007", Bytes(tavrin_skin_office2007, tavrin_skin_office2007_end)},
    {"ouframe", Bytes(tavrin_skin_ouframe, tavrin_skin_ouframe_end)},
    {"pixos", Bytes(tavrin_skin_pixos, tavrin_skin_pixos_end)},
    {"qq2008", Bytes(tavrin_skin_qq2008, tavrin_skin_qq2008_end)},
    {"royale", Bytes(tavrin_skin_royale, tavrin_skin_royale_end)},
    {"storm", Bytes(tavrin_skin_storm, tavrin_skin_storm_end)},
    {"wish", Bytes(tavrin_skin_wish, tavrin_skin_wish_end)},
    {"xmp", Bytes(tavrin_skin_xmp, tavrin_skin_xmp_end)},
}};

}  // namespace

std::span<const std::uint8_t> SkinEngineImage() {
  return Bytes(tavrin_skin_engine, tavrin_skin_engine_end);
}

SkinCatalogue CarriedSkinCatalogue() { return SkinCatalogue(kCarriedSkins); }

}  // namespace tavrin
