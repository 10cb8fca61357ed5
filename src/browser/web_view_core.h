// The web view's contract over any engine: the stored settings applied on creation, the
// command codes, the property read rules (the address and title that an event concerns)
// and the mapping of the engine's notifications onto the web view's ten events.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "browser/browser_engine.h"
#include "browser/web_view.h"

namespace tavrin::browser {

// The start page: a search portal's home page.
inline constexpr std::string_view kStartPage = "http://www.baidu.com/";

// The web view's stored settings, applied when it is created.
struct WebViewSettings {
  int font_size = 2;
  bool offline = false;
  bool silent = false;
  std::string url{kStartPage};
};

// Raises one of the web view's events (code, a, b); the answer, if any, comes back.
using RaiseWebViewEvent =
    std::function<std::optional<std::int32_t>(std::int32_t code, std::int32_t a, std::int32_t b)>;

// Progress × 100 / maximum to the nearest integer; 100 when there is no maximum.
std::int32_t ProgressPercent(long long progress, long long maximum);

class WebViewCore final : public WebView, public EngineNotifications {
 public:
  WebViewCore(BrowserEngine& engine, WebViewSettings settings, RaiseWebViewEvent raise);

  // Applies Offline, Silent and FontSize in this order, then navigates to a non-empty url.
  void Start();

  // WebView
  void ExecuteCommand(int code) override;
  void NavigateTo(std::string_view address) override;
  ui::PropertyValue ReadProperty(int number) override;
  void WriteProperty(int number, const ui::PropertyValue& value) override;

  // EngineNotifications
  bool BeforeNavigate(std::string_view url) override;
  void NavigateComplete(std::string_view url) override;
  void DownloadBegin() override;
  void DownloadComplete() override;
  void ProgressChange(long long progress, long long maximum) override;
  void DocumentComplete(std::string_view url) override;
  void StatusTextChange(std::string_view text) override;
  void TitleChange(std::string_view title) override;
  void CommandStateChange(long command, bool enabled) override;
  bool NewWindow() override;

 private:
  // Raises an event while `url` or `caption` read as the event's own; nested events (a
  // handler that navigates) see theirs and leave the outer ones as they were.
  std::optional<std::int32_t> RaiseWith(std::int32_t code, std::int32_t a, std::int32_t b,
                                        std::optional<std::string> url,
                                        std::optional<std::string> caption);

  BrowserEngine& engine_;
  WebViewSettings settings_;
  RaiseWebViewEvent raise_;
  std::string status_text_;
  std::optional<std::string> event_url_;
  std::optional<std::string> event_caption_;
};

}  // namespace tavrin::browser
