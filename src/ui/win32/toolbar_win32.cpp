#include "ui/win32/toolbar_win32.h"

#include "ui/win32/text_win32.h"

namespace tavrin::ui::win32 {
namespace {

constexpr int kImageWidth = 22;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

HIMAGELIST LoadStrip(int resource) {
  return ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), kImageWidth,
                              0, kMaskColour, IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

}  // namespace

Toolbar::Toolbar(HWND parent, int id, std::span<const ToolbarButton> buttons) : buttons_(buttons) {
  window_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                                TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS | CCS_TOP,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(window_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  SendMessageW(window_, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  normal_ = LoadStrip(kToolbarNormalBitmap);
  hot_ = LoadStrip(kToolbarHotBitmap);
  SendMessageW(window_, TB_SETIMAGELIST, 0, LPARAM(normal_));
  SendMessageW(window_, TB_SETHOTIMAGELIST, 0, LPARAM(hot_));

  std::vector<TBBUTTON> items;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ToolbarButton& button = buttons[i];
    tooltips_.push_back(Widen(button.tooltip));
    TBBUTTON item{};
    item.iBitmap = button.image >= 0 ? button.image : I_IMAGENONE;
    item.idCommand = kFirstToolbarCommand + int(i);
    item.fsState = button.disabled ? 0 : TBSTATE_ENABLED;
    item.fsStyle = button.kind == ButtonKind::Separator  ? BTNS_SEP
                   : button.kind == ButtonKind::DropDown ? BTNS_DROPDOWN
                                                         : BTNS_BUTTON;
    item.iString = -1;
    items.push_back(item);
  }
  SendMessageW(window_, TB_ADDBUTTONSW, items.size(), LPARAM(items.data()));
  SendMessageW(window_, TB_AUTOSIZE, 0, 0);
}

Toolbar::~Toolbar() {
  // The toolbar does not own its image lists: destroy the window first, then the lists.
  if (window_) DestroyWindow(window_);
  if (normal_) ImageList_Destroy(normal_);
  if (hot_) ImageList_Destroy(hot_);
}

void Toolbar::AddState(int index, int bits) {
  if (index < 0 || index >= ButtonCount() || !(bits & 4)) return;
  SendMessageW(window_, TB_ENABLEBUTTON, kFirstToolbarCommand + index, FALSE);
}

void Toolbar::RemoveState(int index, int bits) {
  if (index < 0 || index >= ButtonCount() || !(bits & 4)) return;
  SendMessageW(window_, TB_ENABLEBUTTON, kFirstToolbarCommand + index, TRUE);
}

bool Toolbar::IsDisabled(int index) const {
  return !SendMessageW(window_, TB_ISBUTTONENABLED, kFirstToolbarCommand + index, 0);
}

const wchar_t* Toolbar::TooltipFor(UINT_PTR command) const {
  const UINT_PTR index = command - kFirstToolbarCommand;
  if (command < kFirstToolbarCommand || index >= tooltips_.size() || tooltips_[index].empty())
    return nullptr;
  return tooltips_[index].c_str();
}

POINT Toolbar::DropDownPoint(int index) const {
  RECT rect{};
  SendMessageW(window_, TB_GETRECT, kFirstToolbarCommand + index, LPARAM(&rect));
  POINT point{rect.left, rect.bottom + 2};
  ClientToScreen(window_, &point);
  return point;
}

}  // namespace tavrin::ui::win32
