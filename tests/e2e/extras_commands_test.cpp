// The auxiliary commands from outside: the About window, Internet Options (Wine's control
// panel, waited for), the new-window prompt and Exit.
#include "e2e_support.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <set>

#include "app/menu_tree.h"

namespace {

using namespace e2e;

const std::wstring kAboutTitle = L"关于Tavrin浏览器说明";
const std::wstring kAboutText = L"Tavrin浏览器 \r\n\r\n纯属Ostrel自学者 \r\n\r\n娱乐制作 ";
constexpr int kCloseButton = 0, kLabel = 1;  // their definition's order
constexpr COLORREF kGreen = RGB(0, 255, 0);

void Choose(Program& program, int menu_item) {
  PostMessageW(program.Main(), WM_COMMAND, MenuCommand(menu_item), 0);
}

void CloseAndExpectZero(Program& program) {
  PostMessageW(program.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

// The visible top-level windows of a process.
struct ProcessQuery {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchProcess(HWND window, LPARAM data) {  // stdcall in the 32-bit build
  auto& query = *reinterpret_cast<ProcessQuery*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == query.pid && IsWindowVisible(window)) query.found.push_back(window);
  return TRUE;
}

std::vector<HWND> WindowsOf(DWORD pid) {
  ProcessQuery query{pid, {}};
  EnumWindows(MatchProcess, LPARAM(&query));
  return query.found;
}

// The processes whose parent is this one, by executable name.
std::vector<std::pair<DWORD, std::wstring>> ChildrenOf(DWORD pid) {
  std::vector<std::pair<DWORD, std::wstring>> children;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{sizeof entry};
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (entry.th32ParentProcessID == pid) children.emplace_back(entry.th32ProcessID, entry.szExeFile);
  CloseHandle(snapshot);
  return children;
}

bool Answers(HWND window, UINT timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeout_ms, &result) != 0;
}

TEST(About, OpensModallyWithItsTextsAndGreenAndClosesThreeWays) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);

  struct Way {
    const char* what;
    std::function<void(HWND about)> close;
  };
  const Way ways[] = {
      {"Close button",
       [](HWND about) { PostMessageW(GetDlgItem(about, ControlId(kCloseButton)), BM_CLICK, 0, 0); }},
      {"close box", [](HWND about) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Esc",
       [](HWND about) {
         ASSERT_TRUE(Focus(GetDlgItem(about, ControlId(kCloseButton))));
         PressKey(VK_ESCAPE);
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    Choose(program, tavrin::kMenuAboutBrowser);
    const HWND about = program.WaitForWindow(L"Tavrin.AboutWindow", &kAboutTitle);
    ASSERT_TRUE(about);
    EXPECT_FALSE(IsWindowEnabled(program.Main()));

    // Fresh and centred each time, wherever the last one was left.
    const RECT outer = WindowRectOf(about);
    EXPECT_EQ(outer.right - outer.left, 380);
    EXPECT_EQ(outer.bottom - outer.top, 250);
    EXPECT_EQ(outer.left, work.left + (work.right - work.left - 380) / 2);
    EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - 250) / 2);
    const LONG style = GetWindowLongW(about, GWL_STYLE);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    const HWND button = GetDlgItem(about, ControlId(kCloseButton));
    const HWND label = GetDlgItem(about, ControlId(kLabel));
    ASSERT_TRUE(button && label);
    EXPECT_EQ(WindowText(button), L"关闭");
    EXPECT_EQ(WindowText(label), kAboutText);
    EXPECT_EQ(GetWindow(about, GW_CHILD), button);  // drawn above the label
    const RECT button_place = PlaceInParent(button);
    const RECT label_place = PlaceInParent(label);
    EXPECT_EQ(button_place.left, 152);
    EXPECT_EQ(button_place.top, 144);
    EXPECT_EQ(button_place.right, 224);
    EXPECT_EQ(button_place.bottom, 176);
    EXPECT_EQ(label_place.left, 64);
    EXPECT_EQ(label_place.top, 24);
    EXPECT_EQ(label_place.right, 312);
    EXPECT_EQ(label_place.bottom, 184);

    // Move it away, so that the next opening shows it is centred anew.
    SetWindowPos(about, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    way.close(about);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program.Main()) != 0; }));
  }
  CloseAndExpectZero(program);
}

TEST(About, IsGreenWithBlackTextOnAScreenshot) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  Choose(program, tavrin::kMenuAboutBrowser);
  const HWND about = program.WaitForWindow(L"Tavrin.AboutWindow", &kAboutTitle);
  ASSERT_TRUE(about);
  SetForegroundWindow(about);
  const HWND label = GetDlgItem(about, ControlId(kLabel));
  RECT label_rect = WindowRectOf(label);
  RECT client{};
  GetClientRect(about, &client);
  MapWindowPoints(about, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  // Once painted, the client area outside the label and the label's own corners are green.
  ASSERT_TRUE(WaitFor([&] {
    return Near(Screenshot(WindowRectOf(about)).Pixel(client.left + 10, client.top + 10), kGreen, 8);
  }));
  const Screenshot shot(WindowRectOf(about));
  EXPECT_TRUE(Near(shot.Pixel(client.right - 10, client.bottom - 10), kGreen, 8));
  EXPECT_TRUE(Near(shot.Pixel(label_rect.left + 2, label_rect.top + 2), kGreen, 8));
  // The text is dark on it: count the label's dark pixels above the button.
  int dark = 0;
  for (int y = label_rect.top; y < label_rect.top + 110; ++y)
    for (int x = label_rect.left; x < label_rect.right; ++x)
      if (Near(shot.Pixel(x, y), RGB(0, 0, 0), 90)) ++dark;
  EXPECT_GT(dark, 50);
  PostMessageW(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }));
  CloseAndExpectZero(program);
}

TEST(InternetOptions, RunsTheControlPanelAndHoldsTheProgramUntilItEnds) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  ASSERT_TRUE(Answers(program.Main(), 5000));
  Choose(program, tavrin::kMenuInternetOptions);

  std::vector<std::pair<DWORD, std::wstring>> children;
  ASSERT_TRUE(WaitFor([&] {
    children = ChildrenOf(program.ProcessId());
    return !children.empty();
  }));
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(_wcsicmp(children[0].second.c_str(), L"control.exe"), 0)
      << Narrow(children[0].second);
  const DWORD panel = children[0].first;
  std::vector<HWND> panel_windows;
  ASSERT_TRUE(WaitFor([&] {
    panel_windows = WindowsOf(panel);
    return !panel_windows.empty();
  }, 20s));

  // The program's thread waits for the control panel: its windows answer nothing.
  EXPECT_FALSE(Answers(program.Main(), 2000));

  // Closing the control panel ends its process, and the program answers again.
  for (HWND window : panel_windows) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, panel);
  if (process) {
    EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    CloseHandle(process);
  }
  EXPECT_TRUE(Answers(program.Main(), 10000));
  CloseAndExpectZero(program);
}

TEST(NewWindowPrompt, AsksAndChangesNothingWhateverTheAnswer) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  const std::wstring title = WindowText(program.Main());
  const std::wstring address = WindowText(program.Control(4));
  const std::wstring kPromptTitle = L"请输入：";

  struct Case {
    const char* what;
    const wchar_t* typed;
    int button;  // IDOK or IDCANCEL
  };
  const Case cases[] = {
      {"confirmed with a text", L"http://example.com/", IDOK},
      {"confirmed empty", L"", IDOK},
      {"cancelled", L"typed then cancelled", IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Choose(program, tavrin::kMenuNewWindow);
    const HWND box = program.WaitForWindow(L"#32770", &kPromptTitle);
    ASSERT_TRUE(box);
    std::set<std::wstring> texts;
    HWND field = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      texts.insert(WindowText(child));
      if (ClassOf(child) == L"Edit") field = child;
    }
    EXPECT_TRUE(texts.count(L"输入"));
    EXPECT_TRUE(texts.count(L"确认输入(&O)"));
    EXPECT_TRUE(texts.count(L"取消(&C)"));
    ASSERT_TRUE(field);
    EXPECT_EQ(WindowText(field), L"");
    SendMessageW(field, WM_SETTEXT, 0, LPARAM(c.typed));
    PostMessageW(GetDlgItem(box, c.button), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));

    ASSERT_TRUE(Answers(program.Main(), 5000));
    EXPECT_EQ(WindowsOf(program.ProcessId()), std::vector<HWND>{program.Main()});
    EXPECT_TRUE(IsWindowEnabled(program.Main()));
    EXPECT_EQ(WindowText(program.Main()), title);
    EXPECT_EQ(WindowText(program.Control(4)), address);
  }
  CloseAndExpectZero(program);
}

TEST(Exit, EndsWithCodeZero) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  Choose(program, tavrin::kMenuExit);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(Exit, EndsWithCodeZeroWhileAPageIsLoading) {
  HttpServer server(HttpServer::Answer::Never);  // the page stays loading
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  const std::wstring url = server.Url("/slow");
  SendMessageW(program.Control(4), WM_SETTEXT, 0, LPARAM(url.c_str()));
  PostMessageW(program.Control(1), BM_CLICK, 0, 0);  // 转到
  ASSERT_TRUE(server.WaitForPath("/slow"));
  Choose(program, tavrin::kMenuExit);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
