// A window like the browser's main window, skinned by SkinH_EL.dll, for looking at
// the skins (tools/wine-session.sh + `import -window root`).
// Usage: skin_demo <skin file> [scene] [second skin file]
//   scene: main (default), menu (the File menu open), sysmenu (the window menu open), msgbox (a message box on top),
//          about (a green About window on top), input (an input box on top),
//          inactive (another window active)
// The demo closes itself after 6 seconds.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace {

using Attach = int(__stdcall*)(const char*, const char*);

enum : UINT { kTimerScene = 1, kTimerQuit = 2, kTimerSecond = 3 };
enum : int { kIdGo = 100, kIdFav = 101, kIdEdit = 102, kIdStatus = 103, kIdToolbar = 104, kIdLabel = 105 };

std::wstring g_scene;
std::string g_second_skin;
Attach g_attach = nullptr;
HWND g_main = nullptr;

HMENU build_menu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 1, L"新建窗口(&N)\tCtrl+N");
  AppendMenuW(file, MF_STRING, 2, L"打开(&O)...");
  AppendMenuW(file, MF_STRING | MF_CHECKED, 3, L"脱机工作(&W)");
  AppendMenuW(file, MF_STRING | MF_GRAYED, 4, L"另存为(&A)...");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, 5, L"退出(&X)");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&F文件");
  const wchar_t* rest[] = {L"&E编辑", L"&V查看", L"&A收藏", L"&T工具", L"&H帮助"};
  for (const wchar_t* name : rest) {
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 10, L"项目(&I)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), name);
  }
  return bar;
}

void build_toolbar(HWND parent, HINSTANCE instance) {
  HWND tb = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP, 0, 0, 0, 0,
                            parent, reinterpret_cast<HMENU>(kIdToolbar), instance, nullptr);
  SendMessageW(tb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(tb, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  const wchar_t* labels[] = {L"后退", L"前进", L"停止", L"刷新", L"主页", L"收藏"};
  const int images[] = {STD_UNDO, STD_REDOW, STD_DELETE, STD_FIND, STD_PROPERTIES, STD_FILEOPEN};
  TBBUTTON buttons[7] = {};
  int n = 0;
  for (int i = 0; i < 6; ++i) {
    if (i == 2) buttons[n++] = TBBUTTON{0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
    buttons[n++] = TBBUTTON{images[i], 200 + i, static_cast<BYTE>(i == 1 ? 0 : TBSTATE_ENABLED), BTNS_BUTTON, {}, 0,
                            reinterpret_cast<INT_PTR>(labels[i])};
  }
  SendMessageW(tb, TB_ADDBUTTONSW, n, reinterpret_cast<LPARAM>(buttons));
  SendMessageW(tb, TB_AUTOSIZE, 0, 0);
}

LRESULT CALLBACK about_proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  static HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  if (m == WM_CTLCOLORSTATIC) {
    SetTextColor(reinterpret_cast<HDC>(w), RGB(0, 0, 0));
    SetBkColor(reinterpret_cast<HDC>(w), RGB(0, 255, 0));
    return reinterpret_cast<LRESULT>(green);
  }
  return DefWindowProcW(h, m, w, l);
}

INT_PTR CALLBACK input_proc(HWND h, UINT m, WPARAM w, LPARAM) {
  if (m == WM_INITDIALOG) SetTimer(h, 9, 4000, nullptr);
  if ((m == WM_COMMAND && LOWORD(w) == IDOK) || m == WM_TIMER) EndDialog(h, 0);
  return m == WM_INITDIALOG;
}

void CALLBACK quit_now(HWND, UINT, UINT_PTR, DWORD) { ExitProcess(0); }

HWND make_about(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = about_proc;
  wc.hInstance = instance;
  wc.hbrBackground = CreateSolidBrush(RGB(0, 255, 0));
  wc.lpszClassName = L"DemoAbout";
  RegisterClassW(&wc);
  HWND about = CreateWindowExW(WS_EX_DLGMODALFRAME, L"DemoAbout", L"关于", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 300, 200,
                               300, 180, g_main, nullptr, instance, nullptr);
  CreateWindowExW(0, L"Static", L"Tavrin专用浏览器 1.0", WS_CHILD | WS_VISIBLE, 20, 20, 240, 40, about, nullptr, instance,
                  nullptr);
  CreateWindowExW(0, L"Button", L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 100, 90, 90, 28, about, nullptr,
                  instance, nullptr);
  return about;
}

void show_input_box(HWND owner) {
  // An in-memory dialog template, as an input box would build it.
  alignas(4) static WORD buffer[512] = {};
  WORD* p = buffer;
  auto* dlg = reinterpret_cast<DLGTEMPLATE*>(p);
  dlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE;
  dlg->cdit = 3;
  dlg->x = 60, dlg->y = 60, dlg->cx = 200, dlg->cy = 70;
  p = reinterpret_cast<WORD*>(dlg + 1);
  *p++ = 0;  // no menu
  *p++ = 0;  // default class
  for (const wchar_t* s = L"输入框"; (*p++ = *s++);) {}
  *p++ = 9;
  for (const wchar_t* s = L"Tahoma"; (*p++ = *s++);) {}
  auto item = [&](DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls, const wchar_t* text) {
    p = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR{3});
    auto* it = reinterpret_cast<DLGITEMTEMPLATE*>(p);
    it->style = style | WS_CHILD | WS_VISIBLE;
    it->x = x, it->y = y, it->cx = cx, it->cy = cy, it->id = id;
    p = reinterpret_cast<WORD*>(it + 1);
    *p++ = 0xFFFF;
    *p++ = cls;
    for (const wchar_t* s = text; (*p++ = *s++);) {}
    *p++ = 0;
  };
  item(SS_LEFT, 7, 7, 186, 10, 1000, 0x0082, L"请输入网址：");
  item(WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 7, 20, 186, 12, 1001, 0x0081, L"http://example.com");
  item(BS_DEFPUSHBUTTON | WS_TABSTOP, 143, 50, 50, 14, IDOK, 0x0080, L"确定");
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dlg, owner, input_proc, 0);
}

LRESULT CALLBACK main_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_SIZE: {
      SendMessageW(GetDlgItem(hwnd, kIdToolbar), TB_AUTOSIZE, 0, 0);
      SendMessageW(GetDlgItem(hwnd, kIdStatus), WM_SIZE, 0, 0);
      return 0;
    }
    case WM_TIMER:
      if (wparam == kTimerQuit) DestroyWindow(hwnd);
      if (wparam == kTimerSecond) {
        KillTimer(hwnd, kTimerSecond);
        g_attach(g_second_skin.c_str(), "");
      }
      if (wparam == kTimerScene) {
        KillTimer(hwnd, kTimerScene);
        if (g_scene == L"menu") {
          // Open the File menu as Alt+F would.
          PostMessageW(hwnd, WM_SYSCOMMAND, SC_KEYMENU, 'f');
        } else if (g_scene == L"sysmenu") {
          PostMessageW(hwnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        } else if (g_scene == L"msgbox") {
          SetTimer(hwnd, kTimerQuit, 4000, quit_now);
          MessageBoxW(hwnd, L"确实要退出 Tavrin专用浏览器 吗？", L"提示", MB_YESNO | MB_ICONQUESTION);
        } else if (g_scene == L"about") {
          make_about(GetModuleHandleW(nullptr));
        } else if (g_scene == L"input") {
          show_input_box(hwnd);
        } else if (g_scene == L"inactive") {
          HWND other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE | WS_BORDER, 900, 700, 100, 50,
                                       nullptr, nullptr, nullptr, nullptr);
          SetForegroundWindow(other);
          SetActiveWindow(other);
        }
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  auto narrow = [](const wchar_t* w) {
    char buffer[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, w, -1, buffer, sizeof buffer, nullptr, nullptr);
    return std::string(buffer);
  };
  const std::string skin = narrow(argv[1]);
  g_scene = argc > 2 ? argv[2] : L"main";
  if (argc > 3) g_second_skin = narrow(argv[3]);

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  WNDCLASSW wc{};
  wc.lpfnWndProc = main_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"TavrinDemoMain";
  RegisterClassW(&wc);
  // The web control's window: the engine must leave it alone.
  WNDCLASSW web{};
  web.lpfnWndProc = DefWindowProcW;
  web.hInstance = instance;
  web.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  web.lpszClassName = L"Shell Embedding";
  RegisterClassW(&web);

  g_main = CreateWindowExW(0, L"TavrinDemoMain", L"Tavrin专用浏览器",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, 40,
                           40, 770, 511, nullptr, build_menu(), instance, nullptr);
  build_toolbar(g_main, instance);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex, int x, int y, int w, int h, int id) {
    HWND c = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, g_main,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return c;
  };
  child(L"Static", L"地址：", SS_LEFT, 0, 8, 52, 40, 18, kIdLabel);
  child(L"Edit", L"http://www.example.com/", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 50, 48, 520, 22, kIdEdit);
  child(L"Button", L"转到", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 580, 46, 80, 26, kIdGo);
  child(L"Button", L"收藏", BS_PUSHBUTTON | WS_TABSTOP, 0, 668, 46, 80, 26, kIdFav);
  CreateWindowExW(WS_EX_CLIENTEDGE, L"Shell Embedding", nullptr, WS_CHILD | WS_VISIBLE, 0, 78, 754, 330, g_main, nullptr,
                  instance, nullptr);
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, g_main,
                                reinterpret_cast<HMENU>(kIdStatus), instance, nullptr);
  int parts[] = {560, -1};
  SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"就绪"));
  SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"Internet"));

  HMODULE engine = LoadLibraryW(L"SkinH_EL.dll");
  g_attach = engine ? reinterpret_cast<Attach>(reinterpret_cast<void*>(GetProcAddress(engine, "SkinH_Attach_Ex"))) : nullptr;
  if (!g_attach) return 3;
  const int attached = g_attach(skin.c_str(), "");
  ShowWindow(g_main, SW_SHOW);
  UpdateWindow(g_main);
  SetFocus(GetDlgItem(g_main, kIdEdit));
  SetTimer(g_main, kTimerScene, 800, nullptr);
  SetTimer(g_main, kTimerQuit, 6000, nullptr);
  if (!g_second_skin.empty()) SetTimer(g_main, kTimerSecond, 1500, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  LocalFree(argv);
  return attached ? 0 : 1;
}
