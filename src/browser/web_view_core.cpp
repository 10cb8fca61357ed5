#include "browser/web_view_core.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tavrin::browser {
namespace {

constexpr int kSmallestFont = 0;
constexpr int kLargestFont = 4;

std::optional<std::string> Text(std::string_view text) { return std::string(text); }

bool Goes(const std::optional<std::int32_t>& answer) { return !answer || *answer != 0; }

}  // namespace

std::int32_t ProgressPercent(long long progress, long long maximum) {
  if (maximum == 0) return 100;
  const double percent = std::round(double(progress) * 100.0 / double(maximum));
  constexpr double kLow = std::numeric_limits<std::int32_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
  return std::int32_t(std::clamp(percent, kLow, kHigh));
}

WebViewCore::WebViewCore(BrowserEngine& engine, WebViewSettings settings,
                         RaiseWebViewEvent raise)
    : engine_(engine), settings_(std::move(settings)), raise_(std::move(raise)) {
  settings_.font_size = std::clamp(settings_.font_size, kSmallestFont, kLargestFont);
}

void WebViewCore::Start() {
  engine_.SetOffline(settings_.offline);
  engine_.SetSilent(settings_.silent);
  engine_.Zoom(settings_.font_size);
  if (!settings_.url.empty()) engine_.Navigate(settings_.url);
}

void WebViewCore::ExecuteCommand(int code) {
  switch (code) {
    case kGoForward: engine_.GoForward(); break;
    case kGoBack: engine_.GoBack(); break;
    case kGoHome: engine_.GoHome(); break;
    case kGoSearch: engine_.GoSearch(); break;
    case kRefresh: engine_.Refresh(); break;
    case kStop: engine_.Stop(); break;
    case kSaveAs: engine_.ExecDocumentCommand(DocumentCommand::SaveAs); break;
    case kPrint: engine_.ExecDocumentCommand(DocumentCommand::Print); break;
    case kPrintPreview: engine_.ExecDocumentCommand(DocumentCommand::PrintPreview); break;
    case kPageSetup: engine_.ExecDocumentCommand(DocumentCommand::PageSetup); break;
    default: break;
  }
}

void WebViewCore::NavigateTo(std::string_view address) { engine_.Navigate(address); }

ui::PropertyValue WebViewCore::ReadProperty(int number) {
  switch (number) {
    case kFontSize: return std::int32_t(settings_.font_size);
    case kOffline: return std::int32_t(settings_.offline ? 1 : 0);
    case kSilent: return std::int32_t(settings_.silent ? 1 : 0);
    case kUrl: return event_url_ ? *event_url_ : engine_.LocationUrl();
    case kStatusText: return status_text_;
    case kCaption: return event_caption_ ? *event_caption_ : engine_.LocationName();
    default: return std::int32_t{0};
  }
}

void WebViewCore::WriteProperty(int number, const ui::PropertyValue& value) {
  switch (number) {
    case kFontSize:
      settings_.font_size = std::clamp(ui::AsInt(value), kSmallestFont, kLargestFont);
      engine_.Zoom(settings_.font_size);
      break;
    case kOffline:
      settings_.offline = ui::AsInt(value) != 0;
      engine_.SetOffline(settings_.offline);
      break;
    case kSilent:
      settings_.silent = ui::AsInt(value) != 0;
      engine_.SetSilent(settings_.silent);
      break;
    case kUrl:
      // Stored and navigated at once, an empty text too.
      settings_.url = ui::AsText(value);
      engine_.Navigate(settings_.url);
      break;
    default: break;  // StatusText and Caption are read only
  }
}

std::optional<std::int32_t> WebViewCore::RaiseWith(std::int32_t code, std::int32_t a,
                                                   std::int32_t b,
                                                   std::optional<std::string> url,
                                                   std::optional<std::string> caption) {
  std::swap(event_url_, url);
  std::swap(event_caption_, caption);
  std::optional<std::int32_t> answer = raise_ ? raise_(code, a, b) : std::nullopt;
  event_url_ = std::move(url);
  event_caption_ = std::move(caption);
  return answer;
}

bool WebViewCore::BeforeNavigate(std::string_view url) {
  return Goes(RaiseWith(kBeforeNavigate, 0, 0, Text(url), std::nullopt));
}

void WebViewCore::NavigateComplete(std::string_view url) {
  RaiseWith(kNavigateComplete, 0, 0, Text(url), std::nullopt);
}

void WebViewCore::DownloadBegin() { RaiseWith(kDownloadBegin, 0, 0, std::nullopt, std::nullopt); }

void WebViewCore::DownloadComplete() {
  RaiseWith(kDownloadComplete, 0, 0, std::nullopt, std::nullopt);
}

void WebViewCore::ProgressChange(long long progress, long long maximum) {
  RaiseWith(kProgressChange, ProgressPercent(progress, maximum), 0, std::nullopt, std::nullopt);
}

void WebViewCore::DocumentComplete(std::string_view url) {
  RaiseWith(kDocumentComplete, 0, 0, Text(url), std::nullopt);
}

void WebViewCore::StatusTextChange(std::string_view text) {
  status_text_ = text;  // kept until the next one, never cleared
  RaiseWith(kStatusTextChange, 0, 0, std::nullopt, std::nullopt);
}

void WebViewCore::TitleChange(std::string_view title) {
  RaiseWith(kTitleChange, 0, 0, std::nullopt, Text(title));
}

void WebViewCore::CommandStateChange(long command, bool enabled) {
  // Only back and forward are the web view's; the engine's "update all" and others are not.
  std::int32_t which = 0;
  if (command == kEngineNavigateForward)
    which = kHistoryForward;
  else if (command == kEngineNavigateBack)
    which = kHistoryBack;
  else
    return;
  RaiseWith(kCommandStateChange, which, enabled ? 1 : 0, std::nullopt, std::nullopt);
}

bool WebViewCore::NewWindow() {
  return Goes(RaiseWith(kNewWindow, 0, 0, std::nullopt, std::nullopt));
}

}  // namespace tavrin::browser
