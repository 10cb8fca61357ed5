// The address row: Go sends the typed address to the web view; F1 does the same while the
// address box has the focus (a system-wide hot key, held only then); a double-click
// clears the box.
#pragma once

#include <cstdint>
#include <string>

#include "app/feature.h"
#include "browser/hot_key_service.h"
#include "browser/web_view.h"
#include "ui/window_services.h"

namespace tavrin::browser {

inline constexpr int kF1 = 112;  // virtual-key code

class AddressBar final : public Feature {
 public:
  AddressBar(ui::WindowServices& windows, WebView& view, HotKeyService& hot_keys)
      : windows_(windows), view_(view), hot_keys_(hot_keys) {}
  bool OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) override;

  // The identifier of the F1 hot key the address box holds or last held; 0 at start.
  std::int32_t HotKeyId() const { return hot_key_id_; }

 private:
  std::string AddressText();

  ui::WindowServices& windows_;
  WebView& view_;
  HotKeyService& hot_keys_;
  std::int32_t hot_key_id_ = 0;  // the program's one mutable value of its own
};

}  // namespace tavrin::browser
