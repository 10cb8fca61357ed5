#include "browser/win32/ole_site_win32.h"

#include <utility>

namespace tavrin::browser::win32 {
namespace {

// The document host's command group, through which the control asks before it shows a
// script error box. Not declared by every SDK's headers.
constexpr GUID kDocHostCommandHandler = {
    0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};

}  // namespace

void OleSite::Detach() {
  in_place_ = nullptr;
  active_.Reset();
}

HRESULT OleSite::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite)
    *object = static_cast<IOleClientSite*>(this);
  else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
    *object = static_cast<IOleInPlaceSite*>(this);
  else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
    *object = static_cast<IOleInPlaceFrame*>(this);
  else if (iid == IID_IOleControlSite)
    *object = static_cast<IOleControlSite*>(this);
  else if (iid == IID_IDocHostUIHandler)
    *object = static_cast<IDocHostUIHandler*>(this);
  else if (iid == IID_IOleCommandTarget)
    *object = static_cast<IOleCommandTarget*>(this);
  else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG OleSite::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG OleSite::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return ULONG(left);
}

HRESULT OleSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT OleSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT OleSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_;
  return S_OK;
}

HRESULT OleSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT place, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !place || !clip || !info) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;
  GetClientRect(window_, place);
  *clip = *place;
  info->fMDIApp = FALSE;
  info->hwndFrame = GetAncestor(window_, GA_ROOT);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT OleSite::OnInPlaceDeactivate() {
  active_.Reset();
  return S_OK;
}

HRESULT OleSite::OnPosRectChange(LPCRECT place) {
  if (!place) return E_POINTER;
  if (in_place_) in_place_->SetObjectRects(place, place);
  return S_OK;
}

HRESULT OleSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  active_ = ComPtr<IOleInPlaceActiveObject>::Share(object);
  return S_OK;
}

HRESULT OleSite::GetExtendedControl(IDispatch** control) {
  if (control) *control = nullptr;
  return E_NOTIMPL;
}

HRESULT OleSite::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  info->cbSize = sizeof *info;
  info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  info->pchHostCss = nullptr;
  info->pchHostNS = nullptr;
  return S_OK;
}

HRESULT OleSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (key) *key = nullptr;
  return E_NOTIMPL;
}

HRESULT OleSite::GetDropTarget(IDropTarget*, IDropTarget** target) {
  if (target) *target = nullptr;
  return E_NOTIMPL;
}

HRESULT OleSite::GetExternal(IDispatch** external) {
  if (external) *external = nullptr;
  return S_FALSE;
}

HRESULT OleSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
  if (translated) *translated = nullptr;
  return S_FALSE;
}

HRESULT OleSite::FilterDataObject(IDataObject*, IDataObject** filtered) {
  if (filtered) *filtered = nullptr;
  return S_FALSE;
}

HRESULT OleSite::QueryStatus(const GUID* group, ULONG, OLECMD*, OLECMDTEXT*) {
  return group && *group == kDocHostCommandHandler ? OLECMDERR_E_NOTSUPPORTED
                                                   : OLECMDERR_E_UNKNOWNGROUP;
}

HRESULT OleSite::Exec(const GUID* group, DWORD command, DWORD, VARIANT*, VARIANT* out) {
  if (!group || *group != kDocHostCommandHandler) return OLECMDERR_E_UNKNOWNGROUP;
  if (command == OLECMDID_SHOWSCRIPTERROR) {
    // As a browser does: no box for a page's script errors, and its scripts keep running.
    if (out) {
      VariantClear(out);
      out->vt = VT_BOOL;
      out->boolVal = VARIANT_TRUE;
    }
    return S_OK;
  }
  return OLECMDERR_E_NOTSUPPORTED;
}

}  // namespace tavrin::browser::win32
