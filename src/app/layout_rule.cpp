#include "app/layout_rule.h"

#include "app/main_window_definition.h"

namespace tavrin {

void RunLayoutRule(ui::WindowServices& windows) {
  using ui::WindowId;
  const int status_top = ui::AsInt(windows.ReadProperty(WindowId::Main, kStatusBar, ui::kTop));
  const int web_top = ui::AsInt(windows.ReadProperty(WindowId::Main, kWebView, ui::kTop));
  windows.WriteProperty(WindowId::Main, kWebView, ui::kHeight,
                        status_top - web_top - kWebViewMargin);
  windows.WriteProperty(WindowId::Main, kWebView, ui::kWidth,
                        windows.ClientWidth(WindowId::Main) - kWebViewMargin);
  windows.WriteProperty(WindowId::Main, kAddressBox, ui::kWidth, kAddressBoxWidth);
}

}  // namespace tavrin
