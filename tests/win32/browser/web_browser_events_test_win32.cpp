// The event sink as the WebBrowser control drives it: IDispatch::Invoke with each
// notification's real argument list (in reverse order, addresses as VARIANTs by reference,
// cancel flags as VARIANT_BOOLs by reference), decoded into the web view's events.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>

#include <string>
#include <vector>

#include "browser/web_view_core.h"
#include "browser/win32/bstr_win32.h"
#include "browser/win32/com_ptr_win32.h"
#include "browser/win32/web_browser_events_win32.h"

namespace tavrin::browser::win32 {
namespace {

class NoEngine : public BrowserEngine {
 public:
  void GoForward() override {}
  void GoBack() override {}
  void GoHome() override {}
  void GoSearch() override {}
  void Refresh() override {}
  void Stop() override {}
  void ExecDocumentCommand(DocumentCommand) override {}
  void Navigate(std::string_view) override {}
  void SetOffline(bool) override {}
  void SetSilent(bool) override {}
  void Zoom(int) override {}
  std::string LocationUrl() override { return "http://location/"; }
  std::string LocationName() override { return "location name"; }
};

// What a handler saw: the event, and the url, StatusText and Caption it read inside.
struct Seen {
  int code, a, b;
  std::string url, status_text, caption;
};

struct Fixture {
  NoEngine engine;
  std::vector<Seen> seen;
  std::optional<std::int32_t> answer;
  WebViewCore core{engine, {}, [this](std::int32_t code, std::int32_t a, std::int32_t b) {
                     seen.push_back({code, a, b, ui::AsText(core.ReadProperty(kUrl)),
                                     ui::AsText(core.ReadProperty(kStatusText)),
                                     ui::AsText(core.ReadProperty(kCaption))});
                     return answer;
                   }};
  ComPtr<WebBrowserEvents> sink = ComPtr<WebBrowserEvents>::Adopt(new WebBrowserEvents(&core));

  // Arguments in the order the event declares them; reversed here as COM passes them.
  HRESULT Invoke(DISPID id, std::vector<VARIANT> arguments) {
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
    return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                        nullptr, nullptr);
  }
};

VARIANT ByRef(VARIANT* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_VARIANT;
  v.pvarVal = value;
  return v;
}
VARIANT Text(BSTR text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = text;
  return v;
}
VARIANT Long(long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}
VARIANT Bool(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}
VARIANT BoolByRef(VARIANT_BOOL* flag) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_BOOL;
  v.pboolVal = flag;
  return v;
}
VARIANT Dispatch(IDispatch* dispatch) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = dispatch;
  return v;
}

// BeforeNavigate2(pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel).
struct BeforeNavigate2Arguments {
  Bstr url, frame{""}, headers{""};
  VARIANT url_value, flags_value = Long(0), frame_value, post_data, headers_value;
  VARIANT_BOOL cancel;
  BeforeNavigate2Arguments(std::string_view address, VARIANT_BOOL initial_cancel)
      : url(address), cancel(initial_cancel) {
    url_value = Text(url.Get());
    frame_value = Text(frame.Get());
    VariantInit(&post_data);
    headers_value = Text(headers.Get());
  }
  std::vector<VARIANT> List() {
    return {Dispatch(nullptr), ByRef(&url_value),     ByRef(&flags_value), ByRef(&frame_value),
            ByRef(&post_data), ByRef(&headers_value), BoolByRef(&cancel)};
  }
};

TEST(BrowserEventSink, BeforeNavigate2RaisesEventZeroWithItsAddressAndWritesCancel) {
  const struct {
    std::optional<std::int32_t> answer;
    VARIANT_BOOL initial, written;
  } cases[] = {{std::nullopt, VARIANT_FALSE, VARIANT_FALSE},
               {1, VARIANT_FALSE, VARIANT_FALSE},
               {0, VARIANT_FALSE, VARIANT_TRUE},
               {std::nullopt, VARIANT_TRUE, VARIANT_FALSE}};  // our answer is written back
  for (const auto& c : cases) {
    Fixture f;
    f.answer = c.answer;
    BeforeNavigate2Arguments arguments("http://127.0.0.1:8080/页面?q=1", c.initial);
    EXPECT_EQ(f.Invoke(DISPID_BEFORENAVIGATE2, arguments.List()), S_OK);
    ASSERT_EQ(f.seen.size(), 1u);
    EXPECT_EQ(f.seen[0].code, 0);
    EXPECT_EQ(f.seen[0].url, "http://127.0.0.1:8080/页面?q=1");
    EXPECT_EQ(arguments.cancel, c.written);
  }
}

TEST(BrowserEventSink, ProgressChangeRaisesTheRoundedPercent) {
  const struct {
    long progress, maximum;
    int percent;
  } cases[] = {{50, 200, 25}, {1, 3, 33}, {2, 3, 67}, {0, 1000, 0}, {7, 0, 100}, {-1, 0, 100}};
  for (const auto& c : cases) {
    Fixture f;
    EXPECT_EQ(f.Invoke(DISPID_PROGRESSCHANGE, {Long(c.progress), Long(c.maximum)}), S_OK);
    ASSERT_EQ(f.seen.size(), 1u);
    EXPECT_EQ(f.seen[0].code, 3);
    EXPECT_EQ(f.seen[0].a, c.percent) << c.progress << "/" << c.maximum;
  }
}

TEST(BrowserEventSink, DocumentCompleteRaisesEventFiveWithTheDocumentsAddress) {
  Fixture f;
  Bstr url("http://127.0.0.1/frame.html");
  VARIANT url_value = Text(url.Get());
  f.Invoke(DISPID_DOCUMENTCOMPLETE, {Dispatch(nullptr), ByRef(&url_value)});
  ASSERT_EQ(f.seen.size(), 1u);
  EXPECT_EQ(f.seen[0].code, 5);
  EXPECT_EQ(f.seen[0].url, "http://127.0.0.1/frame.html");
  f.seen.clear();
  f.Invoke(DISPID_STATUSTEXTCHANGE, {Text(nullptr)});
  EXPECT_EQ(f.seen[0].url, "http://location/");  // after the event: the location again
}

TEST(BrowserEventSink, StatusTextChangeKeepsTheTextForStatusText) {
  Fixture f;
  Bstr first("正在打开网页 http://127.0.0.1/"), second("完成");
  f.Invoke(DISPID_STATUSTEXTCHANGE, {Text(first.Get())});
  f.Invoke(DISPID_STATUSTEXTCHANGE, {Text(second.Get())});
  ASSERT_EQ(f.seen.size(), 2u);
  EXPECT_EQ(f.seen[0].code, 6);
  EXPECT_EQ(f.seen[0].status_text, "正在打开网页 http://127.0.0.1/");
  EXPECT_EQ(f.seen[1].status_text, "完成");
  EXPECT_EQ(ui::AsText(f.core.ReadProperty(kStatusText)), "完成");
}

TEST(BrowserEventSink, TitleChangeRaisesEventSevenWithTheNewTitleAsCaption) {
  Fixture f;
  Bstr title("百度一下，你就知道");
  f.Invoke(DISPID_TITLECHANGE, {Text(title.Get())});
  f.Invoke(DISPID_TITLECHANGE, {Text(nullptr)});  // a null BSTR is the empty title
  ASSERT_EQ(f.seen.size(), 2u);
  EXPECT_EQ(f.seen[0].code, 7);
  EXPECT_EQ(f.seen[0].caption, "百度一下，你就知道");
  EXPECT_EQ(f.seen[1].caption, "");
  EXPECT_EQ(ui::AsText(f.core.ReadProperty(kCaption)), "location name");
}

TEST(BrowserEventSink, CommandStateChangeOnlyForBackAndForward) {
  const struct {
    long command;
    bool enabled;
    int expected_count, a, b;
  } cases[] = {{CSC_NAVIGATEBACK, true, 1, 1, 1},     {CSC_NAVIGATEBACK, false, 1, 1, 0},
               {CSC_NAVIGATEFORWARD, true, 1, 0, 1},  {CSC_NAVIGATEFORWARD, false, 1, 0, 0},
               {CSC_UPDATECOMMANDS, true, 0, 0, 0},   {CSC_UPDATECOMMANDS, false, 0, 0, 0},
               {0, true, 0, 0, 0}};
  for (const auto& c : cases) {
    Fixture f;
    EXPECT_EQ(f.Invoke(DISPID_COMMANDSTATECHANGE, {Long(c.command), Bool(c.enabled)}), S_OK);
    ASSERT_EQ(int(f.seen.size()), c.expected_count) << c.command;
    if (c.expected_count) {
      EXPECT_EQ(f.seen[0].code, 8);
      EXPECT_EQ(f.seen[0].a, c.a);
      EXPECT_EQ(f.seen[0].b, c.b);
    }
  }
}

TEST(BrowserEventSink, NewWindow2RaisesEventNineAndWritesCancel) {
  const struct {
    std::optional<std::int32_t> answer;
    VARIANT_BOOL written;
  } cases[] = {{0, VARIANT_TRUE}, {std::nullopt, VARIANT_FALSE}, {1, VARIANT_FALSE}};
  for (const auto& c : cases) {
    Fixture f;
    f.answer = c.answer;
    IDispatch* new_window = nullptr;
    VARIANT new_window_value;
    VariantInit(&new_window_value);
    new_window_value.vt = VT_BYREF | VT_DISPATCH;
    new_window_value.ppdispVal = &new_window;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    f.Invoke(DISPID_NEWWINDOW2, {new_window_value, BoolByRef(&cancel)});
    ASSERT_EQ(f.seen.size(), 1u);
    EXPECT_EQ(f.seen[0].code, 9);
    EXPECT_EQ(cancel, c.written);
    EXPECT_EQ(new_window, nullptr);
  }
}

TEST(BrowserEventSink, NavigateCompleteAndDownloadsRaiseOneTwoAndFour) {
  Fixture f;
  Bstr url("http://127.0.0.1/done");
  VARIANT url_value = Text(url.Get());
  f.Invoke(DISPID_NAVIGATECOMPLETE2, {Dispatch(nullptr), ByRef(&url_value)});
  f.Invoke(DISPID_DOWNLOADBEGIN, {});
  f.Invoke(DISPID_DOWNLOADCOMPLETE, {});
  ASSERT_EQ(f.seen.size(), 3u);
  EXPECT_EQ(f.seen[0].code, 1);
  EXPECT_EQ(f.seen[0].url, "http://127.0.0.1/done");
  EXPECT_EQ(f.seen[1].code, 2);
  EXPECT_EQ(f.seen[2].code, 4);
}

TEST(BrowserEventSink, OtherNotificationsAndADetachedSinkRaiseNothing) {
  Fixture f;
  EXPECT_EQ(f.Invoke(DISPID_NAVIGATEERROR, {}), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(f.Invoke(-5512, {}), DISP_E_MEMBERNOTFOUND);  // an ambient property
  f.sink->Detach();
  f.answer = 0;
  BeforeNavigate2Arguments arguments("http://x/", VARIANT_FALSE);
  EXPECT_EQ(f.Invoke(DISPID_BEFORENAVIGATE2, arguments.List()), S_OK);
  EXPECT_EQ(arguments.cancel, VARIANT_FALSE);
  EXPECT_TRUE(f.seen.empty());
}

TEST(BrowserEventSink, AnswersForTheEventInterfaceAndCountsReferences) {
  Fixture f;
  ComPtr<IDispatch> as_events;
  EXPECT_EQ(f.sink->QueryInterface(DIID_DWebBrowserEvents2, as_events.PutVoid()), S_OK);
  ComPtr<IUnknown> as_unknown;
  EXPECT_EQ(f.sink->QueryInterface(IID_IUnknown, as_unknown.PutVoid()), S_OK);
  ComPtr<IDispatch> other;
  EXPECT_EQ(f.sink->QueryInterface(IID_IPersist, other.PutVoid()), E_NOINTERFACE);
  EXPECT_FALSE(other);
  as_events.Reset();
  as_unknown.Reset();
  EXPECT_EQ(f.sink->AddRef(), 2u);
  EXPECT_EQ(f.sink->Release(), 1u);
}

}  // namespace
}  // namespace tavrin::browser::win32
