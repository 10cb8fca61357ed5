#include "ui/win32/window_services_win32.h"

#include <commctrl.h>

#include "ui/win32/input_box_win32.h"
#include "ui/win32/text_win32.h"

namespace tavrin::ui::win32 {
namespace {

int IndexOf(WindowId window) { return static_cast<int>(window); }

constexpr wchar_t kMessageBoxTitle[] = L"信息：";

}  // namespace

WindowServicesWin32::WindowServicesWin32(DefinitionOf definitions, FatalError& fatal)
    : definitions_(std::move(definitions)), fatal_(fatal) {}

WindowServicesWin32::~WindowServicesWin32() { ReleaseAll(); }

void WindowServicesWin32::LoadWindow(WindowId id, bool modal) {
  if (auto& loaded = windows_[IndexOf(id)]) {
    SetForegroundWindow(loaded->Window());
    return;
  }
  TopLevelWindow::Callbacks callbacks{classes_, *handler_, web_view_factory_,
                                      [this](TopLevelWindow& window) { OnDestroyed(window); }};
  auto window = std::make_unique<TopLevelWindow>(definitions_(id), std::move(callbacks));
  TopLevelWindow& created = *window;
  windows_[IndexOf(id)] = std::move(window);
  if (!created.Create()) fatal_.Raise("无法创建窗口“" + std::string(created.Definition().title) + "”。");

  std::vector<HWND> disabled;
  if (modal) {
    for (auto& other : windows_) {
      if (other && other.get() != &created && IsWindowEnabled(other->Window())) {
        EnableWindow(other->Window(), FALSE);
        disabled.push_back(other->Window());
      }
    }
  }
  created.RaiseCreatedAndShow();
  if (!modal) return;

  RunModalLoop(id);
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  // Give the activation back to the window the modal one was opened from.
  if (!disabled.empty() && IsWindow(disabled.front())) SetActiveWindow(disabled.front());
}

void WindowServicesWin32::RunModalLoop(WindowId id) {
  MSG message;
  while (windows_[IndexOf(id)]) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // Leave the quit message for the outer loop.
      if (got == 0) PostQuitMessage(int(message.wParam));
      return;
    }
    Dispatch(message);
    finished_.clear();
  }
}

void WindowServicesWin32::DestroyWindow(WindowId id) {
  // After the running handler: the close arrives through the queue.
  PostMessageW(Loaded(id).Window(), WM_CLOSE, 0, 0);
}

bool WindowServicesWin32::IsLoaded(WindowId id) const { return windows_[IndexOf(id)] != nullptr; }

TopLevelWindow& WindowServicesWin32::Loaded(WindowId id) const {
  const auto& window = windows_[IndexOf(id)];
  if (!window || !window->Window()) fatal_.Raise("窗口未载入。");
  return *window;
}

TopLevelWindow& WindowServicesWin32::LoadedWithControl(WindowId id,
                                                       std::string_view control) const {
  TopLevelWindow& window = Loaded(id);
  if (!control.empty() && !window.ControlWindow(control))
    fatal_.Raise("窗口“" + std::string(window.Definition().title) + "”中没有组件“" +
                 std::string(control) + "”。");
  return window;
}

NativeHandle WindowServicesWin32::Handle(WindowId id, std::string_view control) {
  TopLevelWindow& window = LoadedWithControl(id, control);
  return reinterpret_cast<NativeHandle>(control.empty() ? window.Window()
                                                        : window.ControlWindow(control));
}

int WindowServicesWin32::ClientWidth(WindowId id) {
  RECT client{};
  GetClientRect(Loaded(id).Window(), &client);
  return client.right - client.left;
}

PropertyValue WindowServicesWin32::ReadProperty(WindowId id, std::string_view control,
                                                int number) {
  return LoadedWithControl(id, control).ReadProperty(control, number);
}

void WindowServicesWin32::WriteProperty(WindowId id, std::string_view control, int number,
                                        const PropertyValue& value) {
  LoadedWithControl(id, control).WriteProperty(control, number, value);
}

void WindowServicesWin32::SetStatusText(WindowId id, std::string_view status_bar, int part,
                                        std::string_view text) {
  const HWND bar = LoadedWithControl(id, status_bar).StatusBarNamed(status_bar);
  if (!bar || part < 0 || part >= int(SendMessageW(bar, SB_GETPARTS, 0, 0))) return;
  SendMessageW(bar, SB_SETTEXTW, part, LPARAM(Widen(text).c_str()));
}

void WindowServicesWin32::AddButtonState(WindowId id, std::string_view toolbar, int index,
                                         int bits) {
  if (Toolbar* bar = LoadedWithControl(id, toolbar).ToolbarNamed(toolbar))
    bar->AddState(index, bits);
}

void WindowServicesWin32::RemoveButtonState(WindowId id, std::string_view toolbar, int index,
                                            int bits) {
  if (Toolbar* bar = LoadedWithControl(id, toolbar).ToolbarNamed(toolbar))
    bar->RemoveState(index, bits);
}

// Menu items belong to the main window, the only window with a menu bar.
void WindowServicesWin32::WriteMenuProperty(int item, int number, const PropertyValue& value) {
  TopLevelWindow& window = Loaded(WindowId::Main);
  if (MenuBar* menu = window.Menu()) menu->Write(window.Window(), item, number, value);
}

PropertyValue WindowServicesWin32::ReadMenuProperty(int item, int number) {
  MenuBar* menu = Loaded(WindowId::Main).Menu();
  return menu ? menu->Read(item, number) : PropertyValue{std::int32_t{0}};
}

void WindowServicesWin32::PopUpMenu(WindowId id, int item, int x, int y) {
  TopLevelWindow& window = Loaded(id);
  MenuBar* menu = Loaded(WindowId::Main).Menu();
  const HMENU submenu = menu ? menu->SubmenuOf(item) : nullptr;
  if (!submenu) return;
  // The chosen entry arrives as WM_COMMAND, as from the menu bar. The owner must be in the
  // foreground, or a click elsewhere does not close the menu (and the queued WM_NULL lets
  // the next click be seen).
  SetForegroundWindow(window.Window());
  TrackPopupMenu(submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, x, y, 0, window.Window(),
                 nullptr);
  PostMessageW(window.Window(), WM_NULL, 0, 0);
}

int WindowServicesWin32::ShowMessage(std::string_view text, int flags) {
  return ::MessageBoxW(nullptr, Widen(text).c_str(), kMessageBoxTitle, UINT(flags) | MB_TASKMODAL);
}

bool WindowServicesWin32::InputBox(std::string_view prompt, std::string& text) {
  return RunInputBox(prompt, text);
}

std::optional<std::int32_t> WindowServicesWin32::RaiseControlEvent(HWND control, EventKind kind,
                                                                   std::int32_t code,
                                                                   std::int32_t a,
                                                                   std::int32_t b) {
  for (auto& window : windows_) {
    if (!window) continue;
    for (const ControlDefinition& definition : window->Definition().controls) {
      if (window->ControlWindow(definition.name) == control)
        return handler_->OnEvent({window->Definition().id, definition.name, kind, code, a, b});
    }
  }
  return std::nullopt;
}

bool WindowServicesWin32::AnyWindowExists() const {
  for (const auto& window : windows_)
    if (window) return true;
  return false;
}

int WindowServicesWin32::RunMessageLoop() {
  loop_entered_ = true;
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    Dispatch(message);
    finished_.clear();
  }
  return int(message.wParam);
}

// The order of a message's way: thread filters (hot keys), then the keys of the window it
// belongs to (the hosted control's accelerators first), then translate and dispatch.
void WindowServicesWin32::Dispatch(MSG& message) {
  for (MessageFilter& filter : filters_)
    if (filter(message)) return;
  if (message.hwnd) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (auto& window : windows_) {
      if (window && window->Window() == root && window->PreTranslateMessage(message)) return;
    }
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void WindowServicesWin32::OnDestroyed(TopLevelWindow& destroyed) {
  for (auto& window : windows_) {
    if (window.get() == &destroyed) finished_.push_back(std::move(window));
  }
  if (loop_entered_ && !AnyWindowExists()) PostQuitMessage(0);
}

void WindowServicesWin32::ReleaseAll() {
  for (auto& window : windows_) window.reset();
  finished_.clear();
}

}  // namespace tavrin::ui::win32
