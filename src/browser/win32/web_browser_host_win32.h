// 超文本浏览框1 on Windows: a child window that hosts the platform's WebBrowser control
// (CLSID_WebBrowser) in place, fills it and follows its size. The control is the engine of
// the portable web view; its DWebBrowserEvents2 arrive through our own sink.
//
// Teardown order, so that nothing leaks and nothing calls back into a host that is gone:
// unadvise the event sink, in-place deactivate (which UI-deactivates too), detach the site,
// SetClientSite(nullptr), Close(OLECLOSE_NOSAVE), then release every pointer. It runs when
// the host window gets WM_DESTROY (its children, the control's windows, still exist then)
// and at the latest in the destructor, which the window services run before OLE goes.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>

#include "browser/browser_engine.h"
#include "browser/web_view_core.h"
#include "browser/web_view_link.h"
#include "browser/win32/com_ptr_win32.h"
#include "browser/win32/ole_site_win32.h"
#include "browser/win32/web_browser_events_win32.h"
#include "ui/win32/hosted_control_win32.h"

namespace tavrin::browser::win32 {

class WebBrowserHost final : public ui::win32::HostedControl, private BrowserEngine {
 public:
  // Creates the child window and the control in it; attaches the view to `link` (if any)
  // until the host goes. Events are raised through `raise`.
  WebBrowserHost(HWND parent, int id, const RECT& place, WebViewSettings settings,
                 RaiseWebViewEvent raise, WebViewLink* link = nullptr);
  ~WebBrowserHost() override;
  WebBrowserHost(const WebBrowserHost&) = delete;
  WebBrowserHost& operator=(const WebBrowserHost&) = delete;

  // Applies the stored settings and starts loading the start page.
  void Start() { core_.Start(); }
  WebView& View() { return core_; }
  bool HasControl() const { return bool(browser_); }
  // The site's reference count (1 once the control has let go of it), for tests.
  LONG SiteReferences() const { return site_ ? site_->References() : 0; }
  IWebBrowser2* Browser() const { return browser_.Get(); }

  // HostedControl
  HWND Window() const override { return window_; }
  void Resized() override;
  ui::PropertyValue ReadProperty(int number) override { return core_.ReadProperty(number); }
  void WriteProperty(int number, const ui::PropertyValue& value) override {
    core_.WriteProperty(number, value);
  }
  bool PreTranslateMessage(MSG& message) override;

 private:
  // BrowserEngine, over IWebBrowser2; each does nothing without the control.
  void GoForward() override;
  void GoBack() override;
  void GoHome() override;
  void GoSearch() override;
  void Refresh() override;
  void Stop() override;
  void ExecDocumentCommand(DocumentCommand command) override;
  void Navigate(std::string_view address) override;
  void SetOffline(bool offline) override;
  void SetSilent(bool silent) override;
  void Zoom(int font_size) override;
  std::string LocationUrl() override;
  std::string LocationName() override;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // Watches the top-level window's activation for the page (caret, focus, selection).
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR subclass, DWORD_PTR data);
  void CreateControl();
  void Activate(LONG verb);
  void TearDown();

  WebViewCore core_;
  WebViewLink* link_;
  HWND window_ = nullptr;
  HWND frame_ = nullptr;  // the top-level window, subclassed while the control lives
  ComPtr<OleSite> site_;
  ComPtr<IOleObject> object_;
  ComPtr<IOleInPlaceObject> in_place_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<WebBrowserEvents> events_;
  ComPtr<IConnectionPoint> events_point_;
  DWORD events_cookie_ = 0;
};

}  // namespace tavrin::browser::win32
