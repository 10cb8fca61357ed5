// A window's menu bar built from its menu entries, with the run-time properties of each
// entry (caption, check mark, disabled, visible).
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "ui/window_definition.h"
#include "ui/window_services.h"

namespace tavrin::ui::win32 {

inline constexpr int kFirstMenuCommand = 1000;

class MenuBar {
 public:
  explicit MenuBar(std::span<const MenuEntry> entries);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  HMENU Handle() const { return bar_; }
  bool Has(int item) const { return item >= 0 && item < int(items_.size()); }
  void Write(HWND window, int item, int number, const PropertyValue& value);
  PropertyValue Read(int item, int number) const;
  // The entry's submenu, or none.
  HMENU SubmenuOf(int item) const;

 private:
  struct Item {
    std::string caption;
    int level;
    bool checked = false;
    bool disabled = false;
    bool visible = true;
    HMENU submenu = nullptr;  // for entries that own one, in the current build
  };
  void Build();
  void Destroy();

  std::vector<Item> items_;
  HMENU bar_ = nullptr;
};

}  // namespace tavrin::ui::win32
