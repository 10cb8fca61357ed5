// The window services every handler uses: load and destroy windows, read and write
// properties, status bar parts, toolbar button states, menu items, message and input boxes.
// Handlers name windows and controls as the definitions do; they never see Win32.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "ui/window_definition.h"

namespace tavrin::ui {

// Property numbers of windows and controls.
enum Property : int {
  kLeft = 0,
  kTop = 1,
  kWidth = 2,
  kHeight = 3,
  kTag = 4,
  kVisible = 5,
  kDisabled = 6,
  kMousePointer = 7,
  kText = 8,  // a window's title, an edit box's text; other kinds give their own from 8 on
};

// Menu item property numbers.
enum MenuProperty : int { kMenuCaption = 0, kMenuChecked = 1, kMenuDisabled = 2, kMenuVisible = 3 };

// Toolbar button state bit: disabled.
inline constexpr int kButtonDisabled = 4;

// Largest width or height a window or control accepts.
inline constexpr int kMaxExtent = 32627;
int ClampExtent(int value);

using PropertyValue = std::variant<std::int32_t, std::string>;
std::int32_t AsInt(const PropertyValue& value);        // a text reads as its number, else 0
std::string AsText(const PropertyValue& value);        // a number reads as its decimal text

using NativeHandle = std::uintptr_t;  // a window handle, as the system gives it

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Creates the window and its controls with events held back, raises its created and
  // size-changed events, shows it. Modal: other windows are disabled until it is gone.
  // A window already loaded is only brought to the front.
  virtual void LoadWindow(WindowId window, bool modal) = 0;
  // Destroys the window once the running handler has returned.
  virtual void DestroyWindow(WindowId window) = 0;
  virtual bool IsLoaded(WindowId window) const = 0;

  // The native handle of a window (empty control name) or of one of its controls.
  virtual NativeHandle Handle(WindowId window, std::string_view control = {}) = 0;
  virtual int ClientWidth(WindowId window) = 0;

  // Empty control name: the window itself.
  virtual PropertyValue ReadProperty(WindowId window, std::string_view control, int number) = 0;
  virtual void WriteProperty(WindowId window, std::string_view control, int number,
                             const PropertyValue& value) = 0;

  virtual void SetStatusText(WindowId window, std::string_view status_bar, int part,
                             std::string_view text) = 0;
  virtual void AddButtonState(WindowId window, std::string_view toolbar, int index, int bits) = 0;
  virtual void RemoveButtonState(WindowId window, std::string_view toolbar, int index,
                                 int bits) = 0;

  virtual void WriteMenuProperty(int menu_item, int number, const PropertyValue& value) = 0;
  virtual PropertyValue ReadMenuProperty(int menu_item, int number) = 0;
  // The item's submenu as a context menu with its top-left corner at the screen point.
  virtual void PopUpMenu(WindowId window, int menu_item, int x, int y) = 0;

  // A box without an owner, titled "信息：", task-modal; flags as MessageBox takes them.
  virtual int ShowMessage(std::string_view text, int flags) = 0;
  // A modal box titled "请输入：" with the prompt; true and the typed text on OK.
  virtual bool InputBox(std::string_view prompt, std::string& text) = 0;
};

}  // namespace tavrin::ui
