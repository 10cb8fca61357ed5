// Menus: the menu bar strip (painted with the frame) and pop-up menus. The engine
// makes the items owner-drawn (remembering their texts) so that Wine and Windows
// ask it to draw every item, highlight included; layout stays the system's.
#pragma once

#include <windows.h>

namespace skin_engine {

class Theme;

// Makes the items of the window's menu bar owner-drawn.
void prepare_menu_bar(HWND hwnd);
// Makes the items of a pop-up menu owner-drawn (at WM_INITMENUPOPUP).
void prepare_popup(HMENU menu);
// Paints the menu bar strip into `dc` (window coordinates).
void paint_menu_bar(HWND hwnd, HDC dc, const RECT& bar, const Theme& theme);
// WM_MEASUREITEM / WM_DRAWITEM for items the engine owns; false for the program's own.
bool measure_menu_item(HWND hwnd, MEASUREITEMSTRUCT& mis, const Theme& theme);
bool draw_menu_item(HWND hwnd, const DRAWITEMSTRUCT& dis, const Theme& theme);

}  // namespace skin_engine
