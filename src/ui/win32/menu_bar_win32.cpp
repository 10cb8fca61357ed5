#include "ui/win32/menu_bar_win32.h"

#include "ui/win32/text_win32.h"

namespace tavrin::ui::win32 {

MenuBar::MenuBar(std::span<const MenuEntry> entries) {
  for (const MenuEntry& entry : entries) items_.push_back({std::string(entry.caption), entry.level});
  Build();
}

MenuBar::~MenuBar() { Destroy(); }

void MenuBar::Destroy() {
  // Destroying the bar destroys every submenu attached to it.
  if (bar_) DestroyMenu(bar_);
  bar_ = nullptr;
  for (Item& item : items_) item.submenu = nullptr;
}

// Rebuilding from the model keeps hidden entries out without tracking positions by hand.
void MenuBar::Build() {
  bar_ = CreateMenu();
  HMENU parents[3] = {bar_, nullptr, nullptr};
  for (std::size_t i = 0; i < items_.size(); ++i) {
    Item& item = items_[i];
    const bool opens_menu = i + 1 < items_.size() && items_[i + 1].level > item.level;
    HMENU parent = parents[item.level];
    if (opens_menu) {
      item.submenu = CreatePopupMenu();
      parents[item.level + 1] = item.submenu;
    }
    if (!item.visible || !parent) continue;
    UINT flags = MF_STRING;
    if (item.caption == "-") flags = MF_SEPARATOR;
    if (item.checked) flags |= MF_CHECKED;
    if (item.disabled) flags |= MF_GRAYED;
    const std::wstring caption = Widen(item.caption);
    if (opens_menu) {
      AppendMenuW(parent, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(item.submenu),
                  caption.c_str());
    } else {
      AppendMenuW(parent, flags, kFirstMenuCommand + i, caption.c_str());
    }
  }
  // The submenu of a hidden entry is attached to nothing: it is destroyed here.
  for (Item& item : items_) {
    if (item.submenu && !item.visible) {
      DestroyMenu(item.submenu);
      item.submenu = nullptr;
    }
  }
}

void MenuBar::Write(HWND window, int item, int number, const PropertyValue& value) {
  if (!Has(item)) return;
  Item& entry = items_[item];
  switch (number) {
    case kMenuCaption: entry.caption = AsText(value); break;
    case kMenuChecked: entry.checked = AsInt(value) != 0; break;
    case kMenuDisabled: entry.disabled = AsInt(value) != 0; break;
    case kMenuVisible: entry.visible = AsInt(value) != 0; break;
    default: return;
  }
  // Disabling and checking an item change it in place; everything else rebuilds the bar.
  if ((number == kMenuDisabled || number == kMenuChecked) && !entry.submenu) {
    const UINT command = kFirstMenuCommand + item;
    if (number == kMenuDisabled) {
      EnableMenuItem(bar_, command, MF_BYCOMMAND | (entry.disabled ? MF_GRAYED : MF_ENABLED));
    } else {
      CheckMenuItem(bar_, command, MF_BYCOMMAND | (entry.checked ? MF_CHECKED : MF_UNCHECKED));
    }
    if (window) DrawMenuBar(window);
    return;
  }
  const HMENU old = bar_;
  bar_ = nullptr;
  Build();
  if (window) {
    SetMenu(window, bar_);
    DrawMenuBar(window);
  }
  if (old) DestroyMenu(old);
}

PropertyValue MenuBar::Read(int item, int number) const {
  if (!Has(item)) return std::int32_t{0};
  const Item& entry = items_[item];
  switch (number) {
    case kMenuCaption: return entry.caption;
    case kMenuChecked: return std::int32_t{entry.checked};
    case kMenuDisabled: return std::int32_t{entry.disabled};
    case kMenuVisible: return std::int32_t{entry.visible};
    default: return std::int32_t{0};
  }
}

HMENU MenuBar::SubmenuOf(int item) const { return Has(item) ? items_[item].submenu : nullptr; }

}  // namespace tavrin::ui::win32
