// One loaded window of a definition: its HWND, its controls, and the translation of their
// messages into the program's events.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/events.h"
#include "ui/win32/hosted_control_win32.h"
#include "ui/win32/menu_bar_win32.h"
#include "ui/win32/toolbar_win32.h"
#include "ui/win32/window_classes_win32.h"
#include "ui/window_definition.h"

namespace tavrin::ui::win32 {

class TopLevelWindow {
 public:
  struct Callbacks {
    WindowClasses& classes;
    EventHandler& handler;
    HostedControlFactory web_view_factory;
    std::function<void(TopLevelWindow&)> destroyed;  // after WM_NCDESTROY
  };

  TopLevelWindow(const WindowDefinition& definition, Callbacks callbacks);
  ~TopLevelWindow();
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  // Creates the window and its controls with events held back; false when it failed.
  bool Create();
  // Raises created, then size-changed, and shows the window.
  void RaiseCreatedAndShow();

  HWND Window() const { return window_; }
  const WindowDefinition& Definition() const { return definition_; }
  // The control's window, or null when the definition has no such control.
  HWND ControlWindow(std::string_view name) const;
  HostedControl* Hosted(std::string_view name) const;
  Toolbar* ToolbarNamed(std::string_view name) const;
  HWND StatusBarNamed(std::string_view name) const;
  MenuBar* Menu() const { return menu_.get(); }

  PropertyValue ReadProperty(std::string_view control, int number);
  void WriteProperty(std::string_view control, int number, const PropertyValue& value);

  // Keys of the window (Enter moves the focus, Esc closes) and of its hosted controls.
  bool PreTranslateMessage(MSG& message);

 private:
  struct Control {
    const ControlDefinition* definition;
    HWND window = nullptr;
    std::unique_ptr<Toolbar> toolbar;
    std::unique_ptr<HostedControl> hosted;
    std::string tag;
    std::int32_t mouse_pointer = 0;
  };

  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleControl(Control& control, HWND window, UINT message, WPARAM wparam,
                        LPARAM lparam);
  void CreateControl(Control& control, int id);
  void AlignBars();
  std::optional<std::int32_t> Raise(std::string_view control, EventKind kind,
                                    std::int32_t code = 0, std::int32_t a = 0, std::int32_t b = 0);
  Control* Find(std::string_view name);
  const Control* Find(std::string_view name) const;
  Control* FindByWindow(HWND window);
  HBRUSH BrushFor(const Colour& colour);
  LRESULT ColourLabel(HDC dc, HWND label);
  void DrawLabel(const DRAWITEMSTRUCT& item);

  const WindowDefinition& definition_;
  Callbacks callbacks_;
  HWND window_ = nullptr;
  std::vector<Control> controls_;
  std::unique_ptr<MenuBar> menu_;
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
  bool events_held_ = true;
};

}  // namespace tavrin::ui::win32
