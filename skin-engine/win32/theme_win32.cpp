#include "theme_win32.h"

#include <cstring>

namespace skin_engine {
namespace {

HFONT make_font(LOGFONTW base, const skin::FontSpec& font) {
  if (font.height != 0) base.lfHeight = font.height < 0 ? font.height : -font.height;  // character height
  if (font.weight != 0) base.lfWeight = font.weight;
  if (font.italic) base.lfItalic = TRUE;
  if (!font.face.empty()) {
    // The face was checked to be printable ASCII of at most 31 bytes.
    std::memset(base.lfFaceName, 0, sizeof base.lfFaceName);
    for (std::size_t i = 0; i < font.face.size() && i + 1 < LF_FACESIZE; ++i)
      base.lfFaceName[i] = static_cast<WCHAR>(font.face[i]);
  }
  return CreateFontIndirectW(&base);
}

HBITMAP make_texture(const skin::Bitmap& bitmap) {
  if (bitmap.empty()) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = bitmap.width;
  info.bmiHeader.biHeight = -static_cast<LONG>(bitmap.height);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return dib;
  auto* out = static_cast<std::uint32_t*>(bits);
  // AlphaBlend with AC_SRC_ALPHA wants premultiplied colour.
  for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) {
    const std::uint32_t p = bitmap.pixels[i];
    const std::uint32_t a = p >> 24;
    const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
    out[i] = a << 24 | r << 16 | g << 8 | b;
  }
  return dib;
}

}  // namespace

Theme::Theme(const skin::Skin& skin) : skin_(skin) {
  for (std::size_t i = 0; i < skin::kColorCount; ++i) {
    colors_[i] = to_colorref(skin_.colors[i]);
    brushes_[i].reset(CreateSolidBrush(colors_[i]));
  }
  const skin::Gradient& toolbar = skin_.gradient(skin::GradientId::Toolbar);
  toolbar_color_ = RGB((toolbar.from.r + toolbar.to.r) / 2, (toolbar.from.g + toolbar.to.g) / 2,
                       (toolbar.from.b + toolbar.to.b) / 2);
  toolbar_brush_.reset(CreateSolidBrush(toolbar_color_));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  caption_font_.reset(make_font(metrics.lfCaptionFont, skin_.font(skin::FontId::Caption)));
  menu_font_.reset(make_font(metrics.lfMenuFont, skin_.font(skin::FontId::Menu)));
  const skin::Bitmap& texture = skin_.bitmap(skin::BitmapId::CaptionTexture);
  caption_texture_.reset(make_texture(texture));
  texture_size_ = SIZE{texture.width, texture.height};
}

}  // namespace skin_engine
