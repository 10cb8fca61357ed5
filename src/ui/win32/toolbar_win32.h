// The toolbar control with its two image lists (coloured normal, grey hot) and tooltips.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "ui/window_definition.h"

namespace tavrin::ui::win32 {

inline constexpr int kFirstToolbarCommand = 2000;

// Resource ids of the strips of toolbar images in the program file.
inline constexpr int kToolbarNormalBitmap = 101;
inline constexpr int kToolbarHotBitmap = 102;
inline constexpr int kProgramIcon = 1;

class Toolbar {
 public:
  Toolbar(HWND parent, int id, std::span<const ToolbarButton> buttons);
  ~Toolbar();
  Toolbar(const Toolbar&) = delete;
  Toolbar& operator=(const Toolbar&) = delete;

  HWND Window() const { return window_; }
  int ButtonCount() const { return int(buttons_.size()); }
  // State bit 4 is "disabled"; the others have no meaning here.
  void AddState(int index, int bits);
  void RemoveState(int index, int bits);
  bool IsDisabled(int index) const;
  // The tooltip of a button by its command id, or null.
  const wchar_t* TooltipFor(UINT_PTR command) const;
  // The point a drop-down arrow's menu opens at: the button's left edge, 2 pixels below it.
  POINT DropDownPoint(int index) const;

 private:
  HWND window_ = nullptr;
  HIMAGELIST normal_ = nullptr;
  HIMAGELIST hot_ = nullptr;
  std::span<const ToolbarButton> buttons_;
  std::vector<std::wstring> tooltips_;
};

}  // namespace tavrin::ui::win32
