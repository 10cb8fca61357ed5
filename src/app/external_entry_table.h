// The library entry points the program calls by name, each bound at its first call: first
// from the program's own folder, then by the bare name through the system's search. A
// library that loads but lacks the entry is fatal at once; so is a call that leaves the
// stack unbalanced.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "app/fatal_error.h"

namespace tavrin {

enum class ExternalEntry : int {
  SkinAttach = 0,             // SkinH_EL.dll SkinH_Attach_Ex
  AutoComplete,               // shlwapi.dll SHAutoComplete
  OrganizeFavoritesIeframe,   // ieframe.dll DoOrganizeFavDlg
  OrganizeFavoritesShdocvw,   // shdocvw.dll DoOrganizeFavDlg
  FavoritesLocation,          // shell32.dll SHGetSpecialFolderLocation
  AddToFavorites,             // shdocvw.dll DoAddToFavDlg
  TaskMemFree,                // ole32.dll CoTaskMemFree
};

struct ExternalEntryName {
  std::string_view library;
  std::string_view entry_point;
};

inline constexpr std::array<ExternalEntryName, 7> kExternalEntries{{
    {"SkinH_EL.dll", "SkinH_Attach_Ex"},
    {"shlwapi.dll", "SHAutoComplete"},
    {"ieframe.dll", "DoOrganizeFavDlg"},
    {"shdocvw.dll", "DoOrganizeFavDlg"},
    {"shell32.dll", "SHGetSpecialFolderLocation"},
    {"shdocvw.dll", "DoAddToFavDlg"},
    {"ole32.dll", "CoTaskMemFree"},
}};

using ExternalArg = std::uintptr_t;  // 32 bits in the 32-bit build
using ModuleHandle = std::uintptr_t;

// The system's loader, faked by the host tests.
class ModuleLoader {
 public:
  virtual ~ModuleLoader() = default;
  virtual ModuleHandle Load(const std::string& path) = 0;  // 0 when it does not load
  virtual std::uintptr_t FindEntry(ModuleHandle module, std::string_view name) = 0;  // 0: none
  virtual void Release(ModuleHandle module) = 0;
};

// Calls an entry point with the standard convention and reports whether the stack pointer
// came back where it was.
class CallGate {
 public:
  struct Result {
    std::uintptr_t value;
    bool stack_balanced;
  };
  virtual ~CallGate() = default;
  virtual Result Call(std::uintptr_t address, std::span<const ExternalArg> args) = 0;
};

class ExternalEntryTable {
 public:
  ExternalEntryTable(std::string program_folder, ModuleLoader& loader, CallGate& gate,
                     FatalError& fatal);
  ~ExternalEntryTable();
  ExternalEntryTable(const ExternalEntryTable&) = delete;
  ExternalEntryTable& operator=(const ExternalEntryTable&) = delete;

  std::uintptr_t Call(ExternalEntry entry, std::initializer_list<ExternalArg> args);
  // Frees every module bound so far, once each binding.
  void ReleaseAll();
  bool IsBound(ExternalEntry entry) const;

 private:
  struct Binding {
    std::uintptr_t address = 0;
    ModuleHandle module = 0;
  };
  std::uintptr_t Bind(ExternalEntry entry);

  std::string program_folder_;
  ModuleLoader& loader_;
  CallGate& gate_;
  FatalError& fatal_;
  std::array<Binding, kExternalEntries.size()> bindings_{};
};

}  // namespace tavrin
