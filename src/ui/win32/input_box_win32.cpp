#include "ui/win32/input_box_win32.h"

#include <windows.h>

#include <vector>

#include "ui/win32/text_win32.h"

namespace tavrin::ui::win32 {
namespace {

constexpr int kPromptId = 100;
constexpr int kFieldId = 101;

// A dialog template written out in memory: the dialog is a real #32770 dialog, so keyboard
// navigation, the default button and Esc work as in every other dialog of the system.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const wchar_t* text) {
    do Word(*text); while (*text++);
  }
  void Align() {
    if (words_.size() % 2) Word(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD class_atom,
            const wchar_t* text) {
    Align();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short v : {x, y, cx, cy}) Word(WORD(v));
    Word(id);
    Word(0xFFFF);
    Word(class_atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct InputState {
  std::wstring prompt;
  std::wstring text;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      state = reinterpret_cast<InputState*>(lparam);
      SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
      SetDlgItemTextW(dialog, kFieldId, state->text.c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        const HWND field = GetDlgItem(dialog, kFieldId);
        std::wstring text(GetWindowTextLengthW(field) + 1, L'\0');
        text.resize(GetWindowTextW(field, text.data(), int(text.size())));
        state->text = std::move(text);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

bool RunInputBox(std::string_view prompt, std::string& text) {
  TemplateWriter writer;
  writer.Dword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  writer.Dword(0);
  writer.Word(4);  // items
  for (short v : {0, 0, 240, 76}) writer.Word(WORD(v));
  writer.Word(0);  // no menu
  writer.Word(0);  // the dialog class
  writer.Text(kInputBoxTitle);
  writer.Word(9);
  writer.Text(L"MS Shell Dlg");
  writer.Item(SS_LEFT, 8, 8, 224, 20, kPromptId, 0x0082, L"");
  writer.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 32, 224, 13, kFieldId, 0x0081, L"");
  writer.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 64, 54, 80, 16, IDOK, 0x0080, L"确认输入(&O)");
  writer.Item(BS_PUSHBUTTON | WS_TABSTOP, 152, 54, 80, 16, IDCANCEL, 0x0080, L"取消(&C)");

  InputState state{Widen(prompt), Widen(text)};
  // Owned by the active window of the program, so that it stays modal to it.
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), writer.Data(),
                                                 GetActiveWindow(), InputBoxProc,
                                                 reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return false;
  text = Narrow(state.text);
  return true;
}

}  // namespace tavrin::ui::win32
