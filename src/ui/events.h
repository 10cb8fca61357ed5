// Events that the window services deliver to the program's handlers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/window_definition.h"

namespace tavrin::ui {

enum class EventKind {
  Created,
  SizeChanged,
  Clicked,
  GotFocus,
  LostFocus,
  DoubleClicked,
  Feedback,             // a = first argument, b = second
  MenuChosen,           // code = menu item index
  ToolbarClicked,       // code = button index, separators counted
  ToolbarDropDown,      // code = button index, a, b = screen point
  WebView,              // code = event index 0..9, a, b = its arguments
};

struct Event {
  WindowId window;
  std::string_view control;  // empty for the window's own events and menu items
  EventKind kind;
  std::int32_t code = 0;
  std::int32_t a = 0;
  std::int32_t b = 0;
};

class EventHandler {
 public:
  virtual ~EventHandler() = default;
  // The result answers events that ask for one (false cancels); none lets them go on.
  virtual std::optional<std::int32_t> OnEvent(const Event& event) = 0;
};

}  // namespace tavrin::ui
