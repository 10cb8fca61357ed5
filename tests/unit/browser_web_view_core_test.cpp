#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "browser/web_view_core.h"
#include "browser/web_view_link.h"

namespace tavrin::browser {
namespace {

using Log = std::vector<std::string>;

class FakeEngine : public BrowserEngine {
 public:
  void GoForward() override { log.push_back("forward"); }
  void GoBack() override { log.push_back("back"); }
  void GoHome() override { log.push_back("home"); }
  void GoSearch() override { log.push_back("search"); }
  void Refresh() override { log.push_back("refresh"); }
  void Stop() override { log.push_back("stop"); }
  void ExecDocumentCommand(DocumentCommand command) override {
    static const char* names[] = {"save as", "print", "print preview", "page setup"};
    log.push_back(std::string("document ") + names[int(command)]);
  }
  void Navigate(std::string_view address) override {
    log.push_back("navigate " + std::string(address));
  }
  void SetOffline(bool offline) override { log.push_back("offline " + std::to_string(offline)); }
  void SetSilent(bool silent) override { log.push_back("silent " + std::to_string(silent)); }
  void Zoom(int size) override { log.push_back("zoom " + std::to_string(size)); }
  std::string LocationUrl() override { return location_url; }
  std::string LocationName() override { return location_name; }

  Log log;
  std::string location_url = "http://current/";
  std::string location_name = "Current page";
};

struct Raised {
  int code, a, b;
  bool operator==(const Raised&) const = default;
};

struct Fixture {
  FakeEngine engine;
  std::vector<Raised> raised;
  std::optional<std::int32_t> answer;
  std::function<void(int code)> during;  // runs inside the raised event
  WebViewCore core{engine, {}, [this](std::int32_t code, std::int32_t a, std::int32_t b) {
                     raised.push_back({code, a, b});
                     if (during) during(code);
                     return answer;
                   }};
  std::string Url() { return ui::AsText(core.ReadProperty(kUrl)); }
};

TEST(BrowserWebViewCore, StartAppliesSettingsInOrderThenTheStartPage) {
  Fixture f;
  f.core.Start();
  EXPECT_EQ(f.engine.log, (Log{"offline 0", "silent 0", "zoom 2", "navigate http://www.baidu.com/"}));

  FakeEngine engine;
  WebViewCore blank(engine, {.font_size = 9, .offline = true, .silent = true, .url = ""}, nullptr);
  blank.Start();
  EXPECT_EQ(engine.log, (Log{"offline 1", "silent 1", "zoom 4"}));  // no empty navigation
}

TEST(BrowserWebViewCore, CommandCodesRunTheirEngineCalls) {
  const struct {
    int code;
    Log expected;
  } cases[] = {{0, {"forward"}}, {1, {"back"}},          {2, {"home"}},
               {3, {"search"}},  {4, {"refresh"}},       {5, {"stop"}},
               {6, {"document save as"}}, {7, {"document print"}},
               {8, {"document print preview"}}, {9, {"document page setup"}},
               {-1, {}}, {10, {}}, {1000, {}}};
  for (const auto& c : cases) {
    Fixture f;
    f.core.ExecuteCommand(c.code);
    EXPECT_EQ(f.engine.log, c.expected) << c.code;
  }
}

TEST(BrowserWebViewCore, FontSizeIsClampedStoredAndApplied) {
  const std::tuple<int, int> cases[] = {{-3, 0}, {0, 0}, {3, 3}, {4, 4}, {9, 4}};
  for (auto [written, kept] : cases) {
    Fixture f;
    f.core.WriteProperty(kFontSize, written);
    EXPECT_EQ(ui::AsInt(f.core.ReadProperty(kFontSize)), kept);
    EXPECT_EQ(f.engine.log, Log{"zoom " + std::to_string(kept)});
  }
}

TEST(BrowserWebViewCore, OfflineAndSilentAreStoredAndPassedOn) {
  Fixture f;
  EXPECT_EQ(ui::AsInt(f.core.ReadProperty(kOffline)), 0);
  EXPECT_EQ(ui::AsInt(f.core.ReadProperty(kSilent)), 0);
  f.core.WriteProperty(kOffline, 1);
  f.core.WriteProperty(kSilent, std::string("1"));
  f.core.WriteProperty(kOffline, 0);
  EXPECT_EQ(ui::AsInt(f.core.ReadProperty(kOffline)), 0);
  EXPECT_EQ(ui::AsInt(f.core.ReadProperty(kSilent)), 1);
  EXPECT_EQ(f.engine.log, (Log{"offline 1", "silent 1", "offline 0"}));
}

TEST(BrowserWebViewCore, WritingUrlNavigatesAtOnceEvenToTheEmptyText) {
  Fixture f;
  f.core.WriteProperty(kUrl, std::string("http://a/"));
  f.core.WriteProperty(kUrl, std::string());
  f.core.NavigateTo("http://b/");
  EXPECT_EQ(f.engine.log, (Log{"navigate http://a/", "navigate ", "navigate http://b/"}));
  EXPECT_EQ(f.Url(), "http://current/");  // outside events: the location
}

TEST(BrowserWebViewCore, StatusTextAndCaptionAreReadOnly) {
  Fixture f;
  f.core.WriteProperty(kStatusText, std::string("x"));
  f.core.WriteProperty(kCaption, std::string("y"));
  EXPECT_TRUE(f.engine.log.empty());
  EXPECT_EQ(ui::AsText(f.core.ReadProperty(kStatusText)), "");
  EXPECT_EQ(ui::AsText(f.core.ReadProperty(kCaption)), "Current page");
}

TEST(BrowserWebViewCore, UrlDuringEventsZeroOneAndFiveIsTheEventsAddress) {
  Fixture f;
  std::vector<std::string> seen;
  f.during = [&](int) { seen.push_back(f.Url()); };
  f.core.BeforeNavigate("http://before/");
  f.core.NavigateComplete("http://navigated/");
  f.core.DocumentComplete("http://frame/");
  f.core.ProgressChange(1, 2);
  f.core.StatusTextChange("s");
  f.core.TitleChange("t");
  f.core.CommandStateChange(kEngineNavigateBack, true);
  f.core.NewWindow();
  f.core.DownloadBegin();
  f.core.DownloadComplete();
  EXPECT_EQ(seen, (std::vector<std::string>{"http://before/", "http://navigated/", "http://frame/",
                                            "http://current/", "http://current/", "http://current/",
                                            "http://current/", "http://current/", "http://current/",
                                            "http://current/"}));
  EXPECT_EQ(f.Url(), "http://current/");
}

TEST(BrowserWebViewCore, CaptionDuringTitleChangeIsTheNewTitle) {
  Fixture f;
  std::vector<std::string> seen;
  f.during = [&](int) { seen.push_back(ui::AsText(f.core.ReadProperty(kCaption))); };
  f.core.TitleChange("新标题");
  f.core.TitleChange("");
  f.core.DocumentComplete("http://x/");
  EXPECT_EQ(seen, (std::vector<std::string>{"新标题", "", "Current page"}));
}

TEST(BrowserWebViewCore, StatusTextKeepsTheLatestAndIsNeverCleared) {
  Fixture f;
  f.core.StatusTextChange("正在打开");
  f.core.StatusTextChange("完成");
  f.core.DocumentComplete("http://x/");
  f.core.BeforeNavigate("http://y/");
  EXPECT_EQ(ui::AsText(f.core.ReadProperty(kStatusText)), "完成");
  f.core.StatusTextChange("");
  EXPECT_EQ(ui::AsText(f.core.ReadProperty(kStatusText)), "");
}

TEST(BrowserWebViewCore, NestedEventsSeeTheirOwnAddressAndRestoreTheOuter) {
  Fixture f;
  std::vector<std::string> seen;
  f.during = [&](int code) {
    if (code != kBeforeNavigate) return;
    seen.push_back(f.Url());
    if (seen.size() == 1) {
      f.core.BeforeNavigate("http://inner/");  // a handler's navigation raises event 0 inside
      seen.push_back(f.Url());
    }
  };
  f.core.BeforeNavigate("http://outer/");
  EXPECT_EQ(seen, (std::vector<std::string>{"http://outer/", "http://inner/", "http://outer/"}));
}

TEST(BrowserWebViewCore, AnswersCancelOnlyWhenFalse) {
  const struct {
    std::optional<std::int32_t> answer;
    bool goes_on;
  } cases[] = {{std::nullopt, true}, {1, true}, {-1, true}, {0, false}};
  for (const auto& c : cases) {
    Fixture f;
    f.answer = c.answer;
    EXPECT_EQ(f.core.BeforeNavigate("http://x/"), c.goes_on);
    EXPECT_EQ(f.core.NewWindow(), c.goes_on);
    EXPECT_EQ(f.raised, (std::vector<Raised>{{0, 0, 0}, {9, 0, 0}}));
  }
}

TEST(BrowserWebViewCore, ProgressPercentIsRoundedAndHundredWithoutMaximum) {
  const struct {
    long long progress, maximum;
    int percent;
  } cases[] = {{0, 100, 0},   {45, 100, 45}, {1, 3, 33},    {2, 3, 67},     {1, 200, 1},
               {100, 100, 100}, {5, 0, 100}, {0, 0, 100},   {-1, 100, -1},  {-1, 0, 100},
               {300, 100, 300}, {2147483647LL, 1, 2147483647}};
  for (const auto& c : cases) {
    Fixture f;
    f.core.ProgressChange(c.progress, c.maximum);
    EXPECT_EQ(f.raised, (std::vector<Raised>{{3, c.percent, 0}}))
        << c.progress << "/" << c.maximum;
  }
}

TEST(BrowserWebViewCore, EventsCarryTheirIndexesAndArguments) {
  Fixture f;
  f.core.BeforeNavigate("u");
  f.core.NavigateComplete("u");
  f.core.DownloadBegin();
  f.core.DownloadComplete();
  f.core.DocumentComplete("u");
  f.core.StatusTextChange("s");
  f.core.TitleChange("t");
  f.core.NewWindow();
  EXPECT_EQ(f.raised, (std::vector<Raised>{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {4, 0, 0},
                                           {5, 0, 0}, {6, 0, 0}, {7, 0, 0}, {9, 0, 0}}));
}

TEST(BrowserWebViewCore, CommandStateOnlyForBackAndForward) {
  const struct {
    long command;
    bool enabled;
    std::vector<Raised> expected;
  } cases[] = {{kEngineNavigateForward, true, {{8, 0, 1}}},
               {kEngineNavigateForward, false, {{8, 0, 0}}},
               {kEngineNavigateBack, true, {{8, 1, 1}}},
               {kEngineNavigateBack, false, {{8, 1, 0}}},
               {kEngineUpdateCommands, true, {}},
               {0, true, {}},
               {3, false, {}}};
  for (const auto& c : cases) {
    Fixture f;
    f.core.CommandStateChange(c.command, c.enabled);
    EXPECT_EQ(f.raised, c.expected) << c.command;
  }
}

TEST(BrowserWebViewLink, ForwardsWhileAttachedAndIsInertOtherwise) {
  WebViewLink link;
  link.ExecuteCommand(kGoBack);
  link.WriteProperty(kUrl, std::string("http://x/"));
  EXPECT_EQ(ui::AsText(link.ReadProperty(kUrl)), "");
  EXPECT_EQ(ui::AsInt(link.ReadProperty(kFontSize)), 0);

  Fixture f;
  link.Attach(&f.core);
  link.ExecuteCommand(kGoBack);
  link.NavigateTo("http://y/");
  EXPECT_EQ(ui::AsInt(link.ReadProperty(kFontSize)), 2);
  link.Detach(&f.core);
  link.ExecuteCommand(kGoForward);
  EXPECT_EQ(f.engine.log, (Log{"back", "navigate http://y/"}));
  EXPECT_FALSE(link.Attached());
}

}  // namespace
}  // namespace tavrin::browser
