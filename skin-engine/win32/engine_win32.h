// The engine: holds the active theme, finds the windows of the attaching thread
// (those that exist and, through a thread-local CBT hook, every one created later)
// and subclasses the kinds it knows how to paint.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "theme_win32.h"

namespace skin_engine {

enum class Kind { None, Frame, Dialog, Button, Edit, Toolbar, StatusBar, PopupMenu };

// Per-window paint state, owned by the window's subclass and freed at WM_NCDESTROY.
struct WindowState {
  Kind kind = Kind::None;
  int hot = 0;      // hot part (caption button hit code, or 1 for a hot push button)
  int pressed = 0;  // caption button being pressed
  bool active = true;
  bool tracking_leave = false;
};

// A menu item that the engine made owner-drawn, with the text it had.
struct OwnedMenuItem {
  UINT id = 0;
  std::wstring text;
  bool separator = false;
};

class Engine {
 public:
  static Engine& instance();

  // Makes `theme` the active one and skins every window of the calling thread.
  void attach(std::unique_ptr<Theme> theme);
  const Theme* theme() const { return theme_.get(); }

  // Subclasses `hwnd` if it is of a kind the engine paints; returns that kind.
  Kind watch(HWND hwnd);

  std::vector<OwnedMenuItem>& owned_items(HMENU menu) { return menus_[menu]; }
  const OwnedMenuItem* find_item(HMENU menu, UINT id) const;
  // WM_MEASUREITEM names no menu: the item with this id in any menu the engine owns.
  const OwnedMenuItem* find_any_item(UINT id) const;

 private:
  Engine() = default;
  static LRESULT CALLBACK cbt_proc(int code, WPARAM wparam, LPARAM lparam);
  void hook_thread();
  void pin_module();

  std::unique_ptr<Theme> theme_;
  std::vector<std::pair<DWORD, HHOOK>> hooks_;  // one per attaching thread, kept for the process
  bool pinned_ = false;
  std::map<HMENU, std::vector<OwnedMenuItem>> menus_;
};

Kind classify(HWND hwnd);

// The subclass procedures, one per kind (each in its own file).
LRESULT CALLBACK frame_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK button_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK edit_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK toolbar_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK statusbar_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK popup_menu_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// Messages a skinned window answers for its children (WM_CTLCOLOR*, custom draw,
// owner-drawn menus). Returns true when it produced `result`.
bool handle_parent_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);

// Frees the window's state and removes the subclass (at WM_NCDESTROY).
LRESULT release_window(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, SUBCLASSPROC proc, WindowState* state);

// Runs the default procedure with WS_VISIBLE cleared, so that controls and
// DefWindowProc that paint straight to the screen on state changes (Wine's button,
// caption repaint on WM_SETTEXT) draw nothing; the caller then repaints skinned.
LRESULT call_hidden(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace skin_engine
