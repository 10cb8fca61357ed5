// A loader and call gate in memory, and a fatal error that throws, for the binding rules.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/external_entry_table.h"

namespace tavrin::testing {

struct FatalRaised : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class ThrowingFatal : public FatalError {
 public:
  [[noreturn]] void Raise(const std::string& message) override { throw FatalRaised(message); }
};

class FakeLoader : public ModuleLoader {
 public:
  ModuleHandle Load(const std::string& path) override {
    attempts.push_back(path);
    auto it = libraries.find(path);
    if (it == libraries.end()) return 0;
    const ModuleHandle handle = next_handle++;
    loaded[handle] = path;
    return handle;
  }
  std::uintptr_t FindEntry(ModuleHandle module, std::string_view name) override {
    const auto& exports = libraries[loaded[module]];
    return exports.count(std::string(name)) ? 0x1000 + module : 0;
  }
  void Release(ModuleHandle module) override { released.push_back(module); }

  std::map<std::string, std::set<std::string>> libraries;  // path -> exported names
  std::map<ModuleHandle, std::string> loaded;
  std::vector<std::string> attempts;
  std::vector<ModuleHandle> released;
  ModuleHandle next_handle = 1;
};

class FakeGate : public CallGate {
 public:
  Result Call(std::uintptr_t address, std::span<const ExternalArg> args) override {
    calls.push_back({address, std::vector<ExternalArg>(args.begin(), args.end())});
    if (on_call) on_call(args);
    return {result, balanced};
  }
  struct Call_ {
    std::uintptr_t address;
    std::vector<ExternalArg> args;
  };
  std::vector<Call_> calls;
  std::function<void(std::span<const ExternalArg>)> on_call;
  std::uintptr_t result = 0;
  bool balanced = true;
};

}  // namespace tavrin::testing
