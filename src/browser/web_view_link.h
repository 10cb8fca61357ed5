// The handlers' way to the web view, which exists only while the main window does: the web
// view attaches itself when it is created and detaches when it goes. Without one, commands
// do nothing and properties read as 0 or empty.
#pragma once

#include "browser/web_view.h"

namespace tavrin::browser {

class WebViewLink final : public WebView {
 public:
  void Attach(WebView* view) { view_ = view; }
  void Detach(const WebView* view) {
    if (view_ == view) view_ = nullptr;
  }
  bool Attached() const { return view_ != nullptr; }

  void ExecuteCommand(int code) override {
    if (view_) view_->ExecuteCommand(code);
  }
  void NavigateTo(std::string_view address) override {
    if (view_) view_->NavigateTo(address);
  }
  ui::PropertyValue ReadProperty(int number) override;
  void WriteProperty(int number, const ui::PropertyValue& value) override {
    if (view_) view_->WriteProperty(number, value);
  }

 private:
  WebView* view_ = nullptr;
};

}  // namespace tavrin::browser
