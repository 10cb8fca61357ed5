// The About window: the program's credits on pure green and a Close button.
#pragma once

#include <string_view>

#include "ui/window_definition.h"

namespace tavrin {

inline constexpr std::string_view kAboutTitle = "关于Tavrin浏览器说明";
inline constexpr std::string_view kAboutCloseButton = "按钮1";
inline constexpr std::string_view kAboutLabel = "标签1";
// Three lines, each ending in a space, separated by blank lines.
inline constexpr std::string_view kAboutText =
    "Tavrin浏览器 \r\n\r\n纯属Ostrel自学者 \r\n\r\n娱乐制作 ";

const ui::WindowDefinition& AboutWindowDefinition();

}  // namespace tavrin
