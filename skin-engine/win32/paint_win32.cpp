#include "paint_win32.h"

#include "gdi_win32.h"

namespace skin_engine {

void fill_solid(HDC dc, const RECT& rc, COLORREF color) {
  const COLORREF old = SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void fill_gradient(HDC dc, const RECT& rc, const skin::Gradient& g) {
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  if (g.from == g.to) return fill_solid(dc, rc, RGB(g.from.r, g.from.g, g.from.b));
  TRIVERTEX v[2] = {
      {rc.left, rc.top, static_cast<COLOR16>(g.from.r << 8), static_cast<COLOR16>(g.from.g << 8),
       static_cast<COLOR16>(g.from.b << 8), 0},
      {rc.right, rc.bottom, static_cast<COLOR16>(g.to.r << 8), static_cast<COLOR16>(g.to.g << 8),
       static_cast<COLOR16>(g.to.b << 8), 0},
  };
  GRADIENT_RECT r{0, 1};
  GradientFill(dc, v, 2, &r, 1, g.horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void fill_box(HDC dc, const RECT& rc, const skin::Gradient& fill, COLORREF border, int radius) {
  if (radius <= 0) {
    fill_gradient(dc, rc, fill);
    frame_rect(dc, rc, border);
    return;
  }
  // Clip the gradient to the rounded shape, then outline it.
  Region shape(CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + 1, radius * 2, radius * 2));
  const int saved = SaveDC(dc);
  POINT org{};
  GetWindowOrgEx(dc, &org);  // regions are in device units; buffers move the origin
  OffsetRgn(shape.get(), -org.x, -org.y);
  ExtSelectClipRgn(dc, shape.get(), RGN_AND);
  fill_gradient(dc, rc, fill);
  RestoreDC(dc, saved);
  Pen pen(CreatePen(PS_SOLID, 1, border));
  Selection p(dc, pen.get());
  Selection b(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, radius * 2, radius * 2);
}

void frame_rect(HDC dc, const RECT& rc, COLORREF color) {
  const RECT edges[4] = {{rc.left, rc.top, rc.right, rc.top + 1},
                         {rc.left, rc.bottom - 1, rc.right, rc.bottom},
                         {rc.left, rc.top, rc.left + 1, rc.bottom},
                         {rc.right - 1, rc.top, rc.right, rc.bottom}};
  for (const RECT& e : edges) fill_solid(dc, e, color);
}

void draw_line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width) {
  Pen pen(CreatePen(PS_SOLID, width, color));
  Selection s(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void blend_texture(HDC dc, const RECT& rc, HBITMAP texture, SIZE size) {
  if (!texture || size.cx <= 0 || size.cy <= 0) return;
  MemoryDc src(dc, texture);
  if (!src.get()) return;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  for (int y = rc.top; y < rc.bottom; y += size.cy)
    for (int x = rc.left; x < rc.right; x += size.cx) {
      const int w = std::min<int>(size.cx, rc.right - x), h = std::min<int>(size.cy, rc.bottom - y);
      AlphaBlend(dc, x, y, w, h, src.get(), 0, 0, w, h, blend);
    }
}

void dotted_focus(HDC dc, const RECT& rc, COLORREF color) {
  for (int x = rc.left; x < rc.right; x += 2) {
    SetPixel(dc, x, rc.top, color);
    SetPixel(dc, x, rc.bottom - 1, color);
  }
  for (int y = rc.top; y < rc.bottom; y += 2) {
    SetPixel(dc, rc.left, y, color);
    SetPixel(dc, rc.right - 1, y, color);
  }
}

void draw_caption_glyph(HDC dc, const RECT& rc, CaptionGlyph glyph, COLORREF color) {
  // Glyphs drawn with lines, centred in a 10x10 (or smaller) square: no font needed,
  // so they look the same whether or not Marlett is installed.
  const int side = std::min<int>(10, std::min(rc.right - rc.left, rc.bottom - rc.top) - 4);
  if (side < 4) return;
  const int x = (rc.left + rc.right - side) / 2, y = (rc.top + rc.bottom - side) / 2;
  switch (glyph) {
    case CaptionGlyph::Minimize:
      fill_solid(dc, RECT{x + 1, y + side - 2, x + side - 1, y + side}, color);
      break;
    case CaptionGlyph::Maximize:
      frame_rect(dc, RECT{x, y, x + side, y + side}, color);
      fill_solid(dc, RECT{x, y + 1, x + side, y + 2}, color);
      break;
    case CaptionGlyph::Restore: {
      const int s = side - 3;
      frame_rect(dc, RECT{x + 3, y, x + 3 + s, y + s}, color);
      fill_solid(dc, RECT{x + 3, y + 1, x + 3 + s, y + 2}, color);
      RECT front{x, y + 3, x + s, y + 3 + s};
      fill_solid(dc, RECT{front.left + 1, front.top + 2, front.right - 1, front.bottom - 1}, GetBkColor(dc));
      frame_rect(dc, front, color);
      fill_solid(dc, RECT{front.left, front.top + 1, front.right, front.top + 2}, color);
      break;
    }
    case CaptionGlyph::Close:
      draw_line(dc, x, y, x + side, y + side, color, 2);
      draw_line(dc, x + side - 1, y, x - 1, y + side, color, 2);
      break;
  }
}

bool is_system_brush(HBRUSH brush) {
  if (!brush) return false;
  // Class brushes may also be given as COLOR_xxx + 1.
  const auto value = reinterpret_cast<UINT_PTR>(brush);
  if (value >= 1 && value <= COLOR_MENUBAR + 1) return true;
  for (int i = 0; i <= COLOR_MENUBAR; ++i)
    if (GetSysColorBrush(i) == brush) return true;
  return false;
}

}  // namespace skin_engine
