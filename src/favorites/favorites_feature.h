// The favorites window's feature: both items of the favorites menu open the window; the URL
// box completes from the history; its buttons add and organise.
#pragma once

#include "app/external_entry_table.h"
#include "app/feature.h"
#include "app/system_services.h"
#include "ui/window_services.h"

namespace tavrin {

inline constexpr ExternalArg kUrlHistoryCompletion = 2;  // SHACF_URLHISTORY

class FavoritesFeature final : public Feature {
 public:
  FavoritesFeature(ui::WindowServices& windows, SystemServices& system,
                   ExternalEntryTable& external)
      : windows_(windows), system_(system), external_(external) {}
  bool OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) override;

 private:
  ui::WindowServices& windows_;
  SystemServices& system_;
  ExternalEntryTable& external_;
};

}  // namespace tavrin
