// The window classes of the program's windows, one for each window of a definition,
// registered at the first load and kept until the end, with the brush and icon they carry.
#pragma once

#include <windows.h>

#include <array>

#include "ui/window_definition.h"

namespace tavrin::ui::win32 {

class WindowClasses {
 public:
  WindowClasses() = default;
  ~WindowClasses();
  WindowClasses(const WindowClasses&) = delete;
  WindowClasses& operator=(const WindowClasses&) = delete;

  // The class name for the definition's window, registered with `procedure` when needed;
  // null when it cannot be registered.
  const wchar_t* Ensure(const WindowDefinition& definition, WNDPROC procedure);
  // The program's icon for windows that have one (null for the others).
  HICON IconFor(const WindowDefinition& definition) const;

 private:
  struct Entry {
    bool registered = false;
    HBRUSH background = nullptr;  // ours when the definition picks a colour
    HICON icon = nullptr;
  };
  std::array<Entry, 3> entries_{};
};

}  // namespace tavrin::ui::win32
