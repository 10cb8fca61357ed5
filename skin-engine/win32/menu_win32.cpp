#include "menu_win32.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine_win32.h"
#include "paint_win32.h"

namespace skin_engine {
namespace {

using skin::ColorId;
using skin::GradientId;
using skin::MetricId;

constexpr int kCheckArea = 22;   // room for the check mark left of the text
constexpr int kArrowArea = 18;   // room for the submenu arrow the system draws
constexpr int kSeparatorHeight = 7;

// Returns whether any item changed (the menu's layout must then be recomputed).
bool prepare(HMENU menu) {
  if (!menu || !IsMenu(menu)) return false;
  bool changed = false;
  Engine& engine = Engine::instance();
  std::vector<OwnedMenuItem> previous = std::move(engine.owned_items(menu));
  std::vector<OwnedMenuItem> owned;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    mii.dwTypeData = text;
    mii.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii)) continue;
    if (mii.fType & MFT_OWNERDRAW) {
      // Ours from an earlier pass (keep its text), or the program's own (leave it).
      const auto it = std::find_if(previous.begin(), previous.end(), [&](const OwnedMenuItem& o) { return o.id == mii.wID; });
      if (it != previous.end()) owned.push_back(*it);
      continue;
    }
    if (mii.fType & MFT_BITMAP) continue;
    owned.push_back(OwnedMenuItem{mii.wID, text, (mii.fType & MFT_SEPARATOR) != 0});
    MENUITEMINFOW set{};
    set.cbSize = sizeof set;
    set.fMask = MIIM_FTYPE;
    set.fType = mii.fType | MFT_OWNERDRAW;
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &set);
    changed = true;
  }
  engine.owned_items(menu) = std::move(owned);
  // The gaps and margins of a pop-up are filled with the menu's background brush.
  if (const Theme* theme = engine.theme()) {
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = theme->brush(ColorId::MenuBackground);
    SetMenuInfo(menu, &info);
  }
  return changed;
}

std::wstring item_text(HMENU menu, UINT id) {
  if (const OwnedMenuItem* item = Engine::instance().find_item(menu, id)) return item->text;
  return {};
}

void draw_text_parts(HDC dc, const std::wstring& text, RECT rc, UINT flags) {
  const auto tab = text.find(L'\t');
  DrawTextW(dc, text.c_str(), static_cast<int>(tab == std::wstring::npos ? text.size() : tab), &rc, flags | DT_LEFT);
  if (tab != std::wstring::npos) {
    rc.right -= 4;
    DrawTextW(dc, text.c_str() + tab + 1, -1, &rc, flags | DT_RIGHT);
  }
}

void draw_check(HDC dc, const RECT& area, COLORREF color) {
  const int x = area.left + (area.right - area.left - 8) / 2, y = (area.top + area.bottom) / 2;
  for (int i = 0; i < 3; ++i) {
    draw_line(dc, x, y - 1 + i, x + 3, y + 2 + i, color);
    draw_line(dc, x + 3, y + 2 + i, x + 9, y - 4 + i, color);
  }
}

void draw_bar_item(HDC dc, const RECT& rc, const std::wstring& text, bool selected, bool disabled, bool hide_prefix,
                   const Theme& theme) {
  if (selected) fill_box(dc, rc, theme.gradient(GradientId::MenuHighlight),
                         RGB(theme.gradient(GradientId::MenuHighlight).to.r, theme.gradient(GradientId::MenuHighlight).to.g,
                             theme.gradient(GradientId::MenuHighlight).to.b),
                         std::min(3, theme.metric(MetricId::ToolbarRadius)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? theme.color(ColorId::MenuDisabledText)
                            : theme.color(selected ? ColorId::MenuHighlightText : ColorId::MenuBarText));
  Selection font(dc, theme.menu_font());
  RECT t = rc;
  DrawTextW(dc, text.c_str(), -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hide_prefix ? DT_HIDEPREFIX : 0));
}

void draw_popup_item(HDC dc, const RECT& rc, const OwnedMenuItem& item, UINT state, const Theme& theme) {
  fill_solid(dc, rc, theme.color(ColorId::MenuBackground));
  if (item.separator) {
    const int y = (rc.top + rc.bottom) / 2;
    fill_solid(dc, RECT{rc.left + kCheckArea, y, rc.right - 4, y + 1}, theme.color(ColorId::MenuSeparator));
    return;
  }
  const bool disabled = state & (ODS_GRAYED | ODS_DISABLED);
  const bool selected = (state & ODS_SELECTED) && !disabled;
  if (selected) {
    const skin::Gradient& g = theme.gradient(GradientId::MenuHighlight);
    fill_box(dc, RECT{rc.left + 2, rc.top + 1, rc.right - 2, rc.bottom - 1}, g, RGB(g.to.r, g.to.g, g.to.b),
             std::min(3, theme.metric(MetricId::ToolbarRadius)));
  }
  const COLORREF color = disabled ? theme.color(ColorId::MenuDisabledText)
                                  : theme.color(selected ? ColorId::MenuHighlightText : ColorId::MenuText);
  if (state & ODS_CHECKED) draw_check(dc, RECT{rc.left, rc.top, rc.left + kCheckArea, rc.bottom}, color);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  Selection font(dc, theme.menu_font());
  RECT t{rc.left + kCheckArea + 4, rc.top, rc.right - kArrowArea, rc.bottom};
  draw_text_parts(dc, item.text, t, DT_VCENTER | DT_SINGLELINE | ((state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0));
}

}  // namespace

void prepare_menu_bar(HWND hwnd) {
  if (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) return;
  HMENU bar = GetMenu(hwnd);
  if (!bar) return;
  if (prepare(bar)) DrawMenuBar(hwnd);
}

void prepare_popup(HMENU menu) { prepare(menu); }

void paint_menu_bar(HWND hwnd, HDC dc, const RECT& bar, const Theme& theme) {
  fill_gradient(dc, bar, theme.gradient(GradientId::MenuBar));
  HMENU menu = GetMenu(hwnd);
  if (!menu) return;
  RECT wr;
  GetWindowRect(hwnd, &wr);
  const bool hide_prefix = (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    RECT rc;
    if (!GetMenuItemRect(hwnd, menu, static_cast<UINT>(i), &rc)) continue;
    OffsetRect(&rc, -wr.left, -wr.top);
    rc.top = bar.top;
    rc.bottom = bar.bottom - 1;
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii);
    draw_bar_item(dc, rc, item_text(menu, mii.wID), (state & MF_HILITE) != 0, (state & (MF_GRAYED | MF_DISABLED)) != 0,
                  hide_prefix, theme);
  }
}

bool measure_menu_item(HWND hwnd, MEASUREITEMSTRUCT& mis, const Theme& theme) {
  if (mis.CtlType != ODT_MENU) return false;
  // The owner gets no HMENU here: find the item among the menus the engine owns.
  HMENU bar = GetMenu(hwnd);
  const OwnedMenuItem* item = bar ? Engine::instance().find_item(bar, mis.itemID) : nullptr;
  const bool in_bar = item != nullptr;
  if (!item) item = Engine::instance().find_any_item(mis.itemID);
  if (!item) return false;
  if (item->separator) {
    mis.itemWidth = 10;
    mis.itemHeight = kSeparatorHeight;
    return true;
  }
  SIZE size{};
  {
    ClientDc dc(hwnd);
    Selection font(dc.get(), theme.menu_font());
    RECT rc{0, 0, 0, 0};
    std::wstring shown = item->text;
    for (auto& ch : shown) if (ch == L'\t') ch = L' ';
    DrawTextW(dc.get(), shown.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    size = SIZE{rc.right, rc.bottom};
  }
  if (in_bar) {
    mis.itemWidth = static_cast<UINT>(size.cx + 2 * theme.metric(MetricId::MenuBarItemPadding));
    mis.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));
  } else {
    mis.itemWidth = static_cast<UINT>(size.cx + kCheckArea + 4 + (item->text.find(L'\t') != std::wstring::npos ? 24 : 8));
    mis.itemHeight = static_cast<UINT>(std::max<int>(theme.metric(MetricId::MenuItemHeight), size.cy + 4));
  }
  return true;
}

bool draw_menu_item(HWND hwnd, const DRAWITEMSTRUCT& dis, const Theme& theme) {
  if (dis.CtlType != ODT_MENU) return false;
  const auto menu = reinterpret_cast<HMENU>(dis.hwndItem);
  const OwnedMenuItem* item = Engine::instance().find_item(menu, dis.itemID);
  if (!item) return false;
  if (menu == GetMenu(hwnd)) {
    // The system gives the item its own rectangle; fill the whole strip height.
    const bool selected = dis.itemState & (ODS_SELECTED | ODS_HOTLIGHT);
    const int saved = SaveDC(dis.hDC);
    fill_gradient(dis.hDC, dis.rcItem, theme.gradient(GradientId::MenuBar));
    draw_bar_item(dis.hDC, dis.rcItem, item->text, selected, dis.itemState & (ODS_GRAYED | ODS_DISABLED),
                  dis.itemState & ODS_NOACCEL, theme);
    RestoreDC(dis.hDC, saved);
    return true;
  }
  const int saved = SaveDC(dis.hDC);
  draw_popup_item(dis.hDC, dis.rcItem, *item, dis.itemState, theme);
  RestoreDC(dis.hDC, saved);
  return true;
}

LRESULT CALLBACK popup_menu_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  if (msg == WM_NCDESTROY) return release_window(hwnd, msg, wparam, lparam, popup_menu_proc, state);
  const LRESULT result = DefSubclassProc(hwnd, msg, wparam, lparam);
  const Theme* theme = Engine::instance().theme();
  if (theme && (msg == WM_PAINT || msg == WM_PRINTCLIENT || msg == WM_NCPAINT)) {
    // The system draws a classic raised edge around the items: cover it.
    WindowDc own(hwnd);
    HDC dc = msg == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wparam) : own.get();
    RECT rc;
    GetWindowRect(hwnd, &rc);
    OffsetRect(&rc, -rc.left, -rc.top);
    frame_rect(dc, rc, theme->color(ColorId::MenuBorder));
    for (int i = 1; i < 3; ++i) {
      InflateRect(&rc, -1, -1);
      frame_rect(dc, rc, theme->color(ColorId::MenuBackground));
    }
  }
  return result;
}

}  // namespace skin_engine
