#include "app/win32/program_win32.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/install_skin_engine.h"
#include "app/main_window_definition.h"
#include "browser/address_bar.h"
#include "browser/navigation_commands.h"
#include "browser/page_status.h"
#include "browser/web_view_link.h"
#include "browser/win32/hot_key_service_win32.h"
#include "browser/win32/web_view_factory_win32.h"
#include "extras/about_window_definition.h"
#include "extras/extras_feature.h"
#include "favorites/favorites_feature.h"
#include "favorites/favorites_window_definition.h"
#include "resources/carried_data.h"
#include "ui/win32/text_win32.h"

namespace tavrin::win32 {
namespace {

constexpr wchar_t kFatalErrorTitle[] = L"错误";

const ui::WindowDefinition& DefinitionOf(ui::WindowId id) {
  switch (id) {
    case ui::WindowId::Main:
      break;
    case ui::WindowId::About:
      return AboutWindowDefinition();
    case ui::WindowId::Favorites:
      return FavoritesWindowDefinition();
  }
  return MainWindowDefinition();
}

}  // namespace

Program::Program() = default;

Program::~Program() { EndProgram(); }

void Program::InitializeOle() {
  ole_initialized_ = SUCCEEDED(OleInitialize(nullptr));
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

void Program::EnterProgramFolder() {
  SetCurrentDirectoryW(Widen(system_.ProgramFolder()).c_str());
}

void Program::PrepareWindowDefinitions() {
  external_ = std::make_unique<ExternalEntryTable>(system_.ProgramFolder(), loader_, gate_, *this);
  windows_ = std::make_unique<ui::win32::WindowServicesWin32>(DefinitionOf, *this);
  handlers_ = std::make_unique<ProgramHandlers>(
      ProgramContext{*windows_, system_, *external_, CarriedSkinCatalogue()});
  windows_->SetEventHandler(handlers_.get());
  handlers_->Add(std::make_unique<FavoritesFeature>(*windows_, system_, *external_));
  handlers_->Add(std::make_unique<ExtrasFeature>(*windows_, system_, *this));
  // Browsing: the handlers reach the web view through the link while it exists; F1 presses
  // arrive as WM_HOTKEY in the thread's queue and go out as the label's feedback event.
  hot_keys_ = std::make_unique<browser::win32::HotKeyServiceWin32>(
      [windows = windows_.get()](HWND notify, std::int32_t identifier) {
        windows->RaiseControlEvent(notify, ui::EventKind::Feedback, 0, identifier, 0);
      });
  windows_->AddMessageFilter([hot_keys = hot_keys_.get()](MSG& message) {
    return hot_keys->Filter(message);
  });
  windows_->SetWebViewFactory(browser::win32::MakeWebViewFactory(web_view_));
  handlers_->Add(std::make_unique<browser::NavigationCommands>(*windows_, web_view_));
  handlers_->Add(std::make_unique<browser::PageStatus>(*windows_, web_view_));
  handlers_->Add(std::make_unique<browser::AddressBar>(*windows_, web_view_, *hot_keys_));
}

void Program::InstallSkinEngine() { tavrin::InstallSkinEngine(system_, SkinEngineImage()); }

void Program::LoadMainWindow() { windows_->LoadWindow(ui::WindowId::Main, false); }

bool Program::AnyWindowExists() { return windows_->AnyWindowExists(); }

void Program::RunMessageLoop() { windows_->RunMessageLoop(); }

// Once, whatever the reason for the end: the windows (which the skin engine has subclassed,
// and whose web view releases the web control), any hot key still held, the bound
// libraries, then OLE.
void Program::EndProgram() {
  if (ended_) return;
  ended_ = true;
  if (windows_) windows_->ReleaseAll();
  if (hot_keys_) hot_keys_->ReleaseAll();
  if (external_) external_->ReleaseAll();
  if (ole_initialized_) OleUninitialize();
  ole_initialized_ = false;
}

void Program::Raise(const std::string& message) {
  // A failure while the program is already ending has nothing more to tell.
  if (!ended_) {
    MessageBoxW(nullptr, Widen(message).c_str(), kFatalErrorTitle,
                MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
    EndProgram();
  }
  ExitProcess(UINT(-1));
}

void Program::ExitNow() {
  EndProgram();
  ExitProcess(0);
}

}  // namespace tavrin::win32
