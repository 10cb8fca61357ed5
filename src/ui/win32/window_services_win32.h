// The window services over Win32: loaded windows by id, modal loads with a nested message
// loop, deferred destroy, the message loop and its key handling.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/fatal_error.h"
#include "ui/events.h"
#include "ui/win32/hosted_control_win32.h"
#include "ui/win32/top_level_window_win32.h"
#include "ui/window_services.h"

namespace tavrin::ui::win32 {

class WindowServicesWin32 final : public WindowServices {
 public:
  using DefinitionOf = std::function<const WindowDefinition&(WindowId)>;
  using MessageFilter = std::function<bool(MSG&)>;

  WindowServicesWin32(DefinitionOf definitions, FatalError& fatal);
  ~WindowServicesWin32() override;

  // The handler of every event; set once before the first load.
  void SetEventHandler(EventHandler* handler) { handler_ = handler; }
  void SetWebViewFactory(HostedControlFactory factory) { web_view_factory_ = std::move(factory); }
  // Runs before any window sees a message of the thread (hot keys, for instance).
  void AddMessageFilter(MessageFilter filter) { filters_.push_back(std::move(filter)); }

  void LoadWindow(WindowId window, bool modal) override;
  void DestroyWindow(WindowId window) override;
  bool IsLoaded(WindowId window) const override;
  NativeHandle Handle(WindowId window, std::string_view control = {}) override;
  int ClientWidth(WindowId window) override;
  PropertyValue ReadProperty(WindowId window, std::string_view control, int number) override;
  void WriteProperty(WindowId window, std::string_view control, int number,
                     const PropertyValue& value) override;
  void SetStatusText(WindowId window, std::string_view status_bar, int part,
                     std::string_view text) override;
  void AddButtonState(WindowId window, std::string_view toolbar, int index, int bits) override;
  void RemoveButtonState(WindowId window, std::string_view toolbar, int index, int bits) override;
  void WriteMenuProperty(int menu_item, int number, const PropertyValue& value) override;
  PropertyValue ReadMenuProperty(int menu_item, int number) override;
  void PopUpMenu(WindowId window, int menu_item, int x, int y) override;
  int ShowMessage(std::string_view text, int flags) override;
  bool InputBox(std::string_view prompt, std::string& text) override;

  // The window and control a native handle belongs to, for events raised from outside.
  std::optional<std::int32_t> RaiseControlEvent(HWND control, EventKind kind, std::int32_t code,
                                                std::int32_t a, std::int32_t b);
  bool AnyWindowExists() const;
  // Dispatches until the quit message; returns its code.
  int RunMessageLoop();
  // Destroys every window that is still loaded (end of the program).
  void ReleaseAll();

 private:
  TopLevelWindow& Loaded(WindowId window) const;
  TopLevelWindow& LoadedWithControl(WindowId window, std::string_view control) const;
  void Dispatch(MSG& message);
  void OnDestroyed(TopLevelWindow& window);
  void RunModalLoop(WindowId window);

  DefinitionOf definitions_;
  FatalError& fatal_;
  EventHandler* handler_ = nullptr;
  HostedControlFactory web_view_factory_;
  std::vector<MessageFilter> filters_;
  // Declared before the windows: classes outlive every window of theirs.
  WindowClasses classes_;
  std::array<std::unique_ptr<TopLevelWindow>, 3> windows_;
  // Windows whose HWND is gone; their objects are freed outside their own window procedure.
  std::vector<std::unique_ptr<TopLevelWindow>> finished_;
  bool loop_entered_ = false;
};

}  // namespace tavrin::ui::win32
