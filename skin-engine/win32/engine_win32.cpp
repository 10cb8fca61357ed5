#include "engine_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <cwchar>

#include "menu_win32.h"

namespace skin_engine {
namespace {

constexpr UINT_PTR kSubclassId = 0x534B4E31;  // "SKN1"
// Marks a subclassed window (GetWindowSubclass is missing from some import libraries).
constexpr wchar_t kStateProperty[] = L"SkinEngine.WindowState";

SUBCLASSPROC proc_for(Kind kind) {
  switch (kind) {
    case Kind::Frame:
    case Kind::Dialog: return frame_proc;
    case Kind::Button: return button_proc;
    case Kind::Edit: return edit_proc;
    case Kind::Toolbar: return toolbar_proc;
    case Kind::StatusBar: return statusbar_proc;
    case Kind::PopupMenu: return popup_menu_proc;
    case Kind::None: break;
  }
  return nullptr;
}

BOOL CALLBACK watch_child(HWND hwnd, LPARAM) {
  Engine::instance().watch(hwnd);
  return TRUE;
}

BOOL CALLBACK watch_top_level(HWND hwnd, LPARAM) {
  Engine::instance().watch(hwnd);
  EnumChildWindows(hwnd, watch_child, 0);
  return TRUE;
}

BOOL CALLBACK repaint_child(HWND hwnd, LPARAM) {
  if (GetPropW(hwnd, kStateProperty))
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  return TRUE;
}

BOOL CALLBACK repaint_top_level(HWND hwnd, LPARAM) {
  if (classify(hwnd) == Kind::Frame || classify(hwnd) == Kind::Dialog) {
    prepare_menu_bar(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  EnumChildWindows(hwnd, repaint_child, 0);
  return TRUE;
}

// The hosted web control draws its own windows: nothing inside it is touched.
bool inside_web_control(HWND hwnd) {
  static const wchar_t* const kWebClasses[] = {L"Shell Embedding", L"Shell DocObject View", L"Internet Explorer_Server"};
  HWND ancestor = GetParent(hwnd);
  for (int depth = 0; ancestor && depth < 64; ++depth, ancestor = GetParent(ancestor)) {
    wchar_t name[64] = {};
    GetClassNameW(ancestor, name, 64);
    for (const wchar_t* web : kWebClasses)
      if (_wcsicmp(name, web) == 0) return true;
  }
  return false;
}

}  // namespace

Engine& Engine::instance() {
  static Engine engine;
  return engine;
}

Kind classify(HWND hwnd) {
  wchar_t name[64] = {};
  if (!GetClassNameW(hwnd, name, 64)) return Kind::None;
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if (_wcsicmp(name, L"#32768") == 0) return Kind::PopupMenu;
  if (_wcsicmp(name, L"#32770") == 0) return Kind::Dialog;
  if (!(style & WS_CHILD)) {
    // Top-level windows with a caption are the program's own frames. Helper windows
    // (IME, OLE, tooltips) have no caption and are left alone.
    return (style & WS_CAPTION) == WS_CAPTION ? Kind::Frame : Kind::None;
  }
  if (inside_web_control(hwnd)) return Kind::None;
  if (_wcsicmp(name, L"Button") == 0) {
    // Push buttons showing text; picture buttons keep the system's look.
    const LONG type = style & BS_TYPEMASK;
    const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    return push && !(style & (BS_ICON | BS_BITMAP)) ? Kind::Button : Kind::None;
  }
  if (_wcsicmp(name, L"Edit") == 0) return Kind::Edit;
  if (_wcsicmp(name, TOOLBARCLASSNAMEW) == 0) return Kind::Toolbar;
  if (_wcsicmp(name, STATUSCLASSNAMEW) == 0) return Kind::StatusBar;
  // Everything else, the web control's windows included, keeps its own look.
  return Kind::None;
}

Kind Engine::watch(HWND hwnd) {
  if (!theme_) return Kind::None;
  const Kind kind = classify(hwnd);
  SUBCLASSPROC proc = proc_for(kind);
  if (!proc) return Kind::None;
  if (GetPropW(hwnd, kStateProperty)) return kind;
  pin_module();
  auto* state = new WindowState{};
  state->kind = kind;
  state->active = GetForegroundWindow() == hwnd;
  if (!SetWindowSubclass(hwnd, proc, kSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
    delete state;
    return Kind::None;
  }
  SetPropW(hwnd, kStateProperty, state);
  return kind;
}

const OwnedMenuItem* Engine::find_item(HMENU menu, UINT id) const {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return nullptr;
  for (const OwnedMenuItem& item : it->second)
    if (item.id == id) return &item;
  return nullptr;
}

const OwnedMenuItem* Engine::find_any_item(UINT id) const {
  for (const auto& [menu, items] : menus_)
    for (const OwnedMenuItem& item : items)
      if (item.id == id && IsMenu(menu)) return &item;
  return nullptr;
}

void Engine::attach(std::unique_ptr<Theme> theme) {
  theme_ = std::move(theme);
  hook_thread();
  const DWORD thread = GetCurrentThreadId();
  EnumThreadWindows(thread, watch_top_level, 0);
  EnumThreadWindows(thread, repaint_top_level, 0);
}

void Engine::hook_thread() {
  const DWORD thread = GetCurrentThreadId();
  for (const auto& [id, hook] : hooks_)
    if (id == thread) return;
  HHOOK hook = SetWindowsHookExW(WH_CBT, cbt_proc, nullptr, thread);
  if (hook) hooks_.emplace_back(thread, hook);
}

void Engine::pin_module() {
  if (pinned_) return;
  // Our subclass procedures live in this DLL: it must never unload under them.
  HMODULE self = nullptr;
  pinned_ = GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                               reinterpret_cast<LPCWSTR>(&Engine::instance), &self) != FALSE;
}

LRESULT CALLBACK Engine::cbt_proc(int code, WPARAM wparam, LPARAM lparam) {
  // Subclass before WM_NCCREATE, so that even the first paint is skinned.
  if (code == HCBT_CREATEWND) instance().watch(reinterpret_cast<HWND>(wparam));
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT release_window(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, SUBCLASSPROC proc, WindowState* state) {
  RemoveWindowSubclass(hwnd, proc, kSubclassId);
  RemovePropW(hwnd, kStateProperty);
  delete state;
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

LRESULT call_hidden(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return DefSubclassProc(hwnd, msg, wparam, lparam);
  SetWindowLongW(hwnd, GWL_STYLE, style & ~WS_VISIBLE);
  const LRESULT result = DefSubclassProc(hwnd, msg, wparam, lparam);
  // The call may have changed other style bits (BM_SETSTYLE): keep those.
  SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) | WS_VISIBLE);
  return result;
}

}  // namespace skin_engine
