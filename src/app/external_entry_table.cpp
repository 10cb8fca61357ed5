#include "app/external_entry_table.h"

#include <utility>
#include <vector>

namespace tavrin {

ExternalEntryTable::ExternalEntryTable(std::string program_folder, ModuleLoader& loader,
                                       CallGate& gate, FatalError& fatal)
    : program_folder_(std::move(program_folder)), loader_(loader), gate_(gate), fatal_(fatal) {}

ExternalEntryTable::~ExternalEntryTable() { ReleaseAll(); }

bool ExternalEntryTable::IsBound(ExternalEntry entry) const {
  return bindings_[static_cast<int>(entry)].address != 0;
}

std::uintptr_t ExternalEntryTable::Bind(ExternalEntry entry) {
  Binding& binding = bindings_[static_cast<int>(entry)];
  if (binding.address) return binding.address;

  const ExternalEntryName& name = kExternalEntries[static_cast<int>(entry)];
  const std::string library(name.library);
  ModuleHandle module = loader_.Load(program_folder_ + "\\" + library);
  if (!module) module = loader_.Load(library);
  if (!module) {
    fatal_.Raise("无法载入动态链接库 " + library + "（入口 " + std::string(name.entry_point) +
                 "）。");
  }
  const std::uintptr_t address = loader_.FindEntry(module, name.entry_point);
  if (!address) {
    // The library that loaded is the one the system would use; looking further would only
    // hide a broken installation.
    loader_.Release(module);
    fatal_.Raise("动态链接库 " + library + " 中找不到入口 " + std::string(name.entry_point) +
                 "。");
  }
  binding = {address, module};
  return address;
}

std::uintptr_t ExternalEntryTable::Call(ExternalEntry entry,
                                        std::initializer_list<ExternalArg> args) {
  const std::uintptr_t address = Bind(entry);
  const CallGate::Result result = gate_.Call(address, {args.begin(), args.size()});
  if (!result.stack_balanced) {
    const ExternalEntryName& name = kExternalEntries[static_cast<int>(entry)];
    fatal_.Raise("调用 " + std::string(name.library) + " 的入口 " +
                 std::string(name.entry_point) + " 后堆栈不平衡。");
  }
  return result.value;
}

void ExternalEntryTable::ReleaseAll() {
  for (Binding& binding : bindings_) {
    if (binding.module) loader_.Release(binding.module);
    binding = {};
  }
}

}  // namespace tavrin
