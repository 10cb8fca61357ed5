#include "toolbar_win32.h"

#include <algorithm>

#include "engine_win32.h"
#include "paint_win32.h"

namespace skin_engine {
namespace {

using skin::ColorId;
using skin::GradientId;
using skin::MetricId;

skin::Gradient solid(COLORREF c) {
  const skin::Rgb rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
  return skin::Gradient{rgb, rgb, false};
}

// Washes a disabled image out toward the toolbar's colour (no disabled image list needed).
void wash(HDC dc, const RECT& rc, COLORREF color) {
  BitmapHandle pixel(CreateCompatibleBitmap(dc, 1, 1));
  MemoryDc src(dc, pixel.get());
  if (!src.get() || !pixel) return;
  SetPixel(src.get(), 0, 0, color);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 160, 0};
  AlphaBlend(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, src.get(), 0, 0, 1, 1, blend);
}

void paint_item(NMTBCUSTOMDRAW& draw, const Theme& theme) {
  HWND toolbar = draw.nmcd.hdr.hwndFrom;
  HDC dc = draw.nmcd.hdc;
  const RECT rc = draw.nmcd.rc;
  const UINT state = draw.nmcd.uItemState;
  const auto id = static_cast<int>(draw.nmcd.dwItemSpec);

  TBBUTTONINFOW info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_IMAGE | TBIF_STYLE | TBIF_STATE;
  SendMessageW(toolbar, TB_GETBUTTONINFOW, id, reinterpret_cast<LPARAM>(&info));
  const bool disabled = (state & CDIS_DISABLED) || !(info.fsState & TBSTATE_ENABLED);
  const bool pressed = (state & CDIS_SELECTED) || (info.fsState & TBSTATE_PRESSED);
  const bool checked = (state & CDIS_CHECKED) || (info.fsState & TBSTATE_CHECKED);
  const bool hot = (state & CDIS_HOT) && !disabled;

  const int radius = theme.metric(MetricId::ToolbarRadius);
  if (!disabled && (pressed || checked))
    fill_box(dc, rc, solid(theme.color(ColorId::ToolbarPressed)), theme.color(ColorId::ToolbarHotBorder), radius);
  else if (hot)
    fill_box(dc, rc, solid(theme.color(ColorId::ToolbarHot)), theme.color(ColorId::ToolbarHotBorder), radius);

  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
  int image_w = 0, image_h = 0;
  if (images) ImageList_GetIconSize(images, &image_w, &image_h);
  const bool list = (GetWindowLongW(toolbar, GWL_STYLE) & TBSTYLE_LIST) != 0;
  wchar_t text[128] = {};
  SendMessageW(toolbar, TB_GETBUTTONTEXTW, id, reinterpret_cast<LPARAM>(text));
  const int shift = pressed && !disabled ? 1 : 0;

  // A drop-down button with a separate arrow: the picture keeps to the left part and the
  // arrow gets a part of its own on the right, divided from it while the mouse is over.
  RECT body = rc;
  const bool split = (info.fsStyle & BTNS_DROPDOWN) &&
                     (SendMessageW(toolbar, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS);
  if (split) {
    constexpr int kArrowPart = 11;
    body.right = std::max(body.left, body.right - kArrowPart);
    const COLORREF ink = disabled ? theme.color(ColorId::DisabledText) : theme.color(ColorId::ToolbarText);
    const int cx = (body.right + rc.right) / 2, cy = (rc.top + rc.bottom) / 2 - 1;
    for (int row = 0; row < 3; ++row)
      fill_solid(dc, RECT{cx - 2 + row, cy + row, cx + 3 - row, cy + row + 1}, ink);
    if (hot || pressed)
      fill_solid(dc, RECT{body.right, rc.top + 2, body.right + 1, rc.bottom - 2},
                 theme.color(ColorId::ToolbarHotBorder));
  }

  RECT image_rc{};
  if (images && info.iImage >= 0) {
    const int x = list ? body.left + 4 : (body.left + body.right - image_w) / 2;
    const int y = list || !text[0] ? (rc.top + rc.bottom - image_h) / 2 : rc.top + 3;
    image_rc = RECT{x + shift, y + shift, x + shift + image_w, y + shift + image_h};
    ImageList_Draw(images, info.iImage, dc, image_rc.left, image_rc.top, ILD_TRANSPARENT);
    if (disabled) wash(dc, image_rc, RGB(theme.gradient(GradientId::Toolbar).from.r,
                                         theme.gradient(GradientId::Toolbar).from.g,
                                         theme.gradient(GradientId::Toolbar).from.b));
  }
  if (text[0]) {
    RECT t = rc;
    if (list && image_w) t.left = image_rc.right + 4;
    else if (image_h) t.top = image_rc.bottom + 1;
    OffsetRect(&t, shift, shift);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? theme.color(ColorId::DisabledText) : theme.color(ColorId::ToolbarText));
    DrawTextW(dc, text, -1, &t, DT_SINGLELINE | DT_END_ELLIPSIS | (list ? DT_LEFT | DT_VCENTER : DT_CENTER | DT_TOP));
  }
}

// The system draws separators without asking: paint them after it.
void paint_separators(NMTBCUSTOMDRAW& draw, const Theme& theme) {
  HWND toolbar = draw.nmcd.hdr.hwndFrom;
  const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (!SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
    if (!(button.fsStyle & BTNS_SEP) || (button.fsState & TBSTATE_HIDDEN)) continue;
    RECT rc;
    if (!SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc))) continue;
    fill_gradient(draw.nmcd.hdc, rc, theme.gradient(GradientId::Toolbar));
    const int x = (rc.left + rc.right) / 2;
    fill_solid(draw.nmcd.hdc, RECT{x, rc.top + 3, x + 1, rc.bottom - 3}, theme.color(ColorId::ToolbarSeparator));
  }
}

void paint_background(HWND hwnd, HDC dc, const Theme& theme) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  fill_gradient(dc, rc, theme.gradient(GradientId::Toolbar));
}

void paint_divider(HWND hwnd, const Theme& theme) {
  paint_border_ring(hwnd, [&](HDC dc, const RECT& window) {
    fill_gradient(dc, window, theme.gradient(GradientId::Toolbar));
    fill_solid(dc, RECT{window.left, window.top, window.right, window.top + 1},
               theme.color(ColorId::ToolbarSeparator));
  });
}

}  // namespace

LRESULT toolbar_custom_draw(NMTBCUSTOMDRAW& draw, const Theme& theme) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT: {
      const int saved = SaveDC(draw.nmcd.hdc);
      paint_item(draw, theme);
      RestoreDC(draw.nmcd.hdc, saved);
      return CDRF_SKIPDEFAULT;
    }
    case CDDS_POSTPAINT:
      paint_separators(draw, theme);
      return CDRF_DODEFAULT;
  }
  return CDRF_DODEFAULT;
}

LRESULT CALLBACK toolbar_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  if (msg == WM_NCDESTROY) return release_window(hwnd, msg, wparam, lparam, toolbar_proc, state);
  const Theme* theme = Engine::instance().theme();
  if (!theme) return DefSubclassProc(hwnd, msg, wparam, lparam);
  switch (msg) {
    case WM_ERASEBKGND:
      paint_background(hwnd, reinterpret_cast<HDC>(wparam), *theme);
      return 1;
    case WM_NCPAINT:
      paint_divider(hwnd, *theme);
      return 0;
  }
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

}  // namespace skin_engine
