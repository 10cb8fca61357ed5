// The window services over Win32, in this process: the main window's definition loaded for
// real, its property numbers, clamps, status parts, button states and menu items.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/main_window_definition.h"
#include "app/menu_tree.h"
#include "ui/win32/text_win32.h"
#include "ui/win32/window_services_win32.h"

namespace tavrin {
namespace {

using ui::WindowId;

struct Fatal : std::runtime_error {
  using std::runtime_error::runtime_error;
};
class ThrowingFatal : public FatalError {
 public:
  [[noreturn]] void Raise(const std::string& message) override { throw Fatal(message); }
};

class RecordingHandler : public ui::EventHandler {
 public:
  std::optional<std::int32_t> OnEvent(const ui::Event& event) override {
    events.push_back(event);
    return std::nullopt;
  }
  std::vector<ui::Event> events;
};

// Stands in the web view's place: the services only need a window there.
class PlainView final : public ui::win32::HostedControl {
 public:
  PlainView(HWND parent, int id, const RECT& place)
      : window_(CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, place.left,
                                place.top, place.right - place.left, place.bottom - place.top,
                                parent, HMENU(INT_PTR(id)), nullptr, nullptr)) {}
  HWND Window() const override { return window_; }
  ui::PropertyValue ReadProperty(int) override { return std::int32_t{0}; }
  void WriteProperty(int, const ui::PropertyValue&) override {}

 private:
  HWND window_;
};

class WindowServices : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    services_.SetEventHandler(&handler_);
    services_.SetWebViewFactory([](HWND parent, int id, const RECT& place, ui::win32::RaiseEvent) {
      return std::make_unique<PlainView>(parent, id, place);
    });
  }

  ThrowingFatal fatal_;
  RecordingHandler handler_;
  ui::win32::WindowServicesWin32 services_{
      [](WindowId) -> const ui::WindowDefinition& { return MainWindowDefinition(); }, fatal_};
};

TEST_F(WindowServices, LoadRaisesCreatedThenSizeChangedAndNothingDuringCreation) {
  services_.LoadWindow(WindowId::Main, false);
  ASSERT_GE(handler_.events.size(), 2u);
  EXPECT_EQ(handler_.events[0].kind, ui::EventKind::Created);
  EXPECT_EQ(handler_.events[1].kind, ui::EventKind::SizeChanged);
  EXPECT_TRUE(IsWindowVisible(HWND(services_.Handle(WindowId::Main))));
  EXPECT_EQ(ui::AsText(services_.ReadProperty(WindowId::Main, {}, ui::kText)), "Tavrin专用浏览器");
}

TEST_F(WindowServices, WidthsAndHeightsAreClampedOnWrite) {
  services_.LoadWindow(WindowId::Main, false);
  const std::pair<int, int> cases[] = {{-5, 0}, {0, 0}, {250, 250}, {32627, 32627}, {40000, 32627}};
  for (const auto& [written, kept] : cases) {
    for (int number : {ui::kWidth, ui::kHeight}) {
      services_.WriteProperty(WindowId::Main, kAddressBox, number, written);
      EXPECT_EQ(ui::AsInt(services_.ReadProperty(WindowId::Main, kAddressBox, number)), kept)
          << number << " " << written;
    }
  }
  services_.WriteProperty(WindowId::Main, kGoButton, ui::kLeft, 10);
  services_.WriteProperty(WindowId::Main, kGoButton, ui::kTop, 12);
  EXPECT_EQ(ui::AsInt(services_.ReadProperty(WindowId::Main, kGoButton, ui::kLeft)), 10);
  EXPECT_EQ(ui::AsInt(services_.ReadProperty(WindowId::Main, kGoButton, ui::kTop)), 12);
}

TEST_F(WindowServices, TextVisibilityAndDisabledProperties) {
  services_.LoadWindow(WindowId::Main, false);
  services_.WriteProperty(WindowId::Main, kAddressBox, ui::kText, std::string("http://例子.cn/"));
  EXPECT_EQ(ui::AsText(services_.ReadProperty(WindowId::Main, kAddressBox, ui::kText)),
            "http://例子.cn/");
  services_.WriteProperty(WindowId::Main, kDeleteButton, ui::kDisabled, 1);
  EXPECT_EQ(ui::AsInt(services_.ReadProperty(WindowId::Main, kDeleteButton, ui::kDisabled)), 1);
  services_.WriteProperty(WindowId::Main, kDeleteButton, ui::kVisible, 0);
  EXPECT_EQ(ui::AsInt(services_.ReadProperty(WindowId::Main, kDeleteButton, ui::kVisible)), 0);
  services_.WriteProperty(WindowId::Main, kDeleteButton, ui::kTag, std::string("标记"));
  EXPECT_EQ(ui::AsText(services_.ReadProperty(WindowId::Main, kDeleteButton, ui::kTag)), "标记");
}

TEST_F(WindowServices, UnknownControlOrWindowNotLoadedIsFatal) {
  EXPECT_THROW(services_.ReadProperty(WindowId::Main, kGoButton, ui::kText), Fatal);
  services_.LoadWindow(WindowId::Main, false);
  EXPECT_THROW(services_.Handle(WindowId::Main, "按钮9"), Fatal);
  EXPECT_THROW(services_.ReadProperty(WindowId::About, "标签1", ui::kText), Fatal);
}

TEST_F(WindowServices, StatusPartsButtonStatesAndMenuItems) {
  services_.LoadWindow(WindowId::Main, false);
  const HWND bar = HWND(services_.Handle(WindowId::Main, kStatusBar));
  auto part = [&](int index) {
    wchar_t text[256] = {};
    SendMessageW(bar, SB_GETTEXTW, index, LPARAM(text));
    return win32::Narrow(text);
  };
  EXPECT_EQ(part(0), "当前状态：");
  services_.SetStatusText(WindowId::Main, kStatusBar, 1, "正在载入：http://a/");
  services_.SetStatusText(WindowId::Main, kStatusBar, 2, "nowhere");
  services_.SetStatusText(WindowId::Main, kStatusBar, -1, "nowhere");
  EXPECT_EQ(part(0), "当前状态：");
  EXPECT_EQ(part(1), "正在载入：http://a/");

  const HWND toolbar = HWND(services_.Handle(WindowId::Main, kToolbar));
  auto enabled = [&](int index) {
    return SendMessageW(toolbar, TB_ISBUTTONENABLED, ui::win32::kFirstToolbarCommand + index, 0) != 0;
  };
  EXPECT_FALSE(enabled(1));
  services_.RemoveButtonState(WindowId::Main, kToolbar, 1, ui::kButtonDisabled);
  EXPECT_TRUE(enabled(1));
  services_.AddButtonState(WindowId::Main, kToolbar, 2, ui::kButtonDisabled);
  EXPECT_FALSE(enabled(2));
  services_.AddButtonState(WindowId::Main, kToolbar, 20, ui::kButtonDisabled);  // no such button
  services_.AddButtonState(WindowId::Main, kToolbar, -1, ui::kButtonDisabled);

  const HMENU browse = GetSubMenu(GetMenu(HWND(services_.Handle(WindowId::Main))), 2);
  EXPECT_FALSE(GetMenuState(browse, 1, MF_BYPOSITION) & MF_GRAYED);
  services_.WriteMenuProperty(kMenuBack, ui::kMenuDisabled, 1);
  EXPECT_TRUE(GetMenuState(browse, 1, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(ui::AsInt(services_.ReadMenuProperty(kMenuBack, ui::kMenuDisabled)), 1);
  services_.WriteMenuProperty(kMenuBack, ui::kMenuDisabled, 0);
  EXPECT_FALSE(GetMenuState(browse, 1, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(WindowServices, MenuBarHoldsTheTreeWithItsCaptions) {
  services_.LoadWindow(WindowId::Main, false);
  const HMENU bar = GetMenu(HWND(services_.Handle(WindowId::Main)));
  ASSERT_EQ(GetMenuItemCount(bar), 5);
  // Walk the menus in order and compare with the tree, separators included.
  int index = 0;
  auto caption = [](HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return win32::Narrow(text);
  };
  std::function<void(HMENU, int)> walk = [&](HMENU menu, int level) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
      ASSERT_LT(index, kMenuItemCount);
      const ui::MenuEntry& entry = kMenuTree[index++];
      EXPECT_EQ(entry.level, level);
      const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
      if (entry.caption == "-") {
        EXPECT_TRUE(state & MF_SEPARATOR) << index;
      } else {
        EXPECT_EQ(caption(menu, position), entry.caption);
        EXPECT_FALSE(state & (MF_GRAYED | MF_CHECKED)) << entry.caption;
      }
      if (HMENU submenu = GetSubMenu(menu, position)) walk(submenu, level + 1);
    }
  };
  walk(bar, 0);
  EXPECT_EQ(index, kMenuItemCount);
  EXPECT_EQ(kMenuItemCount, 29);
}

TEST_F(WindowServices, ChosenMenuItemsAndToolbarButtonsBecomeEvents) {
  services_.LoadWindow(WindowId::Main, false);
  const HWND main = HWND(services_.Handle(WindowId::Main));
  const HWND toolbar = HWND(services_.Handle(WindowId::Main, kToolbar));
  handler_.events.clear();
  SendMessageW(main, WM_COMMAND, ui::win32::kFirstMenuCommand + kMenuRefresh, 0);
  SendMessageW(main, WM_COMMAND, ui::win32::kFirstToolbarCommand + 4, LPARAM(toolbar));
  SendMessageW(HWND(services_.Handle(WindowId::Main, kGoButton)), BM_CLICK, 0, 0);
  ASSERT_EQ(handler_.events.size(), 3u);
  EXPECT_EQ(handler_.events[0].kind, ui::EventKind::MenuChosen);
  EXPECT_EQ(handler_.events[0].code, kMenuRefresh);
  EXPECT_EQ(handler_.events[1].kind, ui::EventKind::ToolbarClicked);
  EXPECT_EQ(handler_.events[1].code, 4);
  EXPECT_EQ(handler_.events[2].kind, ui::EventKind::Clicked);
  EXPECT_EQ(handler_.events[2].control, kGoButton);
}

}  // namespace
}  // namespace tavrin
