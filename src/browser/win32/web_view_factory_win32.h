// Makes the main window's web view: a WebBrowser control host that applies the stored
// settings and starts loading the start page as soon as it exists, reachable by the
// handlers through `link` while it lives.
#pragma once

#include "browser/web_view_core.h"
#include "browser/web_view_link.h"
#include "ui/win32/hosted_control_win32.h"

namespace tavrin::browser::win32 {

// `link` must outlive every web view the factory makes.
ui::win32::HostedControlFactory MakeWebViewFactory(WebViewLink& link,
                                                   WebViewSettings settings = {});

}  // namespace tavrin::browser::win32
