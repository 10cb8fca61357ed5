#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "skin_source.h"

namespace {

std::string full_source() {
  std::ifstream in(std::string(SKIN_SOURCES_DIR) + "/enjoy.skin");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SkinSource, CompleteSourceReads) {
  const auto result = skin::read_source(full_source());
  ASSERT_TRUE(result.ok()) << result.errors.front();
  EXPECT_EQ(result.skin.name, "enjoy");
}

TEST(SkinSource, BitmapAndFontStatementsRead) {
  const auto result = skin::read_source(full_source() +
                                        "font menu -12 400 italic Microsoft Sans Serif\n"
                                        "bitmap caption.texture 2 1\n  FF102030 00000000\n");
  ASSERT_TRUE(result.ok()) << result.errors.front();
  const skin::FontSpec& menu = result.skin.font(skin::FontId::Menu);
  EXPECT_EQ(menu.height, -12);
  EXPECT_TRUE(menu.italic);
  EXPECT_EQ(menu.face, "Microsoft Sans Serif");
  const skin::Bitmap& bitmap = result.skin.bitmap(skin::BitmapId::CaptionTexture);
  EXPECT_EQ(bitmap.pixels, (std::vector<std::uint32_t>{0xFF102030u, 0}));
}

struct BadLine {
  const char* line;
  const char* message;
  std::size_t line_offset = 0;  // faults in a bitmap row are reported at that row
};

// Each faulty statement, appended to a good source, is reported with its line number.
TEST(SkinSource, FaultyStatementsAreReportedWithTheirLine) {
  const std::string base = full_source();
  const std::size_t line = static_cast<std::size_t>(std::count(base.begin(), base.end(), '\n')) + 1;
  const BadLine cases[] = {
      {"color face #12345", "bad colour value"},
      {"color face #GGGGGG", "bad colour value"},
      {"color nosuch #123456", "unknown color"},
      {"color face #123456", "set twice"},
      {"gradient menubar #000000", "two colours"},
      {"gradient status #000000 #FFFFFF diagonal", "horizontal"},
      {"metric button.radius 99", "out of range"},
      {"metric button.radius x", "out of range"},
      {"font caption 200 400", "bad font"},
      {"font caption 12 400 \xE5\xAE\x8B", "ASCII"},
      {"bitmap caption.texture 2 2\n00000000 00000000", "ends early"},
      {"bitmap caption.texture 2 1\n00000000", "wrong width", 1},
      {"bitmap caption.texture 0 1", "size out of range"},
      {"frobnicate 1", "unknown statement"},
      {"name other", "twice"},
  };
  for (const BadLine& c : cases) {
    const auto result = skin::read_source(base + c.line + "\n");
    ASSERT_FALSE(result.ok()) << c.line;
    const std::string& first = result.errors.front();
    EXPECT_NE(first.find(c.message), std::string::npos) << c.line << " gave " << first;
    EXPECT_NE(first.find("line " + std::to_string(line + c.line_offset)), std::string::npos) << c.line << " gave " << first;
  }
}

TEST(SkinSource, IncompleteSourceNamesWhatIsMissing) {
  std::string text = full_source();
  const std::size_t at = text.find("color menu.separator");
  text.erase(at, text.find('\n', at) - at);
  const auto result = skin::read_source(text);
  ASSERT_EQ(result.errors.size(), 1u);
  EXPECT_NE(result.errors[0].find("missing color menu.separator"), std::string::npos);
}

}  // namespace
