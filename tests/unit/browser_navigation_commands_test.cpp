#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/main_window_definition.h"
#include "app/menu_tree.h"
#include "app/toolbar_definition.h"
#include "browser/navigation_commands.h"
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
  NavigationCommands commands{windows, view};

  bool Send(ui::EventKind kind, std::string_view control, int code, int a = 0, int b = 0) {
    std::optional<std::int32_t> answer;
    const bool taken = commands.OnEvent({ui::WindowId::Main, control, kind, code, a, b}, answer);
    EXPECT_FALSE(answer.has_value());
    return taken;
  }
};

TEST(BrowserNavigationCommands, EveryMenuItemRunsItsCommandOrNothing) {
  // Menu index -> command code; the three font sizes are taken and do nothing.
  const std::map<int, int> commands{{2, 6},  {4, 7},  {5, 8},  {6, 9},  {12, 0},
                                    {13, 1}, {14, 2}, {15, 3}, {17, 4}, {18, 5}};
  const std::set<int> font_sizes{21, 22, 23};
  for (int item = 0; item < kMenuItemCount; ++item) {
    SCOPED_TRACE(std::string(kMenuTree[item].caption));
    Fixture f;
    const bool taken = f.Send(ui::EventKind::MenuChosen, {}, item);
    auto it = commands.find(item);
    if (it != commands.end()) {
      EXPECT_TRUE(taken);
      EXPECT_EQ(f.view.log, Log{"command " + std::to_string(it->second)});
    } else {
      EXPECT_EQ(taken, font_sizes.count(item) == 1);
      EXPECT_TRUE(f.view.log.empty());
    }
    EXPECT_TRUE(f.windows.log.empty());
  }
}

TEST(BrowserNavigationCommands, EveryToolbarButtonRunsItsCommandOrNothing) {
  // Separators 5 and 8, the main part of "字体" (6) and the blank buttons 9..19 run nothing.
  const std::map<int, int> commands{{0, 2}, {1, 1}, {2, 0}, {3, 5}, {4, 4}, {7, 7}};
  for (int index = 0; index < kToolbarButtonCount; ++index) {
    SCOPED_TRACE(index);
    Fixture f;
    f.Send(ui::EventKind::ToolbarClicked, kToolbar, index);
    auto it = commands.find(index);
    EXPECT_EQ(f.view.log, it == commands.end() ? Log{} : Log{"command " + std::to_string(it->second)});
    EXPECT_TRUE(f.windows.log.empty());  // no font menu from the main part
  }
}

TEST(BrowserNavigationCommands, DropDownArrowPopsUpTheFontSubmenuAtTheGivenPoint) {
  // Any drop-down index opens the same menu; the point is the event's, unchanged.
  const struct {
    int index, x, y;
  } cases[] = {{6, 120, 54}, {6, -300, 2}, {0, 0, 0}, {19, 1000, 700}};
  for (const auto& c : cases) {
    Fixture f;
    EXPECT_TRUE(f.Send(ui::EventKind::ToolbarDropDown, kToolbar, c.index, c.x, c.y));
    EXPECT_EQ(f.windows.log, Log{"popup 20 " + std::to_string(c.x) + "," + std::to_string(c.y)});
    EXPECT_TRUE(f.view.log.empty());
  }
}

TEST(BrowserNavigationCommands, CommandStateUpdatesButtonFirstThenMenuItem) {
  const struct {
    int command, enabled;
    Log expected;
  } cases[] = {
      {1, 1, {"button 1 -4", "menu 13 2 0"}},  // back enabled
      {1, 0, {"button 1 +4", "menu 13 2 1"}},  // back disabled
      {0, 1, {"button 2 -4", "menu 12 2 0"}},  // forward enabled
      {0, 0, {"button 2 +4", "menu 12 2 1"}},  // forward disabled
      {1, 2, {"button 1 +4", "menu 13 2 1"}},  // anything but 1 disables
      {0, -1, {"button 2 +4", "menu 12 2 1"}},
      {1, 255, {"button 1 +4", "menu 13 2 1"}},
      {2, 1, {}},   // other commands change nothing
      {-1, 1, {}},
      {-1, 0, {}},
      {7, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.command) + "/" + std::to_string(c.enabled));
    Fixture f;
    EXPECT_TRUE(f.Send(ui::EventKind::WebView, kWebView, 8, c.command, c.enabled));
    EXPECT_EQ(f.windows.log, c.expected);
    EXPECT_TRUE(f.view.log.empty());
  }
}

TEST(BrowserNavigationCommands, EachPairFollowsItsOwnLatestEvent) {
  Fixture f;
  f.Send(ui::EventKind::WebView, kWebView, 8, 1, 1);  // back on
  f.Send(ui::EventKind::WebView, kWebView, 8, 0, 0);  // forward off
  f.Send(ui::EventKind::WebView, kWebView, 8, 1, 0);  // back off
  f.Send(ui::EventKind::WebView, kWebView, 8, 1, 1);  // back on again
  EXPECT_EQ(f.windows.button_states[kButtonBack], 0);
  EXPECT_EQ(f.windows.button_states[kButtonForward], ui::kButtonDisabled);
  EXPECT_EQ(ui::AsInt(f.windows.ReadMenuProperty(kMenuBack, ui::kMenuDisabled)), 0);
  EXPECT_EQ(ui::AsInt(f.windows.ReadMenuProperty(kMenuForward, ui::kMenuDisabled)), 1);
}

TEST(BrowserNavigationCommands, LeavesOtherEventsAlone) {
  Fixture f;
  const struct {
    ui::WindowId window;
    std::string_view control;
    ui::EventKind kind;
    int code;
  } others[] = {
      {ui::WindowId::Main, kWebView, ui::EventKind::WebView, 0},
      {ui::WindowId::Main, kWebView, ui::EventKind::WebView, 9},
      {ui::WindowId::Main, {}, ui::EventKind::MenuChosen, kMenuAddFavorite},
      {ui::WindowId::Main, {}, ui::EventKind::MenuChosen, kMenuExit},
      {ui::WindowId::About, {}, ui::EventKind::MenuChosen, kMenuBack},
      {ui::WindowId::Main, kGoButton, ui::EventKind::Clicked, 0},
  };
  for (const auto& o : others) {
    std::optional<std::int32_t> answer;
    EXPECT_FALSE(f.commands.OnEvent({o.window, o.control, o.kind, o.code, 1, 1}, answer));
  }
  EXPECT_TRUE(f.windows.log.empty());
  EXPECT_TRUE(f.view.log.empty());
}

}  // namespace
}  // namespace tavrin::browser
