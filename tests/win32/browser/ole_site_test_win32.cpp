// Our container as the control sees it: one site object behind every interface, the window
// context, script errors answered without a box, and the keys and activation that go to the
// page's active object first.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "browser/win32/web_browser_host_win32.h"

namespace tavrin::browser::win32 {
namespace {

constexpr GUID kDocHostCommandHandler = {
    0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};

// Stands in for the page's active object: records what reaches it, answers as told.
class FakeActiveObject final : public IOleInPlaceActiveObject {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceActiveObject) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }  // lives on the stack
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = nullptr;
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override {
    translated.push_back(message->message == WM_CHAR ? -int(message->wParam) : int(message->wParam));
    return answer;
  }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL active) override {
    activations.push_back(active != FALSE);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

  ULONG references = 1;
  HRESULT answer = S_FALSE;
  std::vector<int> translated;  // key codes; characters negative
  std::vector<bool> activations;
};

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

class Site : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = PlainProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"SiteTest";
    RegisterClassW(&window_class);
    top_ = CreateWindowExW(0, L"SiteTest", L"site test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(top_); }
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    host_ = std::make_unique<WebBrowserHost>(top_, 7, RECT{0, 40, 600, 400},
                                             WebViewSettings{.url = ""}, nullptr);
    ASSERT_TRUE(host_->HasControl());
    auto object = ComPtr<IWebBrowser2>::Share(host_->Browser()).As<IOleObject>();
    ASSERT_TRUE(object);
    object->GetClientSite(site_.Put());
    ASSERT_TRUE(site_);
  }
  void TearDown() override {
    site_.Reset();
    host_.reset();
    OleUninitialize();
  }
  MSG Key(UINT message, WPARAM key) { return MSG{host_->Window(), message, key, 0}; }

  static inline HWND top_ = nullptr;
  std::unique_ptr<WebBrowserHost> host_;
  ComPtr<IOleClientSite> site_;
};

TEST_F(Site, EveryInterfaceIsTheSameObject) {
  ComPtr<IUnknown> identity;
  ASSERT_EQ(site_->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
  for (REFIID iid : {IID_IOleClientSite, IID_IOleInPlaceSite, IID_IOleInPlaceFrame,
                     IID_IOleInPlaceUIWindow, IID_IOleWindow, IID_IOleControlSite,
                     IID_IDocHostUIHandler, IID_IOleCommandTarget}) {
    ComPtr<IUnknown> as;
    ASSERT_EQ(site_->QueryInterface(iid, as.PutVoid()), S_OK);
    ComPtr<IUnknown> back;
    as->QueryInterface(IID_IUnknown, back.PutVoid());
    EXPECT_EQ(back.Get(), identity.Get());
  }
  ComPtr<IUnknown> none;
  EXPECT_EQ(site_->QueryInterface(IID_IDispatch, none.PutVoid()), E_NOINTERFACE);
  EXPECT_FALSE(none);
}

TEST_F(Site, TheWindowContextIsTheHostsWindowInsideTheTopLevelFrame) {
  auto in_place = site_.As<IOleInPlaceSite>();
  HWND window = nullptr;
  in_place->GetWindow(&window);
  EXPECT_EQ(window, host_->Window());
  ComPtr<IOleInPlaceFrame> frame;
  ComPtr<IOleInPlaceUIWindow> document;
  RECT place{}, clip{};
  OLEINPLACEFRAMEINFO info{sizeof info};
  ASSERT_EQ(in_place->GetWindowContext(frame.Put(), document.Put(), &place, &clip, &info), S_OK);
  EXPECT_EQ(frame.As<IOleClientSite>().Get(), site_.Get());
  EXPECT_FALSE(document);
  EXPECT_EQ(place.right, 600);
  EXPECT_EQ(place.bottom, 360);
  EXPECT_TRUE(EqualRect(&place, &clip));
  EXPECT_EQ(info.hwndFrame, top_);
  EXPECT_FALSE(info.fMDIApp);
}

TEST_F(Site, ScriptErrorsAreAnsweredWithoutABoxAndScriptsKeepRunning) {
  auto target = site_.As<IOleCommandTarget>();
  VARIANT out;
  VariantInit(&out);
  EXPECT_EQ(target->Exec(&kDocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, &out),
            S_OK);
  EXPECT_EQ(out.vt, VT_BOOL);
  EXPECT_EQ(out.boolVal, VARIANT_TRUE);
  EXPECT_EQ(target->Exec(&kDocHostCommandHandler, OLECMDID_SHOWMESSAGE, 0, nullptr, nullptr),
            OLECMDERR_E_NOTSUPPORTED);
  EXPECT_EQ(target->Exec(nullptr, OLECMDID_PRINT, 0, nullptr, nullptr), OLECMDERR_E_UNKNOWNGROUP);
}

TEST_F(Site, KeysGoToThePagesActiveObjectFirst) {
  FakeActiveObject page;
  auto frame = site_.As<IOleInPlaceFrame>();
  ASSERT_EQ(frame->SetActiveObject(&page, nullptr), S_OK);
  EXPECT_EQ(page.references, 2u);  // the site holds it

  const struct {
    UINT message;
    WPARAM key;
    HRESULT answer;
    bool taken;
  } cases[] = {
      {WM_KEYDOWN, VK_BACK, S_OK, true},       // the page's own
      {WM_KEYDOWN, VK_DELETE, S_FALSE, true},  // straight to the page's window
      {WM_CHAR, 'a', S_FALSE, true},
      {WM_KEYDOWN, VK_LEFT, S_FALSE, true},    // not the window's dialog navigation
      {WM_KEYDOWN, VK_TAB, S_OK, true},        // the next link
      {WM_KEYDOWN, VK_TAB, S_FALSE, false},    // past the last link: the window's
      {WM_KEYDOWN, VK_ESCAPE, S_FALSE, false}, // the window's: it closes
  };
  for (const auto& c : cases) {
    page.answer = c.answer;
    page.translated.clear();
    MSG message = Key(c.message, c.key);
    EXPECT_EQ(host_->PreTranslateMessage(message), c.taken) << c.key;
    EXPECT_EQ(page.translated.size(), 1u) << c.key;
  }
  page.translated.clear();
  MSG mouse = Key(WM_LBUTTONDOWN, 0);
  EXPECT_FALSE(host_->PreTranslateMessage(mouse));
  EXPECT_TRUE(page.translated.empty());

  // Activation of the top-level window reaches the page.
  SendMessageW(top_, WM_ACTIVATE, WA_INACTIVE, 0);
  SendMessageW(top_, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(page.activations, (std::vector<bool>{false, true}));

  frame->SetActiveObject(nullptr, nullptr);
  EXPECT_EQ(page.references, 1u);
  MSG key = Key(WM_KEYDOWN, VK_BACK);
  EXPECT_FALSE(host_->PreTranslateMessage(key));
}

TEST_F(Site, TearDownLetsGoOfTheActiveObject) {
  FakeActiveObject page;
  site_.As<IOleInPlaceFrame>()->SetActiveObject(&page, nullptr);
  EXPECT_EQ(page.references, 2u);
  site_.Reset();
  host_.reset();
  EXPECT_EQ(page.references, 1u);
  SendMessageW(top_, WM_ACTIVATE, WA_ACTIVE, 0);  // no subclass left behind
  EXPECT_TRUE(page.activations.empty());
}

}  // namespace
}  // namespace tavrin::browser::win32
