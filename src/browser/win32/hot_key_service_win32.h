// Hot keys over RegisterHotKey and UnregisterHotKey. The system posts WM_HOTKEY to the
// thread with the owner window; a thread message filter (Filter) turns it into the
// feedback event of the notify window. Whatever is still held when its owner window is
// destroyed, or when the service goes, is released then: the program never leaves a key
// held behind it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "browser/hot_key_service.h"

namespace tavrin::browser::win32 {

class HotKeyServiceWin32 final : public HotKeyService {
 public:
  // Raises the feedback event of a notify window: (window, identifier).
  using RaiseFeedback = std::function<void(HWND notify, std::int32_t identifier)>;

  explicit HotKeyServiceWin32(RaiseFeedback raise) : raise_(std::move(raise)) {}
  ~HotKeyServiceWin32() override { ReleaseAll(); }
  HotKeyServiceWin32(const HotKeyServiceWin32&) = delete;
  HotKeyServiceWin32& operator=(const HotKeyServiceWin32&) = delete;

  std::int32_t Register(ui::NativeHandle owner, ui::NativeHandle notify, int modifiers,
                        int key_code) override;
  bool Release(ui::NativeHandle owner, std::int32_t identifier) override;

  // For the message loop: true when the message was a press of one of our keys.
  bool Filter(const MSG& message);
  void ReleaseAll();
  std::size_t HeldCount() const { return held_.size(); }

 private:
  struct Held {
    HWND owner;
    HWND notify;
    std::int32_t identifier;
    UINT modifiers;
    UINT key;
  };

  static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR subclass, DWORD_PTR data);
  bool Holds(std::int32_t identifier) const;
  void Forget(std::size_t index);
  bool OwnsAny(HWND owner) const;

  RaiseFeedback raise_;
  HotKeyIdentifiers identifiers_;
  std::vector<Held> held_;
};

}  // namespace tavrin::browser::win32
