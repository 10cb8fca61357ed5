// System-wide hot keys: registered for an owner window under an identifier that is new for
// every registration; a press arrives as the feedback event of a label (the notify window).
#pragma once

#include <cstdint>
#include <functional>

#include "ui/window_services.h"

namespace tavrin::browser {

// Modifier codes of Register; they combine as bits (3 Ctrl+Shift, 5 Ctrl+Alt, 6 Shift+Alt).
enum HotKeyModifier : int { kNoModifier = 0, kCtrl = 1, kShift = 2, kAlt = 4 };

class HotKeyService {
 public:
  virtual ~HotKeyService() = default;
  // The identifier, or 0 when the system refuses the key (another program holds it).
  virtual std::int32_t Register(ui::NativeHandle owner, ui::NativeHandle notify, int modifiers,
                                int key_code) = 0;
  virtual bool Release(ui::NativeHandle owner, std::int32_t identifier) = 0;
};

// The system's modifier bits (Alt 1, Control 2, Shift 4) of our codes.
unsigned SystemModifiers(int modifiers);

// Hands out identifiers in the applications' range 1..0xBFFF, a new one each time; after
// the last it starts again at 1, passing over any that is still in use.
class HotKeyIdentifiers {
 public:
  static constexpr std::int32_t kFirst = 1;
  static constexpr std::int32_t kLast = 0xBFFF;
  std::int32_t Next(const std::function<bool(std::int32_t)>& in_use = {});

 private:
  std::int32_t last_ = 0;
};

}  // namespace tavrin::browser
