// One owner for one COM reference: released when the owner goes or is reset. No ATL here.
#pragma once

#include <unknwn.h>

#include <utility>

namespace tavrin::browser::win32 {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }

  // Takes over a reference that the caller already owns.
  static ComPtr Adopt(T* pointer) {
    ComPtr result;
    result.pointer_ = pointer;
    return result;
  }
  // Adds a reference of its own.
  static ComPtr Share(T* pointer) {
    if (pointer) pointer->AddRef();
    return Adopt(pointer);
  }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out parameters: releases what is held first.
  T** Put() {
    Reset();
    return &pointer_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  void Reset() {
    if (T* old = std::exchange(pointer_, nullptr)) old->Release();
  }

  template <class U>
  ComPtr<U> As() const {
    ComPtr<U> result;
    if (pointer_) pointer_->QueryInterface(__uuidof(U), result.PutVoid());
    return result;
  }

 private:
  T* pointer_ = nullptr;
};

}  // namespace tavrin::browser::win32
