#pragma once

#include <string>
#include <string_view>

namespace tavrin::ui::win32 {

inline constexpr wchar_t kInputBoxTitle[] = L"请输入：";

// A modal dialog with the prompt, a one-line field and the buttons "确认输入(&O)" and
// "取消(&C)". True and the typed text when confirmed.
bool RunInputBox(std::string_view prompt, std::string& text);

}  // namespace tavrin::ui::win32
