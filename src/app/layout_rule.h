#pragma once

#include "ui/window_services.h"

namespace tavrin {

inline constexpr int kAddressBoxWidth = 250;
inline constexpr int kWebViewMargin = 10;

// Runs on every size change of the main window, after the bars have aligned themselves:
// the web view reaches 10 pixels short of the status bar and of the right edge, and the
// address box is 250 wide. Nothing else moves.
void RunLayoutRule(ui::WindowServices& windows);

}  // namespace tavrin
