// Drawing primitives shared by every skinned element.
#pragma once

#include <windows.h>

#include "gdi_win32.h"
#include "skin_model.h"

namespace skin_engine {

class Theme;

void fill_solid(HDC dc, const RECT& rc, COLORREF color);

// Paints the border ring of a child window (its non-client area around the client area)
// through a window DC: `paint` gets the DC, clipped to the ring, and the window's
// rectangle at 0,0.
template <class Paint>
void paint_border_ring(HWND hwnd, Paint paint) {
  WindowDc dc(hwnd);
  if (!dc.get()) return;
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  const int saved = SaveDC(dc.get());
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  paint(dc.get(), window);
  RestoreDC(dc.get(), saved);
}
void fill_gradient(HDC dc, const RECT& rc, const skin::Gradient& gradient);
// A filled rounded (or square, radius 0) box with a 1-pixel border.
void fill_box(HDC dc, const RECT& rc, const skin::Gradient& fill, COLORREF border, int radius);
void frame_rect(HDC dc, const RECT& rc, COLORREF color);
void draw_line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 1);
// Tiles a premultiplied 32-bit texture over rc with per-pixel alpha.
void blend_texture(HDC dc, const RECT& rc, HBITMAP texture, SIZE size);
void dotted_focus(HDC dc, const RECT& rc, COLORREF color);

enum class CaptionGlyph { Minimize, Maximize, Restore, Close };
void draw_caption_glyph(HDC dc, const RECT& rc, CaptionGlyph glyph, COLORREF color);

// Whether a brush is one of the system colour brushes (what DefWindowProc and the
// controls hand out when the program chose nothing itself).
bool is_system_brush(HBRUSH brush);

}  // namespace skin_engine
