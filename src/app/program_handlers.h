// Routes the events of the program's windows: the frame's own (created, size changed) here,
// everything else to the feature that takes it.
#pragma once

#include <memory>
#include <vector>

#include "app/external_entry_table.h"
#include "app/feature.h"
#include "app/system_services.h"
#include "skins/skin_catalogue.h"
#include "ui/events.h"
#include "ui/window_services.h"

namespace tavrin {

struct ProgramContext {
  ui::WindowServices& windows;
  SystemServices& system;
  ExternalEntryTable& external;
  SkinCatalogue skins;
};

class ProgramHandlers final : public ui::EventHandler {
 public:
  explicit ProgramHandlers(ProgramContext context) : context_(context) {}
  void Add(std::unique_ptr<Feature> feature) { features_.push_back(std::move(feature)); }
  std::optional<std::int32_t> OnEvent(const ui::Event& event) override;

 private:
  ProgramContext context_;
  std::vector<std::unique_ptr<Feature>> features_;
};

}  // namespace tavrin
