#include <charconv>

#include "ui/window_services.h"

namespace tavrin::ui {

int ClampExtent(int value) {
  if (value < 0) return 0;
  if (value > kMaxExtent) return kMaxExtent;
  return value;
}

std::int32_t AsInt(const PropertyValue& value) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  const auto& text = std::get<std::string>(value);
  std::int32_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::string AsText(const PropertyValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  return std::to_string(std::get<std::int32_t>(value));
}

}  // namespace tavrin::ui
