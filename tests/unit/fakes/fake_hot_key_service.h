// Hot keys as the system keeps them: a key held by one registration is refused to the next
// until it is released. Identifiers count up from 1.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "browser/hot_key_service.h"

namespace tavrin::testing {

class FakeHotKeyService : public browser::HotKeyService {
 public:
  struct Registration {
    ui::NativeHandle owner;
    ui::NativeHandle notify;
    int modifiers;
    int key;
  };

  std::int32_t Register(ui::NativeHandle owner, ui::NativeHandle notify, int modifiers,
                        int key) override {
    log.push_back("register " + std::to_string(modifiers) + " " + std::to_string(key));
    if (refuse_all) return 0;
    for (const auto& [id, held] : held)
      if (held.modifiers == modifiers && held.key == key) return 0;  // taken
    const std::int32_t id = ++last_id;
    held[id] = {owner, notify, modifiers, key};
    max_held = std::max(max_held, held.size());
    return id;
  }
  bool Release(ui::NativeHandle owner, std::int32_t id) override {
    log.push_back("release " + std::to_string(id));
    auto it = held.find(id);
    if (it == held.end() || it->second.owner != owner) return false;
    held.erase(it);
    return true;
  }

  std::map<std::int32_t, Registration> held;
  std::vector<std::string> log;
  std::int32_t last_id = 0;
  std::size_t max_held = 0;
  bool refuse_all = false;
};

}  // namespace tavrin::testing
