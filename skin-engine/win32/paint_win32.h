// Drawing primitives shared by every skinned element.
#pragma once

#include <windows.h>

#include "skin_model.h"

namespace skin_engine {

class Theme;

void fill_solid(HDC dc, const RECT& rc, COLORREF color);
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
