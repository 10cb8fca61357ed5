#include "browser/hot_key_service.h"

namespace tavrin::browser {

unsigned SystemModifiers(int modifiers) {
  constexpr unsigned kSystemAlt = 1, kSystemControl = 2, kSystemShift = 4;
  unsigned system = 0;
  if (modifiers & kCtrl) system |= kSystemControl;
  if (modifiers & kShift) system |= kSystemShift;
  if (modifiers & kAlt) system |= kSystemAlt;
  return system;
}

std::int32_t HotKeyIdentifiers::Next(const std::function<bool(std::int32_t)>& in_use) {
  for (std::int32_t tries = 0; tries < kLast; ++tries) {
    last_ = last_ >= kLast ? kFirst : last_ + 1;
    if (!in_use || !in_use(last_)) return last_;
  }
  return 0;  // every identifier is held: refused
}

}  // namespace tavrin::browser
