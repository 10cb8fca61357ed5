// A control that a feature hosts inside a window definition's place (the web view), with
// properties of its own from number 8 on and events of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "ui/events.h"
#include "ui/window_services.h"

namespace tavrin::ui::win32 {

class HostedControl {
 public:
  virtual ~HostedControl() = default;
  virtual HWND Window() const = 0;
  // The window services moved or sized the control's window.
  virtual void Resized() {}
  virtual PropertyValue ReadProperty(int number) = 0;
  virtual void WriteProperty(int number, const PropertyValue& value) = 0;
  // Keys for the control while the focus is inside it, before the program's own keys.
  virtual bool PreTranslateMessage(MSG&) { return false; }
};

// Raises one of the hosted control's events: code, a, b as in ui::Event.
using RaiseEvent = std::function<std::optional<std::int32_t>(std::int32_t code, std::int32_t a,
                                                             std::int32_t b)>;

using HostedControlFactory = std::function<std::unique_ptr<HostedControl>(
    HWND parent, int id, const RECT& place, RaiseEvent raise)>;

}  // namespace tavrin::ui::win32
