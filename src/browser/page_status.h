// Keeps the main window in step with the page: the status line, the address of the page
// that became ready, the window title; and keeps browsing in one window by turning a
// page's request for a new window into a navigation of the same view.
#pragma once

#include <string>
#include <string_view>

#include "app/feature.h"
#include "browser/web_view.h"
#include "ui/window_services.h"

namespace tavrin::browser {

inline constexpr std::string_view kLoadingText = "正在载入：";
inline constexpr std::string_view kReadyText = "就绪";
// Appended to every page title: the author's handle and contact number.
inline constexpr std::string_view kTitleSuffix = "     BY:Tavrin QQ:518362749   测试版   ";
inline constexpr int kStatusLinePart = 1;

class PageStatus final : public Feature {
 public:
  PageStatus(ui::WindowServices& windows, WebView& view) : windows_(windows), view_(view) {}
  bool OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) override;

 private:
  void SetStatusLine(std::string_view text);
  std::string ReadText(int property);

  ui::WindowServices& windows_;
  WebView& view_;
};

}  // namespace tavrin::browser
