#include "browser/win32/web_view_factory_win32.h"

#include <memory>

#include "browser/win32/web_browser_host_win32.h"

namespace tavrin::browser::win32 {

ui::win32::HostedControlFactory MakeWebViewFactory(WebViewLink& link, WebViewSettings settings) {
  return [&link, settings](HWND parent, int id, const RECT& place, ui::win32::RaiseEvent raise)
             -> std::unique_ptr<ui::win32::HostedControl> {
    auto host =
        std::make_unique<WebBrowserHost>(parent, id, place, settings, std::move(raise), &link);
    host->Start();
    return host;
  };
}

}  // namespace tavrin::browser::win32
