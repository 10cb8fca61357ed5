#include "extras/extras_feature.h"

#include <string>

#include "app/menu_tree.h"
#include "extras/about_window_definition.h"
#include "extras/internet_options.h"

namespace tavrin {

bool ExtrasFeature::OnEvent(const ui::Event& event, std::optional<std::int32_t>&) {
  using ui::EventKind;
  using ui::WindowId;
  if (event.window == WindowId::About) {
    if (event.kind != EventKind::Clicked || event.control != kAboutCloseButton) return false;
    windows_.DestroyWindow(WindowId::About);
    return true;
  }
  if (event.window != WindowId::Main || event.kind != EventKind::MenuChosen) return false;
  if (event.code == kMenuExit) program_.ExitNow();  // the end-of-program processing, exit code 0
  switch (event.code) {
    case kMenuAboutBrowser:
      windows_.LoadWindow(WindowId::About, true);
      return true;
    case kMenuInternetOptions:
      RunInternetOptions(system_);
      return true;
    case kMenuNewWindow: {
      // The prompt only asks: neither the text nor the choice of button changes anything.
      std::string discarded;
      windows_.InputBox(kNewWindowPrompt, discarded);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tavrin
