#include "ui/win32/top_level_window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/win32/text_win32.h"

namespace tavrin::ui::win32 {
namespace {

constexpr int kFirstControlId = 100;

COLORREF ToColorRef(const Colour& colour) {
  return colour.system_button_face ? GetSysColor(COLOR_BTNFACE) : COLORREF(colour.rgb);
}

std::wstring WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), int(text.size())));
  return text;
}

RECT PlaceInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

TopLevelWindow::TopLevelWindow(const WindowDefinition& definition, Callbacks callbacks)
    : definition_(definition), callbacks_(std::move(callbacks)) {
  for (const ControlDefinition& control : definition.controls) controls_.push_back({&control});
}

TopLevelWindow::~TopLevelWindow() {
  events_held_ = true;
  if (window_) DestroyWindow(window_);
  // Controls' windows died with the window; what remains is ours alone.
  controls_.clear();
  menu_.reset();
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

bool TopLevelWindow::Create() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const wchar_t* class_name = callbacks_.classes.Ensure(definition_, WindowProc);
  if (!class_name) return false;

  if (!definition_.menu.empty()) menu_ = std::make_unique<MenuBar>(definition_.menu);

  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (definition_.minimize_box) style |= WS_MINIMIZEBOX;
  if (definition_.maximize_box) style |= WS_MAXIMIZEBOX;
  int left = definition_.left;
  int top = definition_.top;
  if (definition_.centred) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    left = work.left + (work.right - work.left - definition_.width) / 2;
    top = work.top + (work.bottom - work.top - definition_.height) / 2;
  }
  const std::wstring title = Widen(definition_.title);
  window_ = CreateWindowExW(WS_EX_APPWINDOW, class_name, title.c_str(), style,
                            left, top, definition_.width, definition_.height, nullptr,
                            menu_ ? menu_->Handle() : nullptr, instance, this);
  if (!window_) return false;
  if (const HICON icon = callbacks_.classes.IconFor(definition_)) {
    SendMessageW(window_, WM_SETICON, ICON_BIG, LPARAM(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, LPARAM(icon));
  }

  // The last control of the definition is created first and each new one goes on top, so
  // the first of the definition lies on top of all (and the toolbar, last, is made first).
  for (int i = int(controls_.size()) - 1; i >= 0; --i) {
    CreateControl(controls_[i], kFirstControlId + i);
    if (!controls_[i].window) return false;
  }
  AlignBars();
  return true;
}

void TopLevelWindow::CreateControl(Control& control, int id) {
  const ControlDefinition& definition = *control.definition;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const HMENU child_id = reinterpret_cast<HMENU>(INT_PTR(id));
  const std::wstring text = Widen(definition.text);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (definition.takes_focus) style |= WS_TABSTOP;

  switch (definition.kind) {
    case ControlKind::PushButton:
      control.window = CreateWindowExW(0, L"BUTTON", text.c_str(), style | BS_PUSHBUTTON,
                                       definition.left, definition.top, definition.width,
                                       definition.height, window_, child_id, instance, nullptr);
      break;
    case ControlKind::EditBox:
      control.window = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                                       style | ES_LEFT | ES_AUTOHSCROLL, definition.left,
                                       definition.top, definition.width, definition.height,
                                       window_, child_id, instance, nullptr);
      break;
    case ControlKind::Label: {
      // A centred, wrapped label is drawn by us: a static control centres only one line
      // vertically.
      const LabelStyle& label = definition.label;
      DWORD kind = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;
      if (label.word_wrap || label.centred)
        kind = label.word_wrap ? SS_OWNERDRAW : SS_CENTER | SS_CENTERIMAGE;
      control.window = CreateWindowExW(0, L"STATIC", text.c_str(), style | kind | SS_NOTIFY,
                                       definition.left, definition.top, definition.width,
                                       definition.height, window_, child_id, instance, nullptr);
      break;
    }
    case ControlKind::StatusBar: {
      control.window = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, style | SBARS_TOOLTIPS, 0,
                                       0, 0, 0, window_, child_id, instance, nullptr);
      // Part 0 holds the fixed label; part 1 takes the rest of the width.
      int edges[2] = {80, -1};
      SendMessageW(control.window, SB_SETPARTS, 2, LPARAM(edges));
      SendMessageW(control.window, SB_SETTEXTW, 0, LPARAM(L"当前状态："));
      break;
    }
    case ControlKind::Toolbar:
      control.toolbar = std::make_unique<Toolbar>(window_, id, definition.buttons);
      control.window = control.toolbar->Window();
      break;
    case ControlKind::WebView: {
      const RECT place{definition.left, definition.top, definition.left + definition.width,
                       definition.top + definition.height};
      const std::string_view name = definition.name;
      RaiseEvent raise = [this, name](std::int32_t code, std::int32_t a, std::int32_t b) {
        return Raise(name, EventKind::WebView, code, a, b);
      };
      if (callbacks_.web_view_factory) {
        control.hosted = callbacks_.web_view_factory(window_, id, place, std::move(raise));
        if (control.hosted) control.window = control.hosted->Window();
      }
      break;
    }
  }
  if (!control.window) return;
  SetWindowPos(control.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(control.window, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (!control.hosted) SetWindowSubclass(control.window, ControlProc, id, DWORD_PTR(this));
}

void TopLevelWindow::RaiseCreatedAndShow() {
  events_held_ = false;
  if (definition_.handles_created) Raise({}, EventKind::Created);
  if (!window_) return;  // a handler may end the program or close the window
  if (definition_.handles_size_changed) Raise({}, EventKind::SizeChanged);
  if (!window_) return;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

// The bars keep to the edges themselves: the toolbar on top at the height of its rows,
// the status bar at the bottom at its own height.
void TopLevelWindow::AlignBars() {
  for (Control& control : controls_) {
    if (!control.window) continue;
    if (control.definition->kind == ControlKind::Toolbar)
      SendMessageW(control.window, TB_AUTOSIZE, 0, 0);
    else if (control.definition->kind == ControlKind::StatusBar)
      SendMessageW(control.window, WM_SIZE, 0, 0);
  }
}

std::optional<std::int32_t> TopLevelWindow::Raise(std::string_view control, EventKind kind,
                                                  std::int32_t code, std::int32_t a,
                                                  std::int32_t b) {
  if (events_held_) return std::nullopt;
  return callbacks_.handler.OnEvent({definition_.id, control, kind, code, a, b});
}

TopLevelWindow::Control* TopLevelWindow::Find(std::string_view name) {
  for (Control& control : controls_)
    if (control.definition->name == name) return &control;
  return nullptr;
}

const TopLevelWindow::Control* TopLevelWindow::Find(std::string_view name) const {
  return const_cast<TopLevelWindow*>(this)->Find(name);
}

TopLevelWindow::Control* TopLevelWindow::FindByWindow(HWND window) {
  for (Control& control : controls_)
    if (control.window == window) return &control;
  return nullptr;
}

HWND TopLevelWindow::ControlWindow(std::string_view name) const {
  const Control* control = Find(name);
  return control ? control->window : nullptr;
}

HostedControl* TopLevelWindow::Hosted(std::string_view name) const {
  const Control* control = Find(name);
  return control ? control->hosted.get() : nullptr;
}

Toolbar* TopLevelWindow::ToolbarNamed(std::string_view name) const {
  const Control* control = Find(name);
  return control ? control->toolbar.get() : nullptr;
}

HWND TopLevelWindow::StatusBarNamed(std::string_view name) const {
  const Control* control = Find(name);
  return control && control->definition->kind == ControlKind::StatusBar ? control->window
                                                                        : nullptr;
}

PropertyValue TopLevelWindow::ReadProperty(std::string_view name, int number) {
  const bool own = name.empty();
  Control* control = own ? nullptr : Find(name);
  const HWND window = own ? window_ : control->window;
  if (control && control->hosted && number >= kText) return control->hosted->ReadProperty(number);

  RECT rect{};
  if (own)
    GetWindowRect(window, &rect);
  else
    rect = PlaceInParent(window);
  switch (number) {
    case kLeft: return std::int32_t(rect.left);
    case kTop: return std::int32_t(rect.top);
    case kWidth: return std::int32_t(rect.right - rect.left);
    case kHeight: return std::int32_t(rect.bottom - rect.top);
    case kTag: return control ? control->tag : std::string();
    case kVisible: return std::int32_t(IsWindowVisible(window) ? 1 : 0);
    case kDisabled: return std::int32_t(IsWindowEnabled(window) ? 0 : 1);
    case kMousePointer: return control ? control->mouse_pointer : 0;
    case kText: return Narrow(WindowText(window));
    default: return std::int32_t{0};
  }
}

void TopLevelWindow::WriteProperty(std::string_view name, int number, const PropertyValue& value) {
  const bool own = name.empty();
  Control* control = own ? nullptr : Find(name);
  const HWND window = own ? window_ : control->window;
  if (control && control->hosted && number >= kText) {
    control->hosted->WriteProperty(number, value);
    return;
  }
  if (number >= kLeft && number <= kHeight) {
    RECT rect = own ? RECT{} : PlaceInParent(window);
    if (own) GetWindowRect(window, &rect);
    int left = rect.left, top = rect.top;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int written = AsInt(value);
    switch (number) {
      case kLeft: left = written; break;
      case kTop: top = written; break;
      case kWidth: width = ClampExtent(written); break;
      case kHeight: height = ClampExtent(written); break;
    }
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (control && control->hosted) control->hosted->Resized();
    return;
  }
  switch (number) {
    case kTag:
      if (control) control->tag = AsText(value);
      break;
    case kVisible: ShowWindow(window, AsInt(value) ? SW_SHOW : SW_HIDE); break;
    case kDisabled: EnableWindow(window, AsInt(value) ? FALSE : TRUE); break;
    case kMousePointer:
      if (control) control->mouse_pointer = AsInt(value);
      break;
    case kText: SetWindowTextW(window, Widen(AsText(value)).c_str()); break;
    default: break;
  }
}

bool TopLevelWindow::PreTranslateMessage(MSG& message) {
  const HWND focus = GetFocus();
  for (Control& control : controls_) {
    if (control.hosted && focus &&
        (focus == control.window || IsChild(control.window, focus)) &&
        control.hosted->PreTranslateMessage(message))
      return true;
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return true;
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
      definition_.enter_moves_focus && focus && FindByWindow(focus) &&
      !(SendMessageW(focus, WM_GETDLGCODE, VK_RETURN, LPARAM(&message)) & DLGC_WANTALLKEYS)) {
    if (const HWND next = GetNextDlgTabItem(window_, focus, FALSE)) SetFocus(next);
    return true;
  }
  // Tab and the arrow keys move between controls as in a dialog.
  return IsDialogMessageW(window_, &message) != 0;
}

LRESULT CALLBACK TopLevelWindow::WindowProc(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TopLevelWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
  }
  auto* self = reinterpret_cast<TopLevelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    for (Control& control : self->controls_) control.window = nullptr;
    const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
    if (self->callbacks_.destroyed) self->callbacks_.destroyed(*self);  // may delete self
    return result;
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT TopLevelWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const HWND from = reinterpret_cast<HWND>(lparam);
      if (!from && id >= kFirstMenuCommand && menu_ && menu_->Has(id - kFirstMenuCommand)) {
        Raise({}, EventKind::MenuChosen, id - kFirstMenuCommand);
        return 0;
      }
      Control* control = from ? FindByWindow(from) : nullptr;
      if (!control) break;
      const std::uint32_t events = control->definition->events;
      if (control->toolbar && id >= kFirstToolbarCommand &&
          id < kFirstToolbarCommand + control->toolbar->ButtonCount()) {
        if (events & kToolbarEvents)
          Raise(control->definition->name, EventKind::ToolbarClicked, id - kFirstToolbarCommand);
      } else if (HIWORD(wparam) == BN_CLICKED &&
                 control->definition->kind == ControlKind::PushButton) {
        if (events & kClicked) Raise(control->definition->name, EventKind::Clicked);
      } else if (HIWORD(wparam) == EN_SETFOCUS) {
        if (events & kGotFocus) Raise(control->definition->name, EventKind::GotFocus);
      } else if (HIWORD(wparam) == EN_KILLFOCUS) {
        if (events & kLostFocus) Raise(control->definition->name, EventKind::LostFocus);
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
        for (Control& control : controls_) {
          if (!control.toolbar) continue;
          if (const wchar_t* tip = control.toolbar->TooltipFor(header->idFrom)) {
            info->lpszText = const_cast<wchar_t*>(tip);
            return 0;
          }
        }
        return 0;
      }
      if (header->code == TBN_DROPDOWN) {
        Control* control = FindByWindow(header->hwndFrom);
        if (control && control->toolbar && (control->definition->events & kToolbarEvents)) {
          const int index = reinterpret_cast<const NMTOOLBARW*>(lparam)->iItem -
                            kFirstToolbarCommand;
          const POINT point = control->toolbar->DropDownPoint(index);
          Raise(control->definition->name, EventKind::ToolbarDropDown, index, point.x, point.y);
        }
        return TBDDRET_DEFAULT;
      }
      break;
    }
    case WM_SIZE:
      AlignBars();
      if (definition_.handles_size_changed) Raise({}, EventKind::SizeChanged);
      return 0;
    case WM_CTLCOLORSTATIC: {
      Control* control = FindByWindow(reinterpret_cast<HWND>(lparam));
      // Labels in the system's colours are left to the default (and to the skin engine);
      // colours the definition picks are the program's own.
      if (control && control->definition->kind == ControlKind::Label &&
          !control->definition->label.background.system_button_face) {
        const LabelStyle& label = control->definition->label;
        const HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, ToColorRef(label.text));
        SetBkColor(dc, ToColorRef(label.background));
        return reinterpret_cast<LRESULT>(BrushFor(label.background));
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlType == ODT_STATIC) {
        DrawLabel(item);
        return TRUE;
      }
      break;
    }
    case WM_DESTROY:
      // Nothing reaches the handlers from a window on its way out (its controls lose the
      // focus and resize while they go).
      events_held_ = true;
      // The menu bar object owns its menus: take them back before the system destroys them
      // with the window.
      if (menu_) SetMenu(window_, nullptr);
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

LRESULT CALLBACK TopLevelWindow::ControlProc(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TopLevelWindow*>(data);
  Control* control = self->FindByWindow(window);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, ControlProc, GetDlgCtrlID(window));
  if (!control) return DefSubclassProc(window, message, wparam, lparam);
  return self->HandleControl(*control, window, message, wparam, lparam);
}

LRESULT TopLevelWindow::HandleControl(Control& control, HWND window, UINT message, WPARAM wparam,
                                      LPARAM lparam) {
  if (message == WM_LBUTTONDBLCLK && (control.definition->events & kDoubleClicked)) {
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    Raise(control.definition->name, EventKind::DoubleClicked, 0, GET_X_LPARAM(lparam),
          GET_Y_LPARAM(lparam));
    return result;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

HBRUSH TopLevelWindow::BrushFor(const Colour& colour) {
  if (colour.system_button_face) return GetSysColorBrush(COLOR_BTNFACE);
  for (auto& [rgb, brush] : brushes_)
    if (rgb == colour.rgb) return brush;
  brushes_.emplace_back(COLORREF(colour.rgb), CreateSolidBrush(colour.rgb));
  return brushes_.back().second;
}

void TopLevelWindow::DrawLabel(const DRAWITEMSTRUCT& item) {
  Control* control = FindByWindow(item.hwndItem);
  if (!control) return;
  const LabelStyle& label = control->definition->label;
  FillRect(item.hDC, &item.rcItem, BrushFor(label.background));
  const std::wstring text = WindowText(item.hwndItem);
  const HGDIOBJ font = SelectObject(item.hDC, GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(item.hDC, ToColorRef(label.text));
  SetBkMode(item.hDC, TRANSPARENT);
  const UINT horizontal = label.centred ? DT_CENTER : DT_LEFT;
  RECT measured = item.rcItem;
  DrawTextW(item.hDC, text.c_str(), int(text.size()), &measured,
            DT_CALCRECT | DT_WORDBREAK | horizontal | DT_NOPREFIX);
  RECT place = item.rcItem;
  const int height = measured.bottom - measured.top;
  place.top += (item.rcItem.bottom - item.rcItem.top - height) / 2;
  place.bottom = place.top + height;
  DrawTextW(item.hDC, text.c_str(), int(text.size()), &place,
            DT_WORDBREAK | horizontal | DT_NOPREFIX);
  SelectObject(item.hDC, font);
}

}  // namespace tavrin::ui::win32
