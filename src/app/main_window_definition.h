#pragma once

#include <string_view>

#include "ui/window_definition.h"

namespace tavrin {

// Control names of the main window.
inline constexpr std::string_view kDeleteButton = "按钮2";
inline constexpr std::string_view kGoButton = "按钮1";
inline constexpr std::string_view kStatusBar = "状态条1";
inline constexpr std::string_view kWebView = "超文本浏览框1";
inline constexpr std::string_view kAddressBox = "编辑框1";
inline constexpr std::string_view kAddressLabel = "标签1";
inline constexpr std::string_view kToolbar = "工具条1";

inline constexpr std::string_view kMainTitle = "Tavrin专用浏览器";
inline constexpr std::string_view kStatusLabel = "当前状态：";
inline constexpr int kStatusLabelRight = 80;  // part 0 ends here; part 1 takes the rest

const ui::WindowDefinition& MainWindowDefinition();

}  // namespace tavrin
