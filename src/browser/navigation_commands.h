// The menu items and toolbar buttons that drive the web view, the font menu under the
// "字体" arrow, and the back and forward controls that follow the web view's history.
// Keeps no state of its own.
#pragma once

#include "app/feature.h"
#include "browser/web_view.h"
#include "ui/window_services.h"

namespace tavrin::browser {

// The command a main-window menu item or toolbar button runs, or -1.
int CommandOfMenuItem(int menu_item);
int CommandOfToolbarButton(int index);

class NavigationCommands final : public Feature {
 public:
  NavigationCommands(ui::WindowServices& windows, WebView& view)
      : windows_(windows), view_(view) {}
  bool OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) override;

 private:
  void FollowHistory(std::int32_t command, std::int32_t enabled);

  ui::WindowServices& windows_;
  WebView& view_;
};

}  // namespace tavrin::browser
