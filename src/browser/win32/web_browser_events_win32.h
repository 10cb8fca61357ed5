// The sink of the WebBrowser control's DWebBrowserEvents2: one IDispatch::Invoke that reads
// each notification's arguments by position and writes the cancel flags back. It passes
// the decoded notifications on and holds no reference to their receiver.
#pragma once

#include <oaidl.h>

#include "browser/browser_engine.h"

namespace tavrin::browser::win32 {

class WebBrowserEvents final : public IDispatch {
 public:
  // Starts with one reference, the creator's.
  explicit WebBrowserEvents(EngineNotifications* receiver) : receiver_(receiver) {}
  // After this, notifications still in flight are answered and dropped.
  void Detach() { receiver_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  ~WebBrowserEvents() = default;

  EngineNotifications* receiver_;
  LONG references_ = 1;
};

}  // namespace tavrin::browser::win32
