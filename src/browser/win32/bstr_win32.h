// BSTR texts at the COM boundary: one owner per allocated string, UTF-8 inside the program.
#pragma once

#include <oleauto.h>

#include <string>
#include <string_view>

#include "ui/win32/text_win32.h"

namespace tavrin::browser::win32 {

class Bstr {
 public:
  explicit Bstr(std::string_view utf8) {
    const std::wstring wide = tavrin::win32::Widen(utf8);
    text_ = SysAllocStringLen(wide.c_str(), UINT(wide.size()));
  }
  Bstr() = default;
  ~Bstr() { SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR Get() const { return text_; }
  BSTR* Put() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  std::string Utf8() const { return ToUtf8(text_); }

  // A null BSTR is the empty text.
  static std::string ToUtf8(BSTR text) {
    return text ? tavrin::win32::Narrow(std::wstring_view(text, SysStringLen(text))) : std::string();
  }

 private:
  BSTR text_ = nullptr;
};

}  // namespace tavrin::browser::win32
