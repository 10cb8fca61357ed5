// What a skinned window answers on behalf of its children.
#include <windows.h>
#include <commctrl.h>

#include "engine_win32.h"
#include "menu_win32.h"
#include "paint_win32.h"
#include "toolbar_win32.h"

namespace skin_engine {
namespace {

using skin::ColorId;

struct ToolbarSearch {
  HWND control;
  bool on_toolbar = false;
};

BOOL CALLBACK find_toolbar_under(HWND sibling, LPARAM data) {
  auto* search = reinterpret_cast<ToolbarSearch*>(data);
  if (sibling == search->control || GetParent(sibling) != GetParent(search->control)) return TRUE;
  if (!IsWindowVisible(sibling) || classify(sibling) != Kind::Toolbar) return TRUE;
  RECT a, b, both;
  GetWindowRect(sibling, &a);
  GetWindowRect(search->control, &b);
  search->on_toolbar = IntersectRect(&both, &a, &b) != FALSE;
  return !search->on_toolbar;
}

// A label or button placed over the toolbar takes the toolbar's colour, so that it
// does not stand out as a box of window colour on it.
bool sits_on_toolbar(HWND parent, HWND control) {
  if (!control || GetParent(control) != parent) return false;
  ToolbarSearch search{control};
  EnumChildWindows(parent, find_toolbar_under, reinterpret_cast<LPARAM>(&search));
  return search.on_toolbar;
}

bool is_default_text_color(COLORREF c) {
  return c == GetSysColor(COLOR_WINDOWTEXT) || c == GetSysColor(COLOR_BTNTEXT) || c == GetSysColor(COLOR_GRAYTEXT);
}

// WM_CTLCOLOR*: the program's own answer (a brush that is not a system colour brush)
// stands. Otherwise the skin's colours replace the system's, except a text colour the
// program set itself.
LRESULT control_color(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, const Theme& theme) {
  const LRESULT answer = DefSubclassProc(hwnd, msg, wparam, lparam);
  const auto brush = reinterpret_cast<HBRUSH>(answer);
  if (brush && !is_system_brush(brush)) return answer;
  const auto dc = reinterpret_cast<HDC>(wparam);
  const bool own_text = !is_default_text_color(GetTextColor(dc));

  // A parent painted with its own class brush (a green About window) lends it to its
  // labels and buttons, as the system would show them on it.
  const auto own = reinterpret_cast<HBRUSH>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND));
  if (msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORLISTBOX && own && !is_system_brush(own)) {
    LOGBRUSH lb{};
    if (GetObjectW(own, sizeof lb, &lb) == sizeof lb && lb.lbStyle == BS_SOLID) SetBkColor(dc, lb.lbColor);
    return reinterpret_cast<LRESULT>(own);
  }
  const bool edit = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
  if ((msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) && sits_on_toolbar(hwnd, reinterpret_cast<HWND>(lparam))) {
    SetBkColor(dc, theme.toolbar_color());
    if (!own_text) SetTextColor(dc, theme.color(ColorId::ToolbarText));
    return reinterpret_cast<LRESULT>(theme.toolbar_brush());
  }
  const ColorId back = edit ? ColorId::EditBackground : ColorId::Face;
  const ColorId text = edit ? ColorId::EditText : ColorId::Text;
  SetBkColor(dc, theme.color(back));
  if (!own_text) SetTextColor(dc, theme.color(text));
  return reinterpret_cast<LRESULT>(theme.brush(back));
}

bool is_skinned_toolbar(HWND hwnd) { return classify(hwnd) == Kind::Toolbar; }

}  // namespace

bool handle_parent_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  const Theme* theme = Engine::instance().theme();
  if (!theme) return false;
  switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
      result = control_color(hwnd, msg, wparam, lparam, *theme);
      return true;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header && header->code == static_cast<UINT>(NM_CUSTOMDRAW) && is_skinned_toolbar(header->hwndFrom)) {
        result = toolbar_custom_draw(*reinterpret_cast<NMTBCUSTOMDRAW*>(lparam), *theme);
        return true;
      }
      return false;
    }
    case WM_MEASUREITEM:
      if (auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam); mis && measure_menu_item(hwnd, *mis, *theme)) {
        result = TRUE;
        return true;
      }
      return false;
    case WM_DRAWITEM:
      if (auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lparam); dis && draw_menu_item(hwnd, *dis, *theme)) {
        result = TRUE;
        return true;
      }
      return false;
    case WM_INITMENUPOPUP:
      // After the program's handler, which may enable, check or rename items.
      result = DefSubclassProc(hwnd, msg, wparam, lparam);
      prepare_popup(reinterpret_cast<HMENU>(wparam));  // the window menu too
      return true;
    case WM_INITMENU:
      result = DefSubclassProc(hwnd, msg, wparam, lparam);
      if (reinterpret_cast<HMENU>(wparam) == GetMenu(hwnd)) prepare_menu_bar(hwnd);
      return true;
  }
  return false;
}

}  // namespace skin_engine
