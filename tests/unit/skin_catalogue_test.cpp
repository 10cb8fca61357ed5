// The 22 compiled skins that the program carries: each one reads, matches its source
// and looks like its name; no two share a palette.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin_reader.h"
#include "skin_source.h"
#include "skin_test_files.h"

namespace {

const char* const kNames[] = {"aero",     "asus",     "black",  "compact",    "darkroyale", "dogmax",
                              "elegance", "enjoy",    "gem",    "hlong",      "homestead",  "insomnia",
                              "itunes",   "longhorn", "office2007", "ouframe", "pixos",      "qq2008",
                              "royale",   "storm",    "wish",   "xmp"};

skin::Skin compiled(const std::string& name) {
  const auto bytes = skin_test::read_bytes(std::string(SKINS_DIR) + "/" + name + ".she");
  const auto result = skin::read_skin(bytes);
  EXPECT_TRUE(result.ok()) << name << ": " << skin::describe(result.error);
  return result.skin;
}

int luminance(skin::Rgb c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

TEST(SkinCatalogue, EveryCompiledSkinReadsAndMatchesItsSource) {
  for (const char* name : kNames) {
    const auto bytes = skin_test::read_bytes(std::string(SKINS_DIR) + "/" + name + ".she");
    ASSERT_GE(bytes.size(), 4u) << name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), ".SHE") << name;
    std::ifstream in(std::string(SKIN_SOURCES_DIR) + "/" + name + ".skin");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto source = skin::read_source(text);
    ASSERT_TRUE(source.ok()) << name;
    const skin::Skin skin = compiled(name);
    EXPECT_EQ(skin.name, name);
    EXPECT_EQ(skin, source.skin) << name;
  }
}

TEST(SkinCatalogue, NoTwoSkinsShareAPalette) {
  for (std::size_t i = 0; i < std::size(kNames); ++i)
    for (std::size_t j = i + 1; j < std::size(kNames); ++j) {
      const skin::Skin a = compiled(kNames[i]), b = compiled(kNames[j]);
      const bool same = a.color(skin::ColorId::Face) == b.color(skin::ColorId::Face) &&
                        a.gradient(skin::GradientId::CaptionActive) == b.gradient(skin::GradientId::CaptionActive);
      EXPECT_FALSE(same) << kNames[i] << " and " << kNames[j];
      EXPECT_NE(a.colors, b.colors) << kNames[i] << " and " << kNames[j];
    }
}

TEST(SkinCatalogue, PalettesFitTheirNames) {
  const skin::Skin black = compiled("black");
  EXPECT_LT(luminance(black.color(skin::ColorId::Face)), 50);
  EXPECT_GT(luminance(black.color(skin::ColorId::Text)), 200);
  const skin::Rgb office = compiled("office2007").gradient(skin::GradientId::CaptionActive).to;
  EXPECT_GT(office.b, office.r + 40) << "office2007 caption is blue";
  const skin::Rgb gem = compiled("gem").gradient(skin::GradientId::CaptionActive).from;
  EXPECT_GT(gem.g, gem.r + 60) << "gem is green";
  const skin::Rgb hlong = compiled("hlong").gradient(skin::GradientId::CaptionActive).from;
  EXPECT_GT(hlong.r, hlong.g + 80) << "hlong is red";
}

// The default skin's key colours, as documented in skins/enjoy.skin: solid and far apart.
TEST(SkinCatalogue, EnjoyKeyColoursAreSolidAndDistinct) {
  const skin::Skin enjoy = compiled("enjoy");
  const auto caption = enjoy.gradient(skin::GradientId::CaptionActive);
  const auto button = enjoy.gradient(skin::GradientId::ButtonNormal);
  EXPECT_EQ(caption.from, caption.to);
  EXPECT_EQ(button.from, button.to);
  EXPECT_EQ(caption.from, (skin::Rgb{0xD8, 0x1B, 0x60}));
  EXPECT_EQ(enjoy.color(skin::ColorId::Face), (skin::Rgb{0xFF, 0xF3, 0xC4}));
  EXPECT_EQ(button.from, (skin::Rgb{0x1F, 0xA3, 0x9A}));
}

}  // namespace
