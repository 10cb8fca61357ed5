#pragma once

#include "app/external_entry_table.h"

namespace tavrin::win32 {

class ModuleLoaderWin32 final : public ModuleLoader {
 public:
  ModuleHandle Load(const std::string& path) override;
  std::uintptr_t FindEntry(ModuleHandle module, std::string_view name) override;
  void Release(ModuleHandle module) override;
};

class CallGateWin32 final : public CallGate {
 public:
  Result Call(std::uintptr_t address, std::span<const ExternalArg> args) override;
};

}  // namespace tavrin::win32
