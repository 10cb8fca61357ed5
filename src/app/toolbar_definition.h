// The main toolbar's 20 buttons, separators counted, and its seven images.
#pragma once

#include <array>
#include <string_view>

#include "ui/window_definition.h"

namespace tavrin {

enum ToolbarImage : int {
  kImageBack = 0,     // an arrow pointing left
  kImageForward = 1,  // an arrow pointing right
  kImageStop = 2,     // a red disc with a white cross
  kImageRefresh = 3,  // a page with two green arrows in a circle
  kImageHome = 4,     // a house
  kImagePrint = 5,    // a printer
  kImageFont = 6,     // a capital letter A
  kNoImage = -1,
};
inline constexpr int kToolbarImageCount = 7;
inline constexpr int kToolbarImageWidth = 22;
inline constexpr int kToolbarImageHeight = 20;

using ui::ButtonKind;
using ui::ToolbarButton;

enum ToolbarIndex : int {
  kButtonHome = 0,
  kButtonBack = 1,
  kButtonForward = 2,
  kButtonStop = 3,
  kButtonRefresh = 4,
  kButtonFont = 6,
  kButtonPrint = 7,
  kToolbarButtonCount = 20,
};

inline constexpr std::array<ToolbarButton, kToolbarButtonCount> kToolbarButtons = [] {
  std::array<ToolbarButton, kToolbarButtonCount> buttons{};
  buttons[0] = {ButtonKind::Button, kImageHome, "首页", false};
  buttons[1] = {ButtonKind::Button, kImageBack, "后退", true};
  buttons[2] = {ButtonKind::Button, kImageForward, "前进", false};
  buttons[3] = {ButtonKind::Button, kImageStop, "停止", false};
  buttons[4] = {ButtonKind::Button, kImageRefresh, "刷新", false};
  buttons[5] = {ButtonKind::Separator, kNoImage, "", false};
  buttons[6] = {ButtonKind::DropDown, kImageFont, "字体", false};
  buttons[7] = {ButtonKind::Button, kImagePrint, "打印", false};
  buttons[8] = {ButtonKind::Separator, kNoImage, "", false};
  for (int i = 9; i < kToolbarButtonCount; ++i) buttons[i] = {ButtonKind::Button, kNoImage, "", false};
  return buttons;
}();

}  // namespace tavrin
