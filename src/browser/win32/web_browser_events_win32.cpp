#include "browser/win32/web_browser_events_win32.h"

#include <exdisp.h>
#include <exdispid.h>

#include <string>

#include "browser/win32/bstr_win32.h"

namespace tavrin::browser::win32 {
namespace {

// Arguments arrive in reverse order: position 0 is the last of rgvarg. A VARIANT passed by
// reference (the URL of BeforeNavigate2, for instance) is followed to what it holds.
VARIANT* Argument(DISPPARAMS* params, UINT position) {
  if (!params || position >= params->cArgs) return nullptr;
  VARIANT* value = &params->rgvarg[params->cArgs - 1 - position];
  while (value && value->vt == (VT_BYREF | VT_VARIANT)) value = value->pvarVal;
  return value;
}

std::string TextArgument(DISPPARAMS* params, UINT position) {
  VARIANT* value = Argument(params, position);
  if (!value) return {};
  if (value->vt == VT_BSTR) return Bstr::ToUtf8(value->bstrVal);
  if (value->vt == (VT_BYREF | VT_BSTR)) return Bstr::ToUtf8(*value->pbstrVal);
  VARIANT text;
  VariantInit(&text);
  std::string result;
  if (SUCCEEDED(VariantChangeType(&text, value, 0, VT_BSTR))) result = Bstr::ToUtf8(text.bstrVal);
  VariantClear(&text);
  return result;
}

long LongArgument(DISPPARAMS* params, UINT position) {
  VARIANT* value = Argument(params, position);
  if (!value) return 0;
  if (value->vt == VT_I4) return value->lVal;
  VARIANT number;
  VariantInit(&number);
  long result = 0;
  if (SUCCEEDED(VariantChangeType(&number, value, 0, VT_I4))) result = number.lVal;
  VariantClear(&number);
  return result;
}

bool BoolArgument(DISPPARAMS* params, UINT position) {
  VARIANT* value = Argument(params, position);
  if (!value) return false;
  if (value->vt == VT_BOOL) return value->boolVal != VARIANT_FALSE;
  VARIANT flag;
  VariantInit(&flag);
  bool result = false;
  if (SUCCEEDED(VariantChangeType(&flag, value, 0, VT_BOOL))) result = flag.boolVal != VARIANT_FALSE;
  VariantClear(&flag);
  return result;
}

// The Cancel out-parameter: a VARIANT_BOOL by reference (or a VARIANT holding one).
void WriteCancel(DISPPARAMS* params, UINT position, bool cancel) {
  VARIANT* value = Argument(params, position);
  if (!value) return;
  const VARIANT_BOOL flag = cancel ? VARIANT_TRUE : VARIANT_FALSE;
  if (value->vt == (VT_BYREF | VT_BOOL) && value->pboolVal)
    *value->pboolVal = flag;
  else if (value->vt == VT_BOOL)
    value->boolVal = flag;
}

}  // namespace

HRESULT WebBrowserEvents::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG WebBrowserEvents::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG WebBrowserEvents::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return ULONG(left);
}

HRESULT WebBrowserEvents::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT WebBrowserEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT WebBrowserEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT WebBrowserEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                 EXCEPINFO*, UINT*) {
  // Keep this sink alive while a handler runs: it may close the window that owns it.
  AddRef();
  EngineNotifications* receiver = receiver_;
  switch (id) {
    case DISPID_BEFORENAVIGATE2:
      // (pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel)
      if (receiver) WriteCancel(params, 6, !receiver->BeforeNavigate(TextArgument(params, 1)));
      break;
    case DISPID_NAVIGATECOMPLETE2:  // (pDisp, URL)
      if (receiver) receiver->NavigateComplete(TextArgument(params, 1));
      break;
    case DISPID_DOWNLOADBEGIN:
      if (receiver) receiver->DownloadBegin();
      break;
    case DISPID_DOWNLOADCOMPLETE:
      if (receiver) receiver->DownloadComplete();
      break;
    case DISPID_PROGRESSCHANGE:  // (Progress, ProgressMax)
      if (receiver) receiver->ProgressChange(LongArgument(params, 0), LongArgument(params, 1));
      break;
    case DISPID_DOCUMENTCOMPLETE:  // (pDisp, URL)
      if (receiver) receiver->DocumentComplete(TextArgument(params, 1));
      break;
    case DISPID_STATUSTEXTCHANGE:  // (Text)
      if (receiver) receiver->StatusTextChange(TextArgument(params, 0));
      break;
    case DISPID_TITLECHANGE:  // (Text)
      if (receiver) receiver->TitleChange(TextArgument(params, 0));
      break;
    case DISPID_COMMANDSTATECHANGE:  // (Command, Enable)
      if (receiver)
        receiver->CommandStateChange(LongArgument(params, 0), BoolArgument(params, 1));
      break;
    case DISPID_NEWWINDOW2:  // (ppDisp, Cancel)
      if (receiver) WriteCancel(params, 1, !receiver->NewWindow());
      break;
    default:
      Release();
      return DISP_E_MEMBERNOTFOUND;
  }
  Release();
  return S_OK;
}

}  // namespace tavrin::browser::win32
