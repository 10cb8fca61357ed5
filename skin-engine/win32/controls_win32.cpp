// Push buttons and edit boxes. Labels, check boxes and backgrounds need no subclass:
// their parent answers WM_CTLCOLOR* (parent_win32.cpp).
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "engine_win32.h"
#include "paint_win32.h"

namespace skin_engine {
namespace {

using skin::ColorId;
using skin::GradientId;
using skin::MetricId;

// What lies behind the button's rounded corners: the parent's own class brush if the
// program chose one, else what the parent answers for WM_CTLCOLORBTN.
HBRUSH backdrop_brush(HWND hwnd, HDC dc, const Theme& theme) {
  HWND parent = GetParent(hwnd);
  if (!parent) return theme.brush(ColorId::Face);
  const auto own = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
  if (own && !is_system_brush(own)) return own;
  const auto answer = reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(hwnd)));
  return answer ? answer : theme.brush(ColorId::Face);
}

void paint_button(HWND hwnd, HDC target, const WindowState& state, const Theme& theme) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  PaintBuffer buffer(target, rc);
  HDC dc = buffer.dc();
  FillRect(dc, &rc, backdrop_brush(hwnd, dc, theme));

  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const bool enabled = IsWindowEnabled(hwnd);
  const bool pushed = (SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  const bool focused = GetFocus() == hwnd;
  const bool is_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const GradientId look = !enabled ? GradientId::ButtonDisabled
                          : pushed ? GradientId::ButtonPressed
                          : state.hot ? GradientId::ButtonHot
                                      : GradientId::ButtonNormal;
  const int radius = theme.metric(MetricId::ButtonRadius);
  const bool emphasised = enabled && (is_default || focused);
  const COLORREF border = theme.color(emphasised ? ColorId::ButtonBorderDefault : ColorId::ButtonBorder);
  fill_box(dc, rc, theme.gradient(look), border, radius);
  if (emphasised) {
    RECT inner = rc;
    InflateRect(&inner, -1, -1);
    Pen pen(CreatePen(PS_SOLID, 1, border));
    Selection p(dc, pen.get());
    Selection b(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, inner.left, inner.top, inner.right, inner.bottom, std::max(0, radius * 2 - 2), std::max(0, radius * 2 - 2));
  }

  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  const LRESULT ui = SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, theme.color(enabled ? ColorId::ButtonText : ColorId::ButtonTextDisabled));
  Selection font(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  RECT t = rc;
  InflateRect(&t, -4, -2);
  if (pushed) OffsetRect(&t, 1, 1);
  UINT flags = DT_CENTER | ((ui & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0);
  if (style & BS_MULTILINE) {
    RECT measure = t;
    DrawTextW(dc, text, -1, &measure, flags | DT_WORDBREAK | DT_CALCRECT);
    const int h = measure.bottom - measure.top;
    t.top += std::max<LONG>(0, (t.bottom - t.top - h) / 2);
    DrawTextW(dc, text, -1, &t, flags | DT_WORDBREAK);
  } else {
    DrawTextW(dc, text, -1, &t, flags | DT_VCENTER | DT_SINGLELINE);
  }
  if (focused && !(ui & UISF_HIDEFOCUS)) {
    RECT f = rc;
    InflateRect(&f, -4, -4);
    dotted_focus(dc, f, theme.color(ColorId::FocusRect));
  }
  buffer.present();
}

bool is_state_change(UINT msg) {
  switch (msg) {
    case BM_SETSTATE: case BM_SETSTYLE: case BM_SETCHECK: case WM_SETFOCUS: case WM_KILLFOCUS:
    case WM_ENABLE: case WM_SETTEXT: case WM_CAPTURECHANGED: case WM_UPDATEUISTATE: case WM_SETFONT:
      return true;
  }
  return false;
}

void paint_edit_border(HWND hwnd, const Theme& theme) {
  const LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE), style = GetWindowLongW(hwnd, GWL_STYLE);
  if (!(ex & WS_EX_CLIENTEDGE) && !(style & WS_BORDER)) return;
  const bool enabled = IsWindowEnabled(hwnd) && !(style & ES_READONLY);
  paint_border_ring(hwnd, [&](HDC dc, const RECT& window) {
    FillRect(dc, &window, enabled ? theme.brush(ColorId::EditBackground) : theme.brush(ColorId::Face));
    frame_rect(dc, window, theme.color(GetFocus() == hwnd ? ColorId::EditBorderFocused : ColorId::EditBorder));
  });
}

}  // namespace

LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  if (msg == WM_NCDESTROY) return release_window(hwnd, msg, wparam, lparam, button_proc, state);
  const Theme* theme = Engine::instance().theme();
  // A style change (message boxes send BM_SETSTYLE) may turn us into another kind.
  const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
  if (!theme || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && msg != BM_SETSTYLE))
    return DefSubclassProc(hwnd, msg, wparam, lparam);

  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (wparam) {
        paint_button(hwnd, reinterpret_cast<HDC>(wparam), *state, *theme);
        return 0;
      }
      HDC dc = BeginPaint(hwnd, &ps);
      paint_button(hwnd, dc, *state, *theme);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint_button(hwnd, reinterpret_cast<HDC>(wparam), *state, *theme);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (!state->hot) {
        state->hot = 1;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&tme);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      state->hot = 0;
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
  }
  if (is_state_change(msg)) {
    // The control paints classic looks straight away on these: hide that, repaint ours.
    const LRESULT r = call_hidden(hwnd, msg, wparam, lparam);
    InvalidateRect(hwnd, nullptr, FALSE);
    return r;
  }
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  if (msg == WM_NCDESTROY) return release_window(hwnd, msg, wparam, lparam, edit_proc, state);
  const Theme* theme = Engine::instance().theme();
  if (!theme) return DefSubclassProc(hwnd, msg, wparam, lparam);
  switch (msg) {
    case WM_NCPAINT: {
      // Scroll bars are the system's; the border is ours.
      if (GetWindowLongW(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) DefSubclassProc(hwnd, msg, wparam, lparam);
      paint_edit_border(hwnd, *theme);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case EM_SETREADONLY: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wparam, lparam);
      paint_edit_border(hwnd, *theme);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

}  // namespace skin_engine
