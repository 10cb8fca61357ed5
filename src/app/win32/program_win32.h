// The program as it runs on Windows: owns every service and every handler, in the order
// they are released at the end.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "app/external_entry_table.h"
#include "app/fatal_error.h"
#include "app/feature.h"
#include "app/program_handlers.h"
#include "app/startup.h"
#include "app/win32/module_loader_win32.h"
#include "app/win32/system_services_win32.h"
#include "browser/web_view_link.h"
#include "browser/win32/hot_key_service_win32.h"
#include "ui/win32/window_services_win32.h"

namespace tavrin::win32 {

class Program final : public StartupSteps, public FatalError, public ProgramControl {
 public:
  Program();
  ~Program() override;

  // StartupSteps
  void InitializeOle() override;
  void EnterProgramFolder() override;
  void PrepareWindowDefinitions() override;
  void InstallSkinEngine() override;
  void LoadMainWindow() override;
  bool AnyWindowExists() override;
  void RunMessageLoop() override;
  void EndProgram() override;

  // FatalError: the error box, the end of the program, exit code -1.
  [[noreturn]] void Raise(const std::string& message) override;
  // ProgramControl: the Exit command.
  [[noreturn]] void ExitNow() override;

 private:
  SystemServicesWin32 system_;
  ModuleLoaderWin32 loader_;
  CallGateWin32 gate_;
  std::unique_ptr<ExternalEntryTable> external_;
  // The web view attaches to the link while it exists; the link outlives the windows.
  browser::WebViewLink web_view_;
  std::unique_ptr<browser::win32::HotKeyServiceWin32> hot_keys_;
  std::unique_ptr<ui::win32::WindowServicesWin32> windows_;
  std::unique_ptr<ProgramHandlers> handlers_;
  bool ole_initialized_ = false;
  bool ended_ = false;
};

}  // namespace tavrin::win32
