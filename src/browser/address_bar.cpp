#include "browser/address_bar.h"

#include "app/main_window_definition.h"

namespace tavrin::browser {

bool AddressBar::OnEvent(const ui::Event& event, std::optional<std::int32_t>&) {
  if (event.window != ui::WindowId::Main) return false;
  if (event.control == kGoButton && event.kind == ui::EventKind::Clicked) {
    // Unchanged: no scheme added, no blanks trimmed, an empty text too.
    view_.WriteProperty(kUrl, AddressText());
    return true;
  }
  if (event.control == kAddressLabel && event.kind == ui::EventKind::Feedback) {
    hot_key_id_ = event.a;
    const std::string address = AddressText();
    if (!address.empty()) view_.NavigateTo(address);
    return true;
  }
  if (event.control != kAddressBox) return false;
  switch (event.kind) {
    case ui::EventKind::GotFocus:
      hot_key_id_ = hot_keys_.Register(windows_.Handle(ui::WindowId::Main, kAddressBox),
                                       windows_.Handle(ui::WindowId::Main, kAddressLabel),
                                       kNoModifier, kF1);
      return true;
    case ui::EventKind::LostFocus:
      hot_keys_.Release(windows_.Handle(ui::WindowId::Main, kAddressBox), hot_key_id_);
      return true;
    case ui::EventKind::DoubleClicked:
      windows_.WriteProperty(ui::WindowId::Main, kAddressBox, ui::kText, std::string());
      return true;
    default:
      return false;
  }
}

std::string AddressBar::AddressText() {
  return ui::AsText(windows_.ReadProperty(ui::WindowId::Main, kAddressBox, ui::kText));
}

}  // namespace tavrin::browser
