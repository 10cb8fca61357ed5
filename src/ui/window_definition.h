// The three windows of the program are data: a window's properties, then its controls in
// stacking order (the first lies on top). The window services load them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tavrin::ui {

enum class WindowId { Main, About, Favorites };

enum class ControlKind { PushButton, EditBox, Label, StatusBar, Toolbar, WebView };

// Which events of a control reach the program's handlers.
enum EventMask : std::uint32_t {
  kNoEvents = 0,
  kClicked = 1u << 0,
  kGotFocus = 1u << 1,
  kLostFocus = 1u << 2,
  kDoubleClicked = 1u << 3,
  kFeedback = 1u << 4,
  kToolbarEvents = 1u << 5,  // button clicked and drop-down arrow clicked
  kWebViewEvents = 1u << 6,
};

// A colour as 0x00BBGGRR, or the system's button face.
struct Colour {
  bool system_button_face = true;
  std::uint32_t rgb = 0;
  static constexpr Colour ButtonFace() { return {}; }
  static constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {false, std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16};
  }
};

struct LabelStyle {
  bool centred = false;    // horizontally and vertically; otherwise left and vertically centred
  bool word_wrap = false;
  Colour text = Colour::Rgb(0, 0, 0);
  Colour background = Colour::ButtonFace();
};

struct MenuEntry {
  std::string_view caption;  // "-" is a separator; "&" marks the access key
  int level;                 // 0 a menu on the bar, 1 its item, 2 a submenu item
};

enum class ButtonKind { Button, Separator, DropDown };

struct ToolbarButton {
  ButtonKind kind;
  int image;  // index into the image lists, -1 for none
  std::string_view tooltip;
  bool disabled;
};

struct ControlDefinition {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  std::string_view text;
  bool takes_focus;
  std::uint32_t events;
  LabelStyle label = {};
  std::span<const ToolbarButton> buttons = {};
};

struct WindowDefinition {
  WindowId id;
  std::string_view title;
  int left, top, width, height;  // outer size; left and top are ignored when centred
  bool centred;
  bool minimize_box;
  bool maximize_box;
  bool enter_moves_focus;
  Colour background;
  bool has_icon;
  std::span<const MenuEntry> menu;  // empty: no menu bar
  bool handles_created;
  bool handles_size_changed;
  std::span<const ControlDefinition> controls;
};

}  // namespace tavrin::ui
