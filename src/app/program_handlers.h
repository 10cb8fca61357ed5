// Routes the events of the program's windows to the handlers of each feature.
#pragma once

#include "app/external_entry_table.h"
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
  std::optional<std::int32_t> OnEvent(const ui::Event& event) override;

 private:
  std::optional<std::int32_t> OnMainWindowEvent(const ui::Event& event);
  ProgramContext context_;
};

}  // namespace tavrin
