// The status bar (msctls_statusbar32) has no custom draw: it is painted whole here,
// from the parts and texts the control holds.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "engine_win32.h"
#include "paint_win32.h"

namespace skin_engine {
namespace {

using skin::ColorId;
using skin::GradientId;

void draw_part_text(HDC dc, const wchar_t* text, RECT rc) {
  // Tabs align the rest of the text: one tab centres, two right-align.
  const UINT base = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  int tabs = 0;
  while (text[0] == L'\t' && tabs < 2) ++text, ++tabs;
  DrawTextW(dc, text, -1, &rc, base | (tabs == 0 ? DT_LEFT : tabs == 1 ? DT_CENTER : DT_RIGHT));
}

void paint_status(HWND hwnd, HDC target, const Theme& theme) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  PaintBuffer buffer(target, rc);
  HDC dc = buffer.dc();
  fill_gradient(dc, rc, theme.gradient(GradientId::StatusBar));
  const COLORREF divider = theme.color(ColorId::StatusDivider);
  fill_solid(dc, RECT{rc.left, rc.top, rc.right, rc.top + 1}, divider);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, theme.color(ColorId::StatusText));
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  Selection selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));

  wchar_t text[512];
  if (SendMessageW(hwnd, SB_ISSIMPLE, 0, 0)) {
    text[0] = 0;
    // Simple mode keeps its text under the part number SB_SIMPLEID.
    if (LOWORD(SendMessageW(hwnd, SB_GETTEXTLENGTHW, SB_SIMPLEID, 0)) < 512)
      SendMessageW(hwnd, SB_GETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
    RECT t{rc.left + 4, rc.top + 1, rc.right - 4, rc.bottom};
    draw_part_text(dc, text, t);
  } else {
    const int count = std::clamp(static_cast<int>(SendMessageW(hwnd, SB_GETPARTS, 0, 0)), 0, 256);
    for (int i = 0; i < count; ++i) {
      RECT part;
      if (!SendMessageW(hwnd, SB_GETRECT, i, reinterpret_cast<LPARAM>(&part))) continue;
      const LRESULT info = SendMessageW(hwnd, SB_GETTEXTLENGTHW, i, 0);
      text[0] = 0;
      if (LOWORD(info) < 512 && !(HIWORD(info) & SBT_OWNERDRAW))
        SendMessageW(hwnd, SB_GETTEXTW, i, reinterpret_cast<LPARAM>(text));
      if (i + 1 < count) fill_solid(dc, RECT{part.right - 1, part.top + 2, part.right, part.bottom - 2}, divider);
      RECT t{part.left + 4, part.top, part.right - 4, part.bottom};
      draw_part_text(dc, text, t);
    }
  }
  if ((GetWindowLongW(hwnd, GWL_STYLE) & SBARS_SIZEGRIP) && !IsZoomed(GetAncestor(hwnd, GA_ROOT))) {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j <= i; ++j) {
        const int x = rc.right - 4 - 4 * j, y = rc.bottom - 4 - 4 * (i - j);
        fill_solid(dc, RECT{x - 2, y - 2, x, y}, divider);
      }
  }
  buffer.present();
}

}  // namespace

LRESULT CALLBACK statusbar_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  if (msg == WM_NCDESTROY) return release_window(hwnd, msg, wparam, lparam, statusbar_proc, state);
  const Theme* theme = Engine::instance().theme();
  if (!theme) return DefSubclassProc(hwnd, msg, wparam, lparam);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      if (wparam) {
        paint_status(hwnd, reinterpret_cast<HDC>(wparam), *theme);
        return 0;
      }
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      paint_status(hwnd, dc, *theme);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint_status(hwnd, reinterpret_cast<HDC>(wparam), *theme);
      return 0;
    case SB_SETTEXTW:
    case SB_SETTEXTA:
    case SB_SETPARTS:
    case SB_SIMPLE: {
      // The control may draw the new text at once: hide that and repaint ours.
      const LRESULT r = call_hidden(hwnd, msg, wparam, lparam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

}  // namespace skin_engine
