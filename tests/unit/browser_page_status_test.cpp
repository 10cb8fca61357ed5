#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_definition.h"
#include "browser/page_status.h"
#include "fakes/fake_web_view.h"
#include "fakes/fake_window_services.h"

namespace tavrin::browser {
namespace {

using testing::FakeWebView;
using testing::FakeWindowServices;
using Log = std::vector<std::string>;

struct Fixture {
  FakeWindowServices windows;
  FakeWebView view;
  PageStatus status{windows, view};

  std::optional<std::int32_t> Raise(int code, int a = 0, int b = 0) {
    std::optional<std::int32_t> answer;
    EXPECT_TRUE(status.OnEvent({ui::WindowId::Main, kWebView, ui::EventKind::WebView, code, a, b},
                               answer));
    return answer;
  }
};

TEST(BrowserPageStatus, BeforeNavigateShowsLoadingWithTheEventsAddressAndLetsItGoOn) {
  for (const std::string url : {"http://127.0.0.1:8080/a?b=c", "", "about:blank"}) {
    Fixture f;
    f.view.properties[kUrl] = url;
    EXPECT_FALSE(f.Raise(0).has_value());
    EXPECT_EQ(f.windows.log, Log{"status 状态条1 1 正在载入：" + url});
  }
}

TEST(BrowserPageStatus, ProgressShowsThePercentInDecimal) {
  const struct {
    int percent;
    const char* shown;
  } cases[] = {{0, "0%"}, {45, "45%"}, {100, "100%"}, {7, "7%"}, {-1, "-1%"}, {250, "250%"}};
  for (const auto& c : cases) {
    Fixture f;
    f.Raise(3, c.percent);
    EXPECT_EQ(f.windows.log, Log{std::string("status 状态条1 1 ") + c.shown});
  }
}

TEST(BrowserPageStatus, DocumentCompleteShowsReadyThenRewritesTheAddressBox) {
  Fixture f;
  f.windows.Set(ui::WindowId::Main, kAddressBox, ui::kText, std::string("typed by hand"));
  f.view.properties[kUrl] = std::string("http://frame.example/inner.html");
  f.Raise(5);
  EXPECT_EQ(f.windows.log, (Log{"status 状态条1 1 就绪",
                                "write 编辑框1 8 http://frame.example/inner.html"}));
}

TEST(BrowserPageStatus, StatusTextChangeShowsTheStatusText) {
  for (const std::string text : {"完成", "", "正在打开网页 http://x/..."}) {
    Fixture f;
    f.view.properties[kStatusText] = text;
    f.Raise(6);
    EXPECT_EQ(f.windows.log, Log{"status 状态条1 1 " + text});
  }
}

TEST(BrowserPageStatus, TitleIsThePageTitleFollowedByTheSuffix) {
  // Five spaces, the handle, the nine-digit number, three spaces, 测试版, three spaces.
  const std::string_view head = "     BY:Tavrin QQ:", tail = "   测试版   ";
  ASSERT_EQ(kTitleSuffix.size(), head.size() + 9 + tail.size());
  EXPECT_EQ(kTitleSuffix.substr(0, head.size()), head);
  for (char digit : kTitleSuffix.substr(head.size(), 9)) EXPECT_TRUE(digit >= '0' && digit <= '9');
  EXPECT_EQ(kTitleSuffix.substr(head.size() + 9), tail);
  for (const std::string title : {"百度一下，你就知道", "", " x "}) {
    Fixture f;
    f.view.properties[kCaption] = title;
    f.Raise(7);
    EXPECT_EQ(f.windows.log, Log{"write  8 " + title + std::string(kTitleSuffix)});
  }
  Fixture empty;
  empty.view.properties[kCaption] = std::string();
  empty.Raise(7);
  EXPECT_EQ(ui::AsText(empty.windows.Get(ui::WindowId::Main, {}, ui::kText)).substr(0, 8),
            "     BY:");
}

TEST(BrowserPageStatus, NewWindowNavigatesToTheLatestStatusTextAndIsRefused) {
  const struct {
    std::optional<std::string> status_text;  // none: no status text reported yet
    std::string navigated;
  } cases[] = {{"http://127.0.0.1/popup.html", "http://127.0.0.1/popup.html"},
               {std::nullopt, ""},
               {"完成", "完成"}};
  for (const auto& c : cases) {
    Fixture f;
    if (c.status_text) f.view.properties[kStatusText] = *c.status_text;
    const auto answer = f.Raise(9);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, 0);
    // The status text is read before the navigation is started.
    EXPECT_EQ(f.view.log, (Log{"read 12", "write 11 " + c.navigated}));
    EXPECT_TRUE(f.windows.log.empty());
  }
}

TEST(BrowserPageStatus, TakesOnlyItsSixEventsOfTheWebView) {
  Fixture f;
  for (int code : {1, 2, 4, 8, 10, -1}) {
    std::optional<std::int32_t> answer;
    EXPECT_FALSE(f.status.OnEvent({ui::WindowId::Main, kWebView, ui::EventKind::WebView, code, 1, 1},
                                  answer));
  }
  std::optional<std::int32_t> answer;
  EXPECT_FALSE(f.status.OnEvent({ui::WindowId::Main, kToolbar, ui::EventKind::ToolbarClicked, 0},
                                answer));
  EXPECT_FALSE(f.status.OnEvent({ui::WindowId::About, kWebView, ui::EventKind::WebView, 5}, answer));
  EXPECT_TRUE(f.windows.log.empty());
  EXPECT_TRUE(f.view.log.empty());
}

}  // namespace
}  // namespace tavrin::browser
