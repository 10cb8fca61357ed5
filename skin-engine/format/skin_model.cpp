#include "skin_model.h"

namespace skin {
namespace {

constexpr Rgb hex(std::uint32_t v) {
  return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
             static_cast<std::uint8_t>(v)};
}

// The built-in look: a plain grey classic theme, used for anything a file leaves out.
constexpr std::array<std::uint32_t, kColorCount> kDefaultColors = {
    0xD4D0C8,  // Face
    0x000000,  // Text
    0x808080,  // DisabledText
    0xFFFFFF,  // CaptionTextActive
    0xD4D0C8,  // CaptionTextInactive
    0x0A246A,  // FrameActive
    0x808080,  // FrameInactive
    0x404040,  // FrameOutline
    0xFFFFFF,  // CaptionButtonGlyph
    0x3A6EA5,  // CaptionButtonHot
    0x082050,  // CaptionButtonPressed
    0xC42B1C,  // CloseButtonHot
    0xFFFFFF,  // EditBackground
    0x000000,  // EditText
    0x808080,  // EditBorder
    0x0A246A,  // EditBorderFocused
    0x000000,  // ButtonText
    0x808080,  // ButtonTextDisabled
    0x404040,  // ButtonBorder
    0x000000,  // ButtonBorderDefault
    0x000000,  // FocusRect
    0x000000,  // MenuBarText
    0xFFFFFF,  // MenuBackground
    0x000000,  // MenuText
    0xFFFFFF,  // MenuHighlightText
    0x808080,  // MenuDisabledText
    0x808080,  // MenuBorder
    0xC0C0C0,  // MenuSeparator
    0x000000,  // StatusText
    0x808080,  // StatusDivider
    0x000000,  // ToolbarText
    0xE0E0E0,  // ToolbarHot
    0xB0B0B0,  // ToolbarPressed
    0x808080,  // ToolbarHotBorder
    0x808080,  // ToolbarSeparator
};

struct GradientDefault {
  std::uint32_t from, to;
};
constexpr std::array<GradientDefault, kGradientCount> kDefaultGradients = {{
    {0x0A246A, 0x3A6EA5},  // CaptionActive
    {0x808080, 0xA0A0A0},  // CaptionInactive
    {0xE8E8E8, 0xD4D0C8},  // ButtonNormal
    {0xF4F4F4, 0xE0E0E0},  // ButtonHot
    {0xB8B8B8, 0xC8C8C8},  // ButtonPressed
    {0xD4D0C8, 0xD4D0C8},  // ButtonDisabled
    {0xD4D0C8, 0xD4D0C8},  // MenuBar
    {0x0A246A, 0x0A246A},  // MenuHighlight
    {0xD4D0C8, 0xD4D0C8},  // StatusBar
    {0xD4D0C8, 0xD4D0C8},  // Toolbar
}};

constexpr std::array<MetricRange, kMetricCount> kMetricRanges = {{
    {0, 12, 0},   // ButtonRadius
    {10, 40, 18}, // CaptionButtonWidth
    {8, 40, 14},  // CaptionButtonHeight
    {0, 10, 2},   // CaptionButtonGap
    {0, 12, 0},   // CaptionButtonRadius
    {0, 40, 4},   // CaptionTextIndent
    {0, 1, 0},    // CaptionTextCentered
    {0, 1, 0},    // FrameHighlight
    {12, 48, 20}, // MenuItemHeight
    {2, 24, 6},   // MenuBarItemPadding
    {0, 12, 0},   // ToolbarRadius
}};

constexpr std::array<const char*, kColorCount> kColorNames = {
    "face", "text", "text.disabled", "caption.text.active", "caption.text.inactive",
    "frame.active", "frame.inactive", "frame.outline", "caption.button.glyph",
    "caption.button.hot", "caption.button.pressed", "close.button.hot", "edit.background",
    "edit.text", "edit.border", "edit.border.focused", "button.text", "button.text.disabled",
    "button.border", "button.border.default", "focus.rect", "menubar.text", "menu.background",
    "menu.text", "menu.highlight.text", "menu.text.disabled", "menu.border", "menu.separator",
    "status.text", "status.divider", "toolbar.text", "toolbar.hot", "toolbar.pressed",
    "toolbar.hot.border", "toolbar.separator",
};
constexpr std::array<const char*, kGradientCount> kGradientNames = {
    "caption.active", "caption.inactive", "button.normal", "button.hot", "button.pressed",
    "button.disabled", "menubar", "menu.highlight", "status", "toolbar",
};
constexpr std::array<const char*, kMetricCount> kMetricNames = {
    "button.radius", "caption.button.width", "caption.button.height", "caption.button.gap",
    "caption.button.radius", "caption.text.indent", "caption.text.centered", "frame.highlight",
    "menu.item.height", "menubar.item.padding", "toolbar.radius",
};
constexpr std::array<const char*, kFontCount> kFontNames = {"caption", "menu"};
constexpr std::array<const char*, kBitmapCount> kBitmapNames = {"caption.texture"};

}  // namespace

Skin::Skin() {
  for (std::size_t i = 0; i < kColorCount; ++i) colors[i] = hex(kDefaultColors[i]);
  for (std::size_t i = 0; i < kGradientCount; ++i)
    gradients[i] = Gradient{hex(kDefaultGradients[i].from), hex(kDefaultGradients[i].to), false};
  for (std::size_t i = 0; i < kMetricCount; ++i) metrics[i] = kMetricRanges[i].fallback;
}

MetricRange metric_range(MetricId id) { return kMetricRanges[static_cast<std::size_t>(id)]; }
const char* color_name(ColorId id) { return kColorNames[static_cast<std::size_t>(id)]; }
const char* gradient_name(GradientId id) { return kGradientNames[static_cast<std::size_t>(id)]; }
const char* metric_name(MetricId id) { return kMetricNames[static_cast<std::size_t>(id)]; }
const char* font_name(FontId id) { return kFontNames[static_cast<std::size_t>(id)]; }
const char* bitmap_name(BitmapId id) { return kBitmapNames[static_cast<std::size_t>(id)]; }

}  // namespace skin
