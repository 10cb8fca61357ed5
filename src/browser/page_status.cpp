#include "browser/page_status.h"

#include "app/main_window_definition.h"

namespace tavrin::browser {

bool PageStatus::OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) {
  if (event.window != ui::WindowId::Main || event.kind != ui::EventKind::WebView ||
      event.control != kWebView)
    return false;
  switch (event.code) {
    case kBeforeNavigate:
      SetStatusLine(std::string(kLoadingText) + ReadText(kUrl));
      return true;  // no answer: the navigation goes on
    case kProgressChange:
      SetStatusLine(std::to_string(event.a) + "%");
      return true;
    case kDocumentComplete:
      SetStatusLine(kReadyText);
      windows_.WriteProperty(ui::WindowId::Main, kAddressBox, ui::kText, ReadText(kUrl));
      return true;
    case kStatusTextChange:
      SetStatusLine(ReadText(kStatusText));
      return true;
    case kTitleChange:
      windows_.WriteProperty(ui::WindowId::Main, {}, ui::kText,
                             ReadText(kCaption) + std::string(kTitleSuffix));
      return true;
    case kNewWindow:
      // The event carries no address: the latest status text is the only one at hand,
      // whatever it is. Navigating starts before the refusal is acted on.
      view_.WriteProperty(kUrl, ReadText(kStatusText));
      answer = 0;
      return true;
    default:
      return false;
  }
}

void PageStatus::SetStatusLine(std::string_view text) {
  windows_.SetStatusText(ui::WindowId::Main, kStatusBar, kStatusLinePart, text);
}

std::string PageStatus::ReadText(int property) { return ui::AsText(view_.ReadProperty(property)); }

}  // namespace tavrin::browser
