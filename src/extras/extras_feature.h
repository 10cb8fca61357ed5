// The auxiliary commands of the main window's menus: the About window, Internet Options, the
// new-window prompt and Exit.
#pragma once

#include "app/feature.h"
#include "app/system_services.h"
#include "ui/window_services.h"

namespace tavrin {

inline constexpr char kNewWindowPrompt[] = "输入";

class ExtrasFeature final : public Feature {
 public:
  ExtrasFeature(ui::WindowServices& windows, SystemServices& system, ProgramControl& program)
      : windows_(windows), system_(system), program_(program) {}
  bool OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) override;

 private:
  ui::WindowServices& windows_;
  SystemServices& system_;
  ProgramControl& program_;
};

}  // namespace tavrin
