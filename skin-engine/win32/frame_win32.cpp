// Caption and frame of top-level windows and dialogs: painted, hit-tested and
// tracked by the engine; the non-client geometry stays the system's, so that the
// program's client area, maximising and resizing behave exactly as without a skin.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "engine_win32.h"
#include "menu_win32.h"
#include "paint_win32.h"

namespace skin_engine {
namespace {

using skin::ColorId;
using skin::GradientId;
using skin::MetricId;

struct FrameLayout {
  RECT window{};   // window rect, origin 0,0
  RECT client{};   // client area in window coordinates
  RECT caption{};  // caption band
  RECT menu_bar{}; // empty without a menu bar
  RECT icon{};     // empty without a system menu icon
  RECT close{}, maximize{}, minimize{};  // empty when absent
  bool has_min_max = false;
};

COLORREF mix(COLORREF a, COLORREF b, int percent_b) {
  auto ch = [&](int shift) {
    const int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return static_cast<COLORREF>((x * (100 - percent_b) + y * percent_b) / 100) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

FrameLayout layout_of(HWND hwnd, const Theme& theme) {
  FrameLayout l;
  RECT wr, cr;
  GetWindowRect(hwnd, &wr);
  GetClientRect(hwnd, &cr);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&cr), 2);
  l.window = RECT{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  l.client = RECT{cr.left - wr.left, cr.top - wr.top, cr.right - wr.left, cr.bottom - wr.top};
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE), ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
  const int frame_x = l.client.left, frame_y = std::max<LONG>(0, l.window.bottom - l.client.bottom);
  const int caption_h = GetSystemMetrics((ex & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  l.caption = RECT{1, 1, l.window.right - 1, std::min<LONG>(frame_y + caption_h, l.client.top)};
  if (GetMenu(hwnd) && l.client.top > l.caption.bottom)
    l.menu_bar = RECT{frame_x, l.caption.bottom, l.window.right - frame_x, l.client.top};

  const int top = frame_y, bottom = l.caption.bottom;
  const int bh = std::min(theme.metric(MetricId::CaptionButtonHeight), std::max(8, bottom - top - 4));
  const int bw = theme.metric(MetricId::CaptionButtonWidth);
  const int gap = theme.metric(MetricId::CaptionButtonGap);
  const int y = top + (bottom - top - bh) / 2;
  int x = l.window.right - frame_x - 2;
  if (style & WS_SYSMENU) {
    l.close = RECT{x - bw, y, x, y + bh};
    x -= bw + gap + 2;
    l.has_min_max = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) && !(ex & WS_EX_TOOLWINDOW);
    if (l.has_min_max) {
      l.maximize = RECT{x - bw, y, x, y + bh};
      x -= bw + gap;
      l.minimize = RECT{x - bw, y, x, y + bh};
    }
    const int icon = GetSystemMetrics(SM_CXSMICON);
    if (!(ex & (WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME))) {
      const int iy = top + (bottom - top - icon) / 2;
      l.icon = RECT{frame_x + 2, iy, frame_x + 2 + icon, iy + icon};
    }
  }
  return l;
}

HICON small_icon(HWND hwnd) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL2, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
  return icon;
}

bool button_enabled(HWND hwnd, int hit) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if (hit == HTMAXBUTTON) return (style & WS_MAXIMIZEBOX) != 0;
  if (hit == HTMINBUTTON) return (style & WS_MINIMIZEBOX) != 0;
  return true;
}

void paint_caption_button(HDC dc, const RECT& rc, CaptionGlyph glyph, int hit, const WindowState& state,
                          bool enabled, const Theme& theme, COLORREF caption_color) {
  if (IsRectEmpty(&rc)) return;
  const int radius = theme.metric(MetricId::CaptionButtonRadius);
  const COLORREF glyph_color = theme.color(ColorId::CaptionButtonGlyph);
  COLORREF fill = mix(caption_color, glyph_color, 14), border = mix(caption_color, glyph_color, 35);
  if (enabled && state.pressed == hit) {
    fill = theme.color(ColorId::CaptionButtonPressed);
    border = fill;
  } else if (enabled && state.hot == hit && state.pressed == 0) {
    fill = theme.color(hit == HTCLOSE ? ColorId::CloseButtonHot : ColorId::CaptionButtonHot);
    border = fill;
  }
  const skin::Rgb f{GetRValue(fill), GetGValue(fill), GetBValue(fill)};
  fill_box(dc, rc, skin::Gradient{f, f, false}, border, radius);
  SetBkColor(dc, fill);
  draw_caption_glyph(dc, rc, glyph, enabled ? glyph_color : mix(glyph_color, fill, 60));
}

void paint_frame(HWND hwnd, HDC target, const WindowState& state, const Theme& theme) {
  const FrameLayout l = layout_of(hwnd, theme);
  PaintBuffer buffer(target, l.window);
  HDC dc = buffer.dc();
  const bool active = state.active;
  const COLORREF frame = theme.color(active ? ColorId::FrameActive : ColorId::FrameInactive);

  fill_solid(dc, l.window, frame);
  const skin::Gradient& caption = theme.gradient(active ? GradientId::CaptionActive : GradientId::CaptionInactive);
  fill_gradient(dc, l.caption, caption);
  if (active) blend_texture(dc, l.caption, theme.caption_texture(), theme.caption_texture_size());
  frame_rect(dc, l.window, theme.color(ColorId::FrameOutline));
  if (theme.metric(MetricId::FrameHighlight)) {
    const RECT inner{1, 1, l.window.right - 1, l.window.bottom - 1};
    draw_line(dc, inner.left, inner.top, inner.right, inner.top,
              mix(RGB(caption.from.r, caption.from.g, caption.from.b), RGB(255, 255, 255), 45));
  }
  // A thin line between the frame and the client area.
  const RECT edge{l.client.left - 1, l.client.top - 1, l.client.right + 1, l.client.bottom + 1};
  frame_rect(dc, edge, mix(frame, theme.color(ColorId::FrameOutline), 50));

  // Icon and title.
  int text_left = l.caption.left + 4 + theme.metric(MetricId::CaptionTextIndent);
  if (!IsRectEmpty(&l.icon)) {
    if (HICON icon = small_icon(hwnd)) {
      DrawIconEx(dc, l.icon.left, l.icon.top, icon, l.icon.right - l.icon.left, l.icon.bottom - l.icon.top, 0,
                 nullptr, DI_NORMAL);
      text_left = l.icon.right + theme.metric(MetricId::CaptionTextIndent);
    }
  }
  int text_right = l.caption.right - 4;
  if (!IsRectEmpty(&l.minimize)) text_right = l.minimize.left - 4;
  else if (!IsRectEmpty(&l.close)) text_right = l.close.left - 4;
  wchar_t title[256] = {};
  InternalGetWindowText(hwnd, title, 256);
  RECT text_rc{text_left, l.caption.top, text_right, l.caption.bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, theme.color(active ? ColorId::CaptionTextActive : ColorId::CaptionTextInactive));
  {
    Selection font(dc, theme.caption_font());
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (theme.metric(MetricId::CaptionTextCentered)) {
      // Centre on the whole caption when there is room, as users expect.
      RECT whole{l.caption.left, l.caption.top, l.caption.right, l.caption.bottom};
      RECT measure = whole;
      DrawTextW(dc, title, -1, &measure, flags | DT_CALCRECT);
      const int w = measure.right - measure.left;
      const int left = std::max<int>(text_left, (whole.left + whole.right - w) / 2);
      text_rc.left = left;
    }
    DrawTextW(dc, title, -1, &text_rc, flags);
  }

  const COLORREF behind = RGB(caption.to.r, caption.to.g, caption.to.b);
  paint_caption_button(dc, l.minimize, CaptionGlyph::Minimize, HTMINBUTTON, state, button_enabled(hwnd, HTMINBUTTON), theme, behind);
  paint_caption_button(dc, l.maximize, IsZoomed(hwnd) ? CaptionGlyph::Restore : CaptionGlyph::Maximize, HTMAXBUTTON,
                       state, button_enabled(hwnd, HTMAXBUTTON), theme, behind);
  paint_caption_button(dc, l.close, CaptionGlyph::Close, HTCLOSE, state, true, theme, behind);

  if (!IsRectEmpty(&l.menu_bar)) paint_menu_bar(hwnd, dc, l.menu_bar, theme);

  // Never touch the client area: copy only the frame.
  const int saved = SaveDC(target);
  ExcludeClipRect(target, l.client.left, l.client.top, l.client.right, l.client.bottom);
  buffer.present();
  RestoreDC(target, saved);
}

void repaint_frame(HWND hwnd, const WindowState& state) {
  const Theme* theme = Engine::instance().theme();
  if (!theme || !IsWindowVisible(hwnd)) return;
  WindowDc dc(hwnd);
  if (dc.get()) paint_frame(hwnd, dc.get(), state, *theme);
}

int hit_of(const FrameLayout& l, POINT p) {
  if (PtInRect(&l.close, p)) return HTCLOSE;
  if (PtInRect(&l.maximize, p)) return HTMAXBUTTON;
  if (PtInRect(&l.minimize, p)) return HTMINBUTTON;
  return HTNOWHERE;
}

POINT window_point(HWND hwnd, POINT screen) {
  RECT wr;
  GetWindowRect(hwnd, &wr);
  return POINT{screen.x - wr.left, screen.y - wr.top};
}

// The default tracking draws classic buttons: run our own capture loop instead.
void track_caption_button(HWND hwnd, WindowState& state, int hit, const Theme& theme) {
  if (!button_enabled(hwnd, hit)) return;
  state.pressed = hit;
  repaint_frame(hwnd, state);
  SetCapture(hwnd);
  bool inside = true;
  MSG msg;
  while (GetCapture() == hwnd && GetMessageW(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_LBUTTONUP) break;
    if (msg.message == WM_MOUSEMOVE) {
      POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      ClientToScreen(hwnd, &p);
      const bool now = hit_of(layout_of(hwnd, theme), window_point(hwnd, p)) == hit;
      if (now != inside) {
        inside = now;
        state.pressed = inside ? hit : 0;
        repaint_frame(hwnd, state);
      }
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (!IsWindow(hwnd)) return;  // destroyed meanwhile: `state` is gone with it
  state.pressed = 0;
  state.hot = 0;
  repaint_frame(hwnd, state);
  if (!inside) return;
  switch (hit) {
    case HTCLOSE: SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case HTMAXBUTTON: SendMessageW(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, 0); break;
    case HTMINBUTTON: SendMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
  }
}

// The window's own background stays: only a class brush that is a system colour is
// replaced, and only for the duration of the default call, so a program's own
// WM_ERASEBKGND handler still runs.
LRESULT erase_background(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, const Theme& theme) {
  const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND));
  if (!is_system_brush(brush)) return DefSubclassProc(hwnd, msg, wparam, lparam);
  SetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(theme.brush(ColorId::Face)));
  const LRESULT result = DefSubclassProc(hwnd, msg, wparam, lparam);
  SetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
  return result;
}

bool has_frame(HWND hwnd) {
  return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

}  // namespace

LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  const Theme* theme = Engine::instance().theme();
  if (msg == WM_NCDESTROY) return release_window(hwnd, msg, wparam, lparam, frame_proc, state);
  if (!theme) return DefSubclassProc(hwnd, msg, wparam, lparam);

  LRESULT result = 0;
  if (handle_parent_message(hwnd, msg, wparam, lparam, result)) return result;
  if (msg == WM_ERASEBKGND && state->kind == Kind::Frame) return erase_background(hwnd, msg, wparam, lparam, *theme);
  if (!has_frame(hwnd)) return DefSubclassProc(hwnd, msg, wparam, lparam);

  switch (msg) {
    case WM_NCPAINT: {
      const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
      // Scroll bars are the system's: let it draw them, then cover the rest.
      if (style & (WS_HSCROLL | WS_VSCROLL)) DefSubclassProc(hwnd, msg, wparam, lparam);
      repaint_frame(hwnd, *state);
      return 0;
    }
    case WM_NCACTIVATE: {
      state->active = wparam != FALSE;
      // lParam -1: the default updates the state without repainting the caption.
      const LRESULT r = DefSubclassProc(hwnd, msg, wparam, static_cast<LPARAM>(-1));
      repaint_frame(hwnd, *state);
      return r;
    }
    case WM_SETTEXT:
    case WM_SETICON: {
      const LRESULT r = call_hidden(hwnd, msg, wparam, lparam);
      repaint_frame(hwnd, *state);
      return r;
    }
    case WM_NCHITTEST: {
      const LRESULT def = DefSubclassProc(hwnd, msg, wparam, lparam);
      const FrameLayout l = layout_of(hwnd, *theme);
      const POINT p = window_point(hwnd, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      if (const int hit = hit_of(l, p); hit != HTNOWHERE) return hit;
      if (PtInRect(&l.icon, p)) return HTSYSMENU;
      if (def == HTCLOSE || def == HTMAXBUTTON || def == HTMINBUTTON || def == HTHELP || def == HTSYSMENU)
        return PtInRect(&l.caption, p) ? HTCAPTION : def;
      return def;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wparam == HTCLOSE || wparam == HTMAXBUTTON || wparam == HTMINBUTTON) {
        track_caption_button(hwnd, *state, static_cast<int>(wparam), *theme);
        return 0;
      }
      break;
    case WM_NCMOUSEMOVE: {
      const int hot = (wparam == HTCLOSE || wparam == HTMAXBUTTON || wparam == HTMINBUTTON) ? static_cast<int>(wparam) : 0;
      if (hot != state->hot) {
        state->hot = hot;
        repaint_frame(hwnd, *state);
      }
      if (!state->tracking_leave) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE | TME_NONCLIENT, hwnd, 0};
        state->tracking_leave = TrackMouseEvent(&tme) != FALSE;
      }
      break;
    }
    case WM_NCMOUSELEAVE:
    case WM_MOUSEMOVE:
      if (msg == WM_NCMOUSELEAVE) state->tracking_leave = false;
      if (state->hot) {
        state->hot = 0;
        repaint_frame(hwnd, *state);
      }
      break;
    case WM_PRINT:
      if (lparam & PRF_NONCLIENT) {
        const auto dc = reinterpret_cast<HDC>(wparam);
        if ((lparam & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return 0;
        paint_frame(hwnd, dc, *state, *theme);
        const FrameLayout l = layout_of(hwnd, *theme);
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, l.client.left, l.client.top, nullptr);
        IntersectClipRect(dc, 0, 0, l.client.right - l.client.left, l.client.bottom - l.client.top);
        const LRESULT r = DefSubclassProc(hwnd, msg, wparam, lparam & ~PRF_NONCLIENT);
        RestoreDC(dc, saved);
        return r;
      }
      break;
    case WM_SIZE:
    case WM_EXITMENULOOP:
    case WM_STYLECHANGED: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wparam, lparam);
      repaint_frame(hwnd, *state);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

}  // namespace skin_engine
