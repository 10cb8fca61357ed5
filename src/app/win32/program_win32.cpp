#include "app/win32/program_win32.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/install_skin_engine.h"
#include "app/main_window_definition.h"
#include "extras/about_window_definition.h"
#include "extras/extras_feature.h"
#include "favorites/favorites_feature.h"
#include "favorites/favorites_window_definition.h"
#include "resources/carried_data.h"
#include "ui/win32/text_win32.h"

namespace tavrin::win32 {
namespace {

// The web view's place until a web control is hosted there: a plain white pane.
class BlankView final : public ui::win32::HostedControl {
 public:
  BlankView(HWND parent, int id, const RECT& place) {
    window_ = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_WHITERECT,
                              place.left, place.top, place.right - place.left,
                              place.bottom - place.top, parent,
                              reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                              nullptr);
  }
  HWND Window() const override { return window_; }
  ui::PropertyValue ReadProperty(int) override { return std::int32_t{0}; }
  void WriteProperty(int, const ui::PropertyValue&) override {}

 private:
  HWND window_;  // a child: destroyed with its parent
};

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
  windows_->SetWebViewFactory([](HWND parent, int id, const RECT& place, ui::win32::RaiseEvent) {
    return std::make_unique<BlankView>(parent, id, place);
  });
}

void Program::InstallSkinEngine() { tavrin::InstallSkinEngine(system_, SkinEngineImage()); }

void Program::LoadMainWindow() { windows_->LoadWindow(ui::WindowId::Main, false); }

bool Program::AnyWindowExists() { return windows_->AnyWindowExists(); }

void Program::RunMessageLoop() { windows_->RunMessageLoop(); }

// Once, whatever the reason for the end: the bound libraries, the windows, then OLE.
void Program::EndProgram() {
  if (ended_) return;
  ended_ = true;
  if (windows_) windows_->ReleaseAll();
  if (external_) external_->ReleaseAll();
  if (ole_initialized_) OleUninitialize();
  ole_initialized_ = false;
}

void Program::Raise(const std::string& message) {
  MessageBoxW(nullptr, Widen(message).c_str(), L"Tavrin专用浏览器 - 错误",
              MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
  EndProgram();
  ExitProcess(UINT(-1));
}

void Program::ExitNow() {
  EndProgram();
  ExitProcess(0);
}

}  // namespace tavrin::win32
