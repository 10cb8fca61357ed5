#include "app/win32/module_loader_win32.h"

#include <windows.h>

#include "ui/win32/text_win32.h"

extern "C" std::uintptr_t tavrin_call_stdcall(std::uintptr_t address, const std::uintptr_t* args,
                                              std::uintptr_t count, std::uintptr_t* balanced);

namespace tavrin::win32 {

ModuleHandle ModuleLoaderWin32::Load(const std::string& path) {
  // No error box from the system for a missing or broken library: the caller reports it.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const HMODULE module = LoadLibraryW(Widen(path).c_str());
  SetErrorMode(previous);
  return reinterpret_cast<ModuleHandle>(module);
}

std::uintptr_t ModuleLoaderWin32::FindEntry(ModuleHandle module, std::string_view name) {
  const std::string entry(name);
  return reinterpret_cast<std::uintptr_t>(
      GetProcAddress(reinterpret_cast<HMODULE>(module), entry.c_str()));
}

void ModuleLoaderWin32::Release(ModuleHandle module) {
  FreeLibrary(reinterpret_cast<HMODULE>(module));
}

CallGate::Result CallGateWin32::Call(std::uintptr_t address, std::span<const ExternalArg> args) {
  std::uintptr_t balanced = 0;
  const std::uintptr_t value = tavrin_call_stdcall(address, args.data(), args.size(), &balanced);
  return {value, balanced != 0};
}

}  // namespace tavrin::win32
