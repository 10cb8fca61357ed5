#include "browser/win32/web_browser_host_win32.h"

#include <commctrl.h>
#include <docobj.h>

#include <utility>

#include "browser/win32/bstr_win32.h"

namespace tavrin::browser::win32 {
namespace {

constexpr wchar_t kHostClass[] = L"Tavrin.WebView";

void RegisterHostClass(WNDPROC procedure) {
  WNDCLASSEXW window_class{sizeof window_class};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = kHostClass;
  RegisterClassExW(&window_class);  // already registered by an earlier host: fine
}

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

WebBrowserHost::WebBrowserHost(HWND parent, int id, const RECT& place, WebViewSettings settings,
                               RaiseWebViewEvent raise, WebViewLink* link)
    : core_(*this, std::move(settings), std::move(raise)), link_(link) {
  RegisterHostClass(WindowProc);
  window_ = CreateWindowExW(0, kHostClass, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                            place.left, place.top, place.right - place.left,
                            place.bottom - place.top, parent,
                            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), this);
  if (!window_) return;
  site_ = ComPtr<OleSite>::Adopt(new OleSite(window_));
  CreateControl();
  if (object_) {
    frame_ = GetAncestor(parent, GA_ROOT);
    SetWindowSubclass(frame_, FrameProc, UINT_PTR(this), DWORD_PTR(this));
  }
  if (link_) link_->Attach(&core_);
}

WebBrowserHost::~WebBrowserHost() {
  if (link_) link_->Detach(&core_);
  TearDown();
  if (window_) DestroyWindow(window_);
  site_.Reset();
}

void WebBrowserHost::CreateControl() {
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              object_.PutVoid())))
    return;
  // Some controls need their site before they initialise, others after.
  DWORD misc = 0;
  object_->GetMiscStatus(DVASPECT_CONTENT, &misc);
  const bool site_first = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
  if (site_first) object_->SetClientSite(site_.Get());
  if (auto init = object_.As<IPersistStreamInit>()) init->InitNew();
  if (!site_first) object_->SetClientSite(site_.Get());

  in_place_ = object_.As<IOleInPlaceObject>();
  site_->SetInPlaceObject(in_place_.Get());
  browser_ = object_.As<IWebBrowser2>();
  if (auto container = object_.As<IConnectionPointContainer>()) {
    if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_point_.Put()))) {
      events_ = ComPtr<WebBrowserEvents>::Adopt(new WebBrowserEvents(&core_));
      if (FAILED(events_point_->Advise(events_.Get(), &events_cookie_))) events_point_.Reset();
    }
  }
  Activate(OLEIVERB_INPLACEACTIVATE);
  Resized();
}

void WebBrowserHost::Activate(LONG verb) {
  if (!object_) return;
  RECT client{};
  GetClientRect(window_, &client);
  object_->DoVerb(verb, nullptr, site_.Get(), 0, window_, &client);
}

void WebBrowserHost::Resized() {
  if (!in_place_ || !window_) return;
  RECT client{};
  GetClientRect(window_, &client);
  in_place_->SetObjectRects(&client, &client);
}

void WebBrowserHost::TearDown() {
  if (frame_) {
    RemoveWindowSubclass(frame_, FrameProc, UINT_PTR(this));
    frame_ = nullptr;
  }
  if (events_point_) {
    events_point_->Unadvise(events_cookie_);
    events_point_.Reset();
  }
  if (events_) {
    events_->Detach();
    events_.Reset();
  }
  if (in_place_) in_place_->InPlaceDeactivate();
  if (site_) site_->Detach();
  if (object_) {
    object_->SetClientSite(nullptr);
    object_->Close(OLECLOSE_NOSAVE);
  }
  browser_.Reset();
  in_place_.Reset();
  object_.Reset();
}

// Keys while the focus is inside the page: the page's active object translates them first
// (Tab between links, Backspace, Delete, Ctrl+C, Ctrl+V, arrows). The others go straight
// to the page's window: the dialog navigation of the main window would take Tab, arrows
// and characters from it. Tab past the page's last link and Esc stay the window's.
bool WebBrowserHost::PreTranslateMessage(MSG& message) {
  if (!IsKeyMessage(message.message)) return false;
  IOleInPlaceActiveObject* active = site_ ? site_->ActiveObject() : nullptr;
  if (!active) return false;
  if (active->TranslateAccelerator(&message) == S_OK) return true;
  if (message.message == WM_KEYDOWN && (message.wParam == VK_TAB || message.wParam == VK_ESCAPE))
    return false;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

LRESULT CALLBACK WebBrowserHost::WindowProc(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<WebBrowserHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_SIZE:
        self->Resized();
        return 0;
      case WM_SETFOCUS:
        // Focus given to the host (Tab, a click on its border) goes on into the page.
        self->Activate(OLEIVERB_UIACTIVATE);
        return 0;
      case WM_DESTROY:
        self->TearDown();
        break;
      case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK WebBrowserHost::FrameProc(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_ACTIVATE) {
    auto* self = reinterpret_cast<WebBrowserHost*>(data);
    if (IOleInPlaceActiveObject* active = self->site_ ? self->site_->ActiveObject() : nullptr)
      active->OnFrameWindowActivate(LOWORD(wparam) != WA_INACTIVE);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void WebBrowserHost::GoForward() {
  if (browser_) browser_->GoForward();
}
void WebBrowserHost::GoBack() {
  if (browser_) browser_->GoBack();
}
void WebBrowserHost::GoHome() {
  if (browser_) browser_->GoHome();
}
void WebBrowserHost::GoSearch() {
  if (browser_) browser_->GoSearch();
}
void WebBrowserHost::Refresh() {
  if (browser_) browser_->Refresh();
}
void WebBrowserHost::Stop() {
  if (browser_) browser_->Stop();
}

// Through the document's command target with no group and option 0; no document, nothing.
void WebBrowserHost::ExecDocumentCommand(DocumentCommand command) {
  if (!browser_) return;
  ComPtr<IDispatch> document;
  if (FAILED(browser_->get_Document(document.Put())) || !document) return;
  auto target = document.As<IOleCommandTarget>();
  if (!target) return;
  OLECMDID id = OLECMDID_SAVEAS;
  switch (command) {
    case DocumentCommand::SaveAs: id = OLECMDID_SAVEAS; break;
    case DocumentCommand::Print: id = OLECMDID_PRINT; break;
    case DocumentCommand::PrintPreview: id = OLECMDID_PRINTPREVIEW; break;
    case DocumentCommand::PageSetup: id = OLECMDID_PAGESETUP; break;
  }
  target->Exec(nullptr, id, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
}

void WebBrowserHost::Navigate(std::string_view address) {
  if (!browser_) return;
  Bstr url(address);
  VARIANT flags;
  VariantInit(&flags);
  flags.vt = VT_I4;
  flags.lVal = 0;
  VARIANT none;
  VariantInit(&none);
  browser_->Navigate(url.Get(), &flags, &none, &none, &none);
}

void WebBrowserHost::SetOffline(bool offline) {
  if (browser_) browser_->put_Offline(ToVariantBool(offline));
}

void WebBrowserHost::SetSilent(bool silent) {
  if (browser_) browser_->put_Silent(ToVariantBool(silent));
}

void WebBrowserHost::Zoom(int font_size) {
  if (!browser_) return;
  VARIANT size;
  VariantInit(&size);
  size.vt = VT_I4;
  size.lVal = font_size;
  browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &size, nullptr);
}

std::string WebBrowserHost::LocationUrl() {
  Bstr url;
  if (browser_ && SUCCEEDED(browser_->get_LocationURL(url.Put()))) return url.Utf8();
  return {};
}

std::string WebBrowserHost::LocationName() {
  Bstr name;
  if (browser_ && SUCCEEDED(browser_->get_LocationName(name.Put()))) return name.Utf8();
  return {};
}

}  // namespace tavrin::browser::win32
