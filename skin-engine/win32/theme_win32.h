// A skin made ready for drawing: colours as COLORREFs and the GDI objects built from
// validated values. One Theme is active at a time; a new attach builds a new one.
#pragma once

#include <windows.h>

#include <array>

#include "gdi_win32.h"
#include "skin_model.h"

namespace skin_engine {

class Theme {
 public:
  explicit Theme(const skin::Skin& skin);

  const skin::Skin& skin() const { return skin_; }
  COLORREF color(skin::ColorId id) const { return colors_[static_cast<std::size_t>(id)]; }
  HBRUSH brush(skin::ColorId id) const { return brushes_[static_cast<std::size_t>(id)].get(); }
  const skin::Gradient& gradient(skin::GradientId id) const { return skin_.gradient(id); }
  int metric(skin::MetricId id) const { return skin_.metric(id); }
  // A solid brush of the toolbar's middle colour, for controls that sit on the toolbar.
  HBRUSH toolbar_brush() const { return toolbar_brush_.get(); }
  COLORREF toolbar_color() const { return toolbar_color_; }
  HFONT caption_font() const { return caption_font_.get(); }
  HFONT menu_font() const { return menu_font_.get(); }
  // Top-to-bottom premultiplied 32-bit DIB of the caption texture, or null.
  HBITMAP caption_texture() const { return caption_texture_.get(); }
  SIZE caption_texture_size() const { return texture_size_; }

 private:
  skin::Skin skin_;
  std::array<COLORREF, skin::kColorCount> colors_{};
  std::array<Brush, skin::kColorCount> brushes_;
  COLORREF toolbar_color_ = 0;
  Brush toolbar_brush_;
  Font caption_font_;
  Font menu_font_;
  BitmapHandle caption_texture_;
  SIZE texture_size_{};
};

inline COLORREF to_colorref(skin::Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace skin_engine
