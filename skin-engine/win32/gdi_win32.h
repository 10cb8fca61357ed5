// RAII owners for the GDI objects and device contexts the engine creates.
#pragma once

#include <windows.h>

#include <utility>

namespace skin_engine {

// Owns one GDI object (brush, pen, font, bitmap, region) and deletes it.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : handle_(h) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle h = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// Selects an object into a DC for the scope's lifetime.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window DC (the whole window, non-client area included), released at scope end.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A window's client-area DC, released at scope end.
class ClientDc {
 public:
  explicit ClientDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ClientDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  ClientDc(const ClientDc&) = delete;
  ClientDc& operator=(const ClientDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory DC compatible with `like`, with `object` selected while it lives.
class MemoryDc {
 public:
  MemoryDc(HDC like, HGDIOBJ object) : dc_(CreateCompatibleDC(like)), old_(dc_ && object ? SelectObject(dc_, object) : nullptr) {}
  ~MemoryDc() {
    if (!dc_) return;
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Off-screen buffer: everything is drawn here and copied to the target in one BitBlt,
// so that no half-painted state ever reaches the screen (no flicker).
class PaintBuffer {
 public:
  PaintBuffer(HDC target, const RECT& area)
      : target_(target), area_(area), dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width(), height())) {
    if (dc_ && bitmap_) {
      old_ = SelectObject(dc_, bitmap_.get());
      SetWindowOrgEx(dc_, area_.left, area_.top, nullptr);
    }
  }
  ~PaintBuffer() {
    if (dc_) {
      if (old_) SelectObject(dc_, old_);
      DeleteDC(dc_);
    }
  }
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;

  bool ok() const { return dc_ && bitmap_; }
  // The DC to draw into: the buffer when it could be made, else the target itself.
  HDC dc() const { return ok() ? dc_ : target_; }
  void present() const {
    if (ok()) BitBlt(target_, area_.left, area_.top, width(), height(), dc_, area_.left, area_.top, SRCCOPY);
  }

 private:
  int width() const { return area_.right - area_.left > 0 ? area_.right - area_.left : 1; }
  int height() const { return area_.bottom - area_.top > 0 ? area_.bottom - area_.top : 1; }

  HDC target_;
  RECT area_;
  HDC dc_;
  BitmapHandle bitmap_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace skin_engine
