// Text conversion at the Win32 boundary: UTF-8 inside, UTF-16 for the W APIs, the ANSI code
// page where an external interface is fixed as ANSI.
#pragma once

#include <string>
#include <string_view>

namespace tavrin::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

}  // namespace tavrin::win32

namespace tavrin::ui::win32 {
using tavrin::win32::Narrow;
using tavrin::win32::Widen;
}  // namespace tavrin::ui::win32
