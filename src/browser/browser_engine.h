// What the web view needs from the engine that shows pages (the WebBrowser control on
// Windows): history and loading commands, navigation, settings and the current page.
#pragma once

#include <string>
#include <string_view>

namespace tavrin::browser {

enum class DocumentCommand { SaveAs, Print, PrintPreview, PageSetup };

class BrowserEngine {
 public:
  virtual ~BrowserEngine() = default;
  virtual void GoForward() = 0;
  virtual void GoBack() = 0;
  virtual void GoHome() = 0;
  virtual void GoSearch() = 0;
  virtual void Refresh() = 0;
  virtual void Stop() = 0;
  // Runs the command on the document shown; nothing when there is none.
  virtual void ExecDocumentCommand(DocumentCommand command) = 0;
  virtual void Navigate(std::string_view address) = 0;
  virtual void SetOffline(bool offline) = 0;
  virtual void SetSilent(bool silent) = 0;
  virtual void Zoom(int font_size) = 0;  // 0 smallest .. 4 largest, without prompting
  virtual std::string LocationUrl() = 0;
  virtual std::string LocationName() = 0;
};

// The engine's notifications, decoded from its own argument lists.
class EngineNotifications {
 public:
  virtual ~EngineNotifications() = default;
  virtual bool BeforeNavigate(std::string_view url) = 0;  // false cancels
  virtual void NavigateComplete(std::string_view url) = 0;
  virtual void DownloadBegin() = 0;
  virtual void DownloadComplete() = 0;
  virtual void ProgressChange(long long progress, long long maximum) = 0;
  virtual void DocumentComplete(std::string_view url) = 0;
  virtual void StatusTextChange(std::string_view text) = 0;
  virtual void TitleChange(std::string_view title) = 0;
  // command as the engine numbers it (see kEngineCommand*), enabled as it says
  virtual void CommandStateChange(long command, bool enabled) = 0;
  virtual bool NewWindow() = 0;  // false refuses the new window
};

// The engine's command numbers of CommandStateChange (CSC_UPDATECOMMANDS,
// CSC_NAVIGATEFORWARD, CSC_NAVIGATEBACK).
inline constexpr long kEngineUpdateCommands = -1;
inline constexpr long kEngineNavigateForward = 1;
inline constexpr long kEngineNavigateBack = 2;

}  // namespace tavrin::browser
