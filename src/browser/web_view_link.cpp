#include "browser/web_view_link.h"

#include <string>

namespace tavrin::browser {

ui::PropertyValue WebViewLink::ReadProperty(int number) {
  if (view_) return view_->ReadProperty(number);
  // The texts read as empty, the numbers as 0.
  if (number == kUrl || number == kStatusText || number == kCaption) return std::string();
  return std::int32_t{0};
}

}  // namespace tavrin::browser
