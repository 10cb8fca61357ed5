#include "ui/win32/window_classes_win32.h"

#include "ui/win32/toolbar_win32.h"

namespace tavrin::ui::win32 {
namespace {

const wchar_t* ClassNameOf(WindowId id) {
  switch (id) {
    case WindowId::Main: return L"Tavrin.MainWindow";
    case WindowId::About: return L"Tavrin.AboutWindow";
    case WindowId::Favorites: return L"Tavrin.FavoritesWindow";
  }
  return L"Tavrin.Window";
}

}  // namespace

WindowClasses::~WindowClasses() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (int i = 0; i < int(entries_.size()); ++i) {
    Entry& entry = entries_[i];
    if (entry.registered) UnregisterClassW(ClassNameOf(WindowId(i)), instance);
    if (entry.background) DeleteObject(entry.background);
    if (entry.icon) DestroyIcon(entry.icon);
  }
}

const wchar_t* WindowClasses::Ensure(const WindowDefinition& definition, WNDPROC procedure) {
  Entry& entry = entries_[int(definition.id)];
  const wchar_t* name = ClassNameOf(definition.id);
  if (entry.registered) return name;

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // The class carries the window's own background: a system colour index for the button
  // face, a brush of ours for a colour the definition picks (the skin engine keeps those).
  HBRUSH brush = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!definition.background.system_button_face) {
    entry.background = CreateSolidBrush(definition.background.rgb);
    brush = entry.background;
  }
  if (definition.has_icon) {
    entry.icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, 48, 48, 0));
  }
  WNDCLASSEXW window_class{sizeof window_class};
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = brush;
  window_class.hIcon = entry.icon;
  window_class.lpszClassName = name;
  entry.registered = RegisterClassExW(&window_class) != 0;
  return entry.registered ? name : nullptr;
}

HICON WindowClasses::IconFor(const WindowDefinition& definition) const {
  return entries_[int(definition.id)].icon;
}

}  // namespace tavrin::ui::win32
