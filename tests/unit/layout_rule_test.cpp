#include "app/layout_rule.h"

#include <gtest/gtest.h>

#include "app/main_window_definition.h"
#include "fakes/fake_window_services.h"

namespace tavrin {
namespace {

using ui::WindowId;

TEST(LayoutRule, WritesHeightThenWidthThenAddressBoxFromTheCurrentPlaces) {
  struct Case {
    const char* what;
    int status_top, web_top, client_width;
    int height, width;
  };
  // Heights and widths below 0 are written as they come; the window services clamp them.
  const Case cases[] = {
      {"after loading", 419, 40, 764, 369, 754},
      {"maximised", 963, 40, 1280, 913, 1270},
      {"minimised", -20, 40, 0, -70, -10},
      {"status bar just under the web view", 50, 40, 10, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::FakeWindowServices windows;
    windows.Set(WindowId::Main, kStatusBar, ui::kTop, c.status_top);
    windows.Set(WindowId::Main, kWebView, ui::kTop, c.web_top);
    windows.client_width = c.client_width;
    RunLayoutRule(windows);
    EXPECT_EQ(windows.log, (std::vector<std::string>{
                               "write 超文本浏览框1 3 " + std::to_string(c.height),
                               "write 超文本浏览框1 2 " + std::to_string(c.width),
                               "write 编辑框1 2 250"}));
  }
}

TEST(PropertyClamp, WidthsAndHeightsStayWithinZeroAnd32627) {
  const std::pair<int, int> cases[] = {{-70, 0},       {-1, 0},          {0, 0},
                                       {250, 250},     {32627, 32627},   {32628, 32627},
                                       {1 << 30, 32627}, {INT32_MIN, 0}};
  for (const auto& [written, kept] : cases) EXPECT_EQ(ui::ClampExtent(written), kept) << written;
}

TEST(PropertyValue, NumbersAndTextsReadEitherWay) {
  EXPECT_EQ(ui::AsInt(ui::PropertyValue{std::string("42")}), 42);
  EXPECT_EQ(ui::AsInt(ui::PropertyValue{std::string("地址")}), 0);
  EXPECT_EQ(ui::AsText(ui::PropertyValue{std::int32_t{-7}}), "-7");
}

}  // namespace
}  // namespace tavrin
