// A web view in memory for the browsing handlers' tests: properties by number, and a log of
// every command, navigation and property write in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "browser/web_view.h"

namespace tavrin::testing {

class FakeWebView : public browser::WebView {
 public:
  void ExecuteCommand(int code) override { log.push_back("command " + std::to_string(code)); }
  void NavigateTo(std::string_view address) override {
    log.push_back("navigate " + std::string(address));
  }
  ui::PropertyValue ReadProperty(int number) override {
    log.push_back("read " + std::to_string(number));
    auto it = properties.find(number);
    if (it != properties.end()) return it->second;
    if (number >= browser::kUrl) return std::string();
    return std::int32_t{0};
  }
  void WriteProperty(int number, const ui::PropertyValue& value) override {
    log.push_back("write " + std::to_string(number) + " " + ui::AsText(value));
    properties[number] = value;
  }

  // The log without the reads.
  std::vector<std::string> Changes() const {
    std::vector<std::string> changes;
    for (const std::string& entry : log)
      if (entry.rfind("read ", 0) != 0) changes.push_back(entry);
    return changes;
  }

  std::map<int, ui::PropertyValue> properties;
  std::vector<std::string> log;
};

}  // namespace tavrin::testing
