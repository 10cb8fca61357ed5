// The in-memory model of one skin: every property has a built-in default, so a
// file that leaves something out (or names an id this build does not know) still
// yields a complete, usable skin.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace skin {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class ColorId : std::uint16_t {
  Face,               // window and dialog background
  Text,               // text on the face: labels, check boxes
  DisabledText,
  CaptionTextActive,
  CaptionTextInactive,
  FrameActive,
  FrameInactive,
  FrameOutline,       // the outermost line of the frame
  CaptionButtonGlyph,
  CaptionButtonHot,
  CaptionButtonPressed,
  CloseButtonHot,
  EditBackground,
  EditText,
  EditBorder,
  EditBorderFocused,
  ButtonText,
  ButtonTextDisabled,
  ButtonBorder,
  ButtonBorderDefault,  // default or focused push button
  FocusRect,
  MenuBarText,
  MenuBackground,
  MenuText,
  MenuHighlightText,
  MenuDisabledText,
  MenuBorder,
  MenuSeparator,
  StatusText,
  StatusDivider,
  ToolbarText,
  ToolbarHot,
  ToolbarPressed,
  ToolbarHotBorder,
  ToolbarSeparator,
  Count
};

enum class GradientId : std::uint16_t {
  CaptionActive,
  CaptionInactive,
  ButtonNormal,
  ButtonHot,
  ButtonPressed,
  ButtonDisabled,
  MenuBar,
  MenuHighlight,
  StatusBar,
  Toolbar,
  Count
};

enum class MetricId : std::uint16_t {
  ButtonRadius,         // corner radius of push buttons, pixels at 96 DPI
  CaptionButtonWidth,
  CaptionButtonHeight,
  CaptionButtonGap,
  CaptionButtonRadius,
  CaptionTextIndent,    // space between the caption icon (or frame) and the title
  CaptionTextCentered,  // 0 left, 1 centred
  FrameHighlight,       // 1: a light inner line inside the frame outline
  MenuItemHeight,
  MenuBarItemPadding,
  ToolbarRadius,
  Count
};

enum class FontId : std::uint16_t { Caption, Menu, Count };

enum class BitmapId : std::uint16_t { CaptionTexture, Count };

struct Gradient {
  Rgb from, to;
  bool horizontal = false;
  friend bool operator==(const Gradient&, const Gradient&) = default;
};

struct FontSpec {
  std::int16_t height = 0;    // pixels; 0 keeps the system's height
  std::uint16_t weight = 0;   // 0 keeps the system's weight
  bool italic = false;
  std::string face;           // empty keeps the system's face
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A small picture, 0xAARRGGBB per pixel, rows top to bottom. Empty when absent.
struct Bitmap {
  std::uint16_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  bool empty() const { return pixels.empty(); }
  friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

struct MetricRange {
  std::int16_t min, max, fallback;
};

inline constexpr std::size_t kColorCount = static_cast<std::size_t>(ColorId::Count);
inline constexpr std::size_t kGradientCount = static_cast<std::size_t>(GradientId::Count);
inline constexpr std::size_t kMetricCount = static_cast<std::size_t>(MetricId::Count);
inline constexpr std::size_t kFontCount = static_cast<std::size_t>(FontId::Count);
inline constexpr std::size_t kBitmapCount = static_cast<std::size_t>(BitmapId::Count);

struct Skin {
  Skin();  // all defaults

  std::string name;
  std::array<Rgb, kColorCount> colors;
  std::array<Gradient, kGradientCount> gradients;
  std::array<std::int16_t, kMetricCount> metrics;
  std::array<FontSpec, kFontCount> fonts;
  std::array<Bitmap, kBitmapCount> bitmaps;

  Rgb color(ColorId id) const { return colors[static_cast<std::size_t>(id)]; }
  const Gradient& gradient(GradientId id) const { return gradients[static_cast<std::size_t>(id)]; }
  int metric(MetricId id) const { return metrics[static_cast<std::size_t>(id)]; }
  const FontSpec& font(FontId id) const { return fonts[static_cast<std::size_t>(id)]; }
  const Bitmap& bitmap(BitmapId id) const { return bitmaps[static_cast<std::size_t>(id)]; }

  friend bool operator==(const Skin&, const Skin&) = default;
};

// Accepted range and default of each metric; values outside are refused by the reader.
MetricRange metric_range(MetricId id);

// Names used by the text sources, one per id, index = id. Kept here so the compiler,
// the tests and error messages agree.
const char* color_name(ColorId id);
const char* gradient_name(GradientId id);
const char* metric_name(MetricId id);
const char* font_name(FontId id);
const char* bitmap_name(BitmapId id);

inline constexpr std::size_t kMaxNameBytes = 64;
inline constexpr std::size_t kMaxFaceBytes = 31;
inline constexpr std::uint16_t kMaxBitmapSide = 256;

}  // namespace skin
