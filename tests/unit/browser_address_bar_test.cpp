#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/main_window_definition.h"
#include "browser/address_bar.h"
#include "fakes/fake_hot_key_service.h"
#include "fakes/fake_web_view.h"
#include "fakes/fake_window_services.h"

namespace tavrin::browser {
namespace {

using testing::FakeHotKeyService;
using testing::FakeWebView;
using testing::FakeWindowServices;
using Log = std::vector<std::string>;

struct Fixture {
  FakeWindowServices windows;
  FakeWebView view;
  FakeHotKeyService hot_keys;
  AddressBar bar{windows, view, hot_keys};

  bool Send(std::string_view control, ui::EventKind kind, int a = 0, int b = 0) {
    std::optional<std::int32_t> answer;
    const bool taken = bar.OnEvent({ui::WindowId::Main, control, kind, 0, a, b}, answer);
    EXPECT_FALSE(answer.has_value());
    return taken;
  }
  void Type(const std::string& text) {
    windows.Set(ui::WindowId::Main, kAddressBox, ui::kText, text);
  }
  ui::NativeHandle BoxHandle() { return windows.Handle(ui::WindowId::Main, kAddressBox); }
  ui::NativeHandle LabelHandle() { return windows.Handle(ui::WindowId::Main, kAddressLabel); }
};

TEST(BrowserAddressBar, GoWritesTheBoxTextToUrlUnchanged) {
  for (const std::string text : {"http://127.0.0.1:8000/page", "", "  www.example.com  ", "搜索"}) {
    Fixture f;
    f.Type(text);
    EXPECT_TRUE(f.Send(kGoButton, ui::EventKind::Clicked));
    EXPECT_EQ(f.view.log, Log{"write 11 " + text});  // no NavigateTo, no trimming
    EXPECT_TRUE(f.hot_keys.log.empty());
  }
}

TEST(BrowserAddressBar, GotFocusRegistersF1ForTheBoxWithTheLabelNotified) {
  Fixture f;
  EXPECT_EQ(f.bar.HotKeyId(), 0);
  EXPECT_TRUE(f.Send(kAddressBox, ui::EventKind::GotFocus));
  EXPECT_EQ(f.hot_keys.log, Log{"register 0 112"});
  ASSERT_EQ(f.hot_keys.held.size(), 1u);
  const auto& [id, held] = *f.hot_keys.held.begin();
  EXPECT_EQ(f.bar.HotKeyId(), id);
  EXPECT_EQ(held.owner, f.BoxHandle());
  EXPECT_EQ(held.notify, f.LabelHandle());
  EXPECT_NE(held.owner, held.notify);
}

TEST(BrowserAddressBar, F1NavigatesToANonEmptyBoxAndAlwaysStoresTheIdentifier) {
  const struct {
    std::string box;
    Log expected;
  } cases[] = {{"http://127.0.0.1/f1", {"navigate http://127.0.0.1/f1"}},
               {" ", {"navigate  "}},
               {"", {}}};
  for (const auto& c : cases) {
    Fixture f;
    f.Type(c.box);
    EXPECT_TRUE(f.Send(kAddressLabel, ui::EventKind::Feedback, 4711, 99));
    EXPECT_EQ(f.view.Changes(), c.expected);
    EXPECT_EQ(f.bar.HotKeyId(), 4711);
  }
}

TEST(BrowserAddressBar, LostFocusReleasesTheHeldIdentifierAndKeepsIt) {
  Fixture f;
  f.Send(kAddressBox, ui::EventKind::GotFocus);
  const std::int32_t id = f.bar.HotKeyId();
  EXPECT_TRUE(f.Send(kAddressBox, ui::EventKind::LostFocus));
  EXPECT_EQ(f.hot_keys.log.back(), "release " + std::to_string(id));
  EXPECT_TRUE(f.hot_keys.held.empty());
  EXPECT_EQ(f.bar.HotKeyId(), id);
}

TEST(BrowserAddressBar, ManyFocusChangesUseNewIdentifiersAndHoldAtMostOne) {
  Fixture f;
  std::set<std::int32_t> seen;
  for (int round = 0; round < 200; ++round) {
    f.Send(kAddressBox, ui::EventKind::GotFocus);
    EXPECT_NE(f.bar.HotKeyId(), 0);
    EXPECT_TRUE(seen.insert(f.bar.HotKeyId()).second) << "identifier used twice";
    EXPECT_EQ(f.hot_keys.held.size(), 1u);
    if (round % 3 == 0) f.Send(kAddressLabel, ui::EventKind::Feedback, f.bar.HotKeyId(), 0);
    f.Send(kAddressBox, ui::EventKind::LostFocus);
    EXPECT_TRUE(f.hot_keys.held.empty());
  }
  EXPECT_EQ(f.hot_keys.max_held, 1u);
}

TEST(BrowserAddressBar, RefusedKeyLeavesIdentifierZeroAndReleaseFailsQuietly) {
  Fixture f;
  f.hot_keys.refuse_all = true;
  f.Type("http://127.0.0.1/");
  f.Send(kAddressBox, ui::EventKind::GotFocus);
  EXPECT_EQ(f.bar.HotKeyId(), 0);
  f.Send(kAddressBox, ui::EventKind::LostFocus);
  EXPECT_EQ(f.hot_keys.log, (Log{"register 0 112", "release 0"}));
  EXPECT_TRUE(f.view.log.empty());
  EXPECT_TRUE(f.windows.log.empty());
}

TEST(BrowserAddressBar, DoubleClickClearsTheBox) {
  Fixture f;
  f.Type("http://127.0.0.1/loading");
  EXPECT_TRUE(f.Send(kAddressBox, ui::EventKind::DoubleClicked, 12, 7));
  EXPECT_EQ(f.windows.log, Log{"write 编辑框1 8 "});
  EXPECT_EQ(ui::AsText(f.windows.Get(ui::WindowId::Main, kAddressBox, ui::kText)), "");
  EXPECT_TRUE(f.view.log.empty());
}

TEST(BrowserAddressBar, LeavesOtherControlsAndEventsAlone) {
  Fixture f;
  const struct {
    ui::WindowId window;
    std::string_view control;
    ui::EventKind kind;
  } others[] = {
      {ui::WindowId::Main, kDeleteButton, ui::EventKind::Clicked},
      {ui::WindowId::Main, kAddressLabel, ui::EventKind::Clicked},
      {ui::WindowId::Main, kGoButton, ui::EventKind::GotFocus},
      {ui::WindowId::About, kGoButton, ui::EventKind::Clicked},  // 按钮1 of another window
      {ui::WindowId::Favorites, kGoButton, ui::EventKind::Clicked},
      {ui::WindowId::Main, kWebView, ui::EventKind::WebView},
  };
  for (const auto& o : others) {
    std::optional<std::int32_t> answer;
    EXPECT_FALSE(f.bar.OnEvent({o.window, o.control, o.kind, 0, 0, 0}, answer));
  }
  EXPECT_TRUE(f.view.log.empty());
  EXPECT_TRUE(f.hot_keys.log.empty());
}

}  // namespace
}  // namespace tavrin::browser
