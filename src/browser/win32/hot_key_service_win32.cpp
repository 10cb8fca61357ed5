#include "browser/win32/hot_key_service_win32.h"

#include <commctrl.h>

namespace tavrin::browser::win32 {

std::int32_t HotKeyServiceWin32::Register(ui::NativeHandle owner_handle,
                                          ui::NativeHandle notify_handle, int modifiers,
                                          int key_code) {
  const HWND owner = reinterpret_cast<HWND>(owner_handle);
  const HWND notify = reinterpret_cast<HWND>(notify_handle);
  const UINT system_modifiers = SystemModifiers(modifiers);
  const UINT key = UINT(key_code);
  // The same key of the same owner registered again replaces the old registration, which
  // the system would refuse otherwise and which nobody could release any more.
  for (std::size_t i = 0; i < held_.size(); ++i) {
    if (held_[i].owner == owner && held_[i].modifiers == system_modifiers && held_[i].key == key) {
      UnregisterHotKey(owner, held_[i].identifier);
      Forget(i);
      break;
    }
  }
  const std::int32_t identifier =
      identifiers_.Next([this](std::int32_t candidate) { return Holds(candidate); });
  if (identifier == 0 || !RegisterHotKey(owner, identifier, system_modifiers, key)) return 0;
  if (!OwnsAny(owner)) SetWindowSubclass(owner, OwnerProc, UINT_PTR(this), DWORD_PTR(this));
  held_.push_back({owner, notify, identifier, system_modifiers, key});
  return identifier;
}

bool HotKeyServiceWin32::Release(ui::NativeHandle owner_handle, std::int32_t identifier) {
  const HWND owner = reinterpret_cast<HWND>(owner_handle);
  const bool released = UnregisterHotKey(owner, identifier) != FALSE;
  for (std::size_t i = 0; i < held_.size(); ++i) {
    if (held_[i].owner == owner && held_[i].identifier == identifier) {
      Forget(i);
      break;
    }
  }
  return released;
}

bool HotKeyServiceWin32::Filter(const MSG& message) {
  if (message.message != WM_HOTKEY) return false;
  for (const Held& held : held_) {
    if (held.identifier == std::int32_t(message.wParam) && held.owner == message.hwnd) {
      const HWND notify = held.notify;  // the handler may release it
      if (raise_) raise_(notify, std::int32_t(message.wParam));
      return true;
    }
  }
  return false;
}

void HotKeyServiceWin32::ReleaseAll() {
  while (!held_.empty()) {
    UnregisterHotKey(held_.back().owner, held_.back().identifier);
    Forget(held_.size() - 1);
  }
}

bool HotKeyServiceWin32::Holds(std::int32_t identifier) const {
  for (const Held& held : held_)
    if (held.identifier == identifier) return true;
  return false;
}

bool HotKeyServiceWin32::OwnsAny(HWND owner) const {
  for (const Held& held : held_)
    if (held.owner == owner) return true;
  return false;
}

void HotKeyServiceWin32::Forget(std::size_t index) {
  const HWND owner = held_[index].owner;
  held_.erase(held_.begin() + std::ptrdiff_t(index));
  if (!OwnsAny(owner) && IsWindow(owner)) RemoveWindowSubclass(owner, OwnerProc, UINT_PTR(this));
}

// The owner window is going: its keys go with it, while its handle is still valid.
LRESULT CALLBACK HotKeyServiceWin32::OwnerProc(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_DESTROY) {
    auto* self = reinterpret_cast<HotKeyServiceWin32*>(data);
    for (std::size_t i = self->held_.size(); i-- > 0;) {
      if (self->held_[i].owner == window) {
        UnregisterHotKey(window, self->held_[i].identifier);
        self->Forget(i);
      }
    }
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace tavrin::browser::win32
