// The web view as the browsing handlers see it: commands, navigation and its numbered
// properties. The Win32 side hosts the WebBrowser control behind it; tests fake it.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/window_services.h"

namespace tavrin::browser {

// Command codes of ExecuteCommand; any other code does nothing.
enum BrowserCommand : int {
  kGoForward = 0,
  kGoBack = 1,
  kGoHome = 2,
  kGoSearch = 3,
  kRefresh = 4,
  kStop = 5,
  kSaveAs = 6,
  kPrint = 7,
  kPrintPreview = 8,
  kPageSetup = 9,
};

// The web view's own property numbers (0 to 7 are the window services' common ones).
enum WebViewProperty : int {
  kFontSize = 8,    // 0 smallest .. 4 largest
  kOffline = 9,     // 0 or 1
  kSilent = 10,     // 0 or 1
  kUrl = 11,        // write navigates at once
  kStatusText = 12, // read only
  kCaption = 13,    // read only
};

// Event indexes, as ui::Event::code of a WebView event.
enum WebViewEvent : int {
  kBeforeNavigate = 0,  // answer 0 cancels
  kNavigateComplete = 1,
  kDownloadBegin = 2,
  kProgressChange = 3,  // a = percent
  kDownloadComplete = 4,
  kDocumentComplete = 5,
  kStatusTextChange = 6,
  kTitleChange = 7,
  kCommandStateChange = 8,  // a = command (0 forward, 1 back), b = enabled (0 or 1)
  kNewWindow = 9,           // answer 0 refuses the new window
};

// Commands of event 8.
enum HistoryCommand : int { kHistoryForward = 0, kHistoryBack = 1 };

class WebView {
 public:
  virtual ~WebView() = default;
  virtual void ExecuteCommand(int code) = 0;
  virtual void NavigateTo(std::string_view address) = 0;
  virtual ui::PropertyValue ReadProperty(int number) = 0;
  virtual void WriteProperty(int number, const ui::PropertyValue& value) = 0;
};

}  // namespace tavrin::browser
