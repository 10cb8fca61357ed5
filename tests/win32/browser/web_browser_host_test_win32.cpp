// The real WebBrowser control in our container: created in place, settings applied,
// following its window's size, raising its events, and let go of before OLE goes.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "browser/win32/web_browser_host_win32.h"

namespace tavrin::browser::win32 {
namespace {

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

BOOL CALLBACK CountVisible(HWND window, LPARAM data) {
  if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(data);
  return TRUE;
}

int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountVisible, LPARAM(&count));
  return count;
}

RECT ClientOf(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

class BrowserHost : public ::testing::Test {
 protected:
  // One top-level window for the suite (Wine takes seconds to make and unmake one); each
  // test's host lives in a parent of its own inside it, as the web view in the main window.
  static void SetUpTestSuite() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = PlainProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"BrowserHostTest";
    RegisterClassW(&window_class);
    top_ = CreateWindowExW(0, L"BrowserHostTest", L"host test",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 800, 600,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(top_); }

  void SetUp() override {
    ASSERT_NE(top_, nullptr);
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    parent_ = CreateWindowExW(0, L"BrowserHostTest", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 780, 560, top_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    host_.reset();  // the control goes before OLE
    if (IsWindow(parent_)) DestroyWindow(parent_);
    OleUninitialize();
  }

  WebBrowserHost& Make(WebViewSettings settings) {
    host_ = std::make_unique<WebBrowserHost>(
        parent_, 142, RECT{0, 40, 700, 440}, std::move(settings),
        [this](std::int32_t code, std::int32_t a, std::int32_t b) -> std::optional<std::int32_t> {
          raised_.push_back({code, a, b, ui::AsText(host_->ReadProperty(kUrl))});
          if (code == kBeforeNavigate) return before_navigate_answer_;
          return std::nullopt;
        },
        &link_);
    return *host_;
  }

  // Delivers the thread's messages until the condition holds (or gives up).
  bool PumpUntil(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > end) return false;
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      Sleep(10);
    }
    return true;
  }

  struct Raised {
    int code, a, b;
    std::string url;
  };
  static inline HWND top_ = nullptr;
  HWND parent_ = nullptr;
  WebViewLink link_;
  std::unique_ptr<WebBrowserHost> host_;
  std::vector<Raised> raised_;
  std::optional<std::int32_t> before_navigate_answer_;
};

TEST_F(BrowserHost, CreatesTheControlInItsChildWindowAndAppliesTheStoredSettings) {
  WebBrowserHost& host = Make({.font_size = 2, .offline = false, .silent = false, .url = ""});
  ASSERT_TRUE(host.HasControl());
  EXPECT_EQ(GetParent(host.Window()), parent_);
  EXPECT_EQ(GetDlgCtrlID(host.Window()), 142);
  EXPECT_TRUE(link_.Attached());
  host.Start();
  VARIANT_BOOL offline = VARIANT_TRUE, silent = VARIANT_TRUE;
  host.Browser()->get_Offline(&offline);
  host.Browser()->get_Silent(&silent);
  EXPECT_EQ(offline, VARIANT_FALSE);
  EXPECT_EQ(silent, VARIANT_FALSE);
  EXPECT_EQ(ui::AsInt(host.ReadProperty(kFontSize)), 2);

  host.WriteProperty(kSilent, 1);
  host.Browser()->get_Silent(&silent);
  EXPECT_EQ(silent, VARIANT_TRUE);
  EXPECT_EQ(ui::AsText(host.ReadProperty(kStatusText)), "");
}

TEST_F(BrowserHost, TheControlFillsTheWindowAndFollowsItsSize) {
  WebBrowserHost& host = Make({.url = ""});
  ASSERT_TRUE(host.HasControl());
  const HWND control = GetWindow(host.Window(), GW_CHILD);
  ASSERT_NE(control, nullptr);
  const RECT before = ClientOf(control);
  EXPECT_EQ(before.right, 700);
  EXPECT_EQ(before.bottom, 400);
  for (const SIZE size : {SIZE{500, 300}, SIZE{0, 0}, SIZE{790, 520}}) {
    SetWindowPos(host.Window(), nullptr, 0, 40, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    host.Resized();
    RECT placed{};
    GetWindowRect(control, &placed);
    EXPECT_EQ(placed.right - placed.left, size.cx);
    EXPECT_EQ(placed.bottom - placed.top, size.cy);
  }
}

TEST_F(BrowserHost, WritingUrlNavigatesAndRaisesBeforeNavigateWithThatAddress) {
  WebBrowserHost& host = Make({.url = ""});
  ASSERT_TRUE(host.HasControl());
  before_navigate_answer_ = 0;  // cancelled: nothing is fetched
  host.WriteProperty(kUrl, std::string("http://127.0.0.1:9/never"));
  ASSERT_TRUE(PumpUntil([&] {
    for (const Raised& r : raised_)
      if (r.code == kBeforeNavigate) return true;
    return false;
  }));
  for (const Raised& r : raised_) {
    if (r.code == kBeforeNavigate) {
      EXPECT_EQ(r.url, "http://127.0.0.1:9/never");
    }
  }
}

TEST_F(BrowserHost, DocumentCommandsWithoutADocumentDoNothing) {
  WebBrowserHost& host = Make({.url = ""});
  const int windows = CountThreadWindows();
  for (int code : {6, 7, 8, 9, 10, -1}) host.View().ExecuteCommand(code);
  PumpUntil([] { return true; });
  EXPECT_EQ(CountThreadWindows(), windows);
}

TEST_F(BrowserHost, DestroyingTheWindowLetsGoOfTheSiteBeforeTheHostGoes) {
  WebBrowserHost& host = Make({.url = ""});
  ASSERT_TRUE(host.HasControl());
  EXPECT_GT(host.SiteReferences(), 1);  // the control holds our site
  DestroyWindow(parent_);                // the window services destroy the main window
  EXPECT_EQ(host.Window(), nullptr);
  EXPECT_FALSE(host.HasControl());
  EXPECT_EQ(host.SiteReferences(), 1);  // only ours is left
  MSG message{};
  message.message = WM_KEYDOWN;
  message.wParam = VK_TAB;
  EXPECT_FALSE(host.PreTranslateMessage(message));
  host_.reset();
  EXPECT_FALSE(link_.Attached());
}

TEST_F(BrowserHost, WithoutAnActiveObjectKeysAreNotTaken) {
  WebBrowserHost& host = Make({.url = ""});
  MSG message{host.Window(), WM_KEYDOWN, VK_BACK, 0};
  EXPECT_FALSE(host.PreTranslateMessage(message));
  MSG mouse{host.Window(), WM_LBUTTONDOWN, 0, 0};
  EXPECT_FALSE(host.PreTranslateMessage(mouse));
}

}  // namespace
}  // namespace tavrin::browser::win32
