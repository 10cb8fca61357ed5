// The application frame from outside: installed files, the main window, its controls and
// layout, the menu bar and toolbar, the ways the program ends.
#include "e2e_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace e2e;

const std::wstring kLibrary = L"SkinH_EL.dll";
const std::wstring kErrorTitle = L"错误";

std::wstring SystemLibrary() { return SystemFolder() + kLibrary; }

// Each test starts from a machine where the program never ran.
void ForgetEarlierRuns() {
  RemoveTree(SystemLibrary());
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((TempFolder() + L"*.she").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do RemoveTree(TempFolder() + found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
}

std::vector<std::wstring> SkinFilesInTemp() {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((TempFolder() + L"*.she").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool SameTime(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

// Reads a rectangle that a control writes through a pointer, from the program's memory.
RECT RemoteRect(HWND window, UINT message, WPARAM wparam) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  RECT rect{};
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return rect;
  void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
  SendMessageW(window, message, wparam, LPARAM(remote));
  ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return rect;
}

class Frame : public ::testing::Test {
 protected:
  void SetUp() override { ForgetEarlierRuns(); }
  void TearDown() override { ForgetEarlierRuns(); }

  void CloseAndExpectZero(Program& program) {
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  }
};

TEST_F(Frame, FirstStartInstallsTheLibraryAndTheDefaultSkinAndLaterStartsKeepThem) {
  ProgramFolder folder;
  {
    Program program(folder);
    ASSERT_TRUE(program.WaitForMainWindow());
    CloseAndExpectZero(program);
  }
  const std::vector<char> carried = ReadAll(BuildFolder() + L"\\" + kLibrary);
  ASSERT_GT(carried.size(), 2u);
  EXPECT_EQ(ReadAll(SystemLibrary()), carried);
  EXPECT_EQ(SkinFilesInTemp(), std::vector<std::wstring>{L"enjoy.she"});
  const std::vector<char> skin = ReadAll(TempFolder() + L"enjoy.she");
  ASSERT_GE(skin.size(), 4u);
  EXPECT_EQ(std::string(skin.data(), 4), ".SHE");
  EXPECT_FALSE(Exists(folder.Path() + L"\\" + kLibrary));

  const FILETIME library_time = LastWrite(SystemLibrary());
  const FILETIME skin_time = LastWrite(TempFolder() + L"enjoy.she");
  Sleep(1100);  // past the file system's time resolution
  {
    Program program(folder);
    ASSERT_TRUE(program.WaitForMainWindow());
    CloseAndExpectZero(program);
  }
  EXPECT_TRUE(SameTime(LastWrite(SystemLibrary()), library_time));
  EXPECT_TRUE(SameTime(LastWrite(TempFolder() + L"enjoy.she"), skin_time));
}

TEST_F(Frame, AFolderNamedLikeTheLibraryIsLeftAloneAndTheFirstSkinCallIsFatal) {
  ASSERT_TRUE(CreateDirectoryW(SystemLibrary().c_str(), nullptr));
  ProgramFolder folder;
  Program program(folder);
  const auto text = program.DismissMessageBox(kErrorTitle);
  ASSERT_TRUE(text.has_value());
  EXPECT_NE(text->find(L"SkinH_EL.dll"), std::wstring::npos) << Narrow(*text);
  EXPECT_NE(text->find(L"SkinH_Attach_Ex"), std::wstring::npos) << Narrow(*text);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(DWORD(-1)));
  EXPECT_TRUE(IsFolder(SystemLibrary()));
}

TEST_F(Frame, AnEmptyLibraryIsFatalUnlessAGoodCopyStandsBesideTheProgram) {
  ASSERT_TRUE(WriteAll(SystemLibrary(), {}));
  ProgramFolder folder;
  {
    Program program(folder);
    ASSERT_TRUE(program.DismissMessageBox(kErrorTitle).has_value());
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(DWORD(-1)));
  }
  EXPECT_TRUE(ReadAll(SystemLibrary()).empty());  // never replaced

  folder.Add(kLibrary);
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  CloseAndExpectZero(program);
  EXPECT_TRUE(ReadAll(SystemLibrary()).empty());
}

TEST_F(Frame, MainWindowHasItsTitlePlaceControlsAndLayout) {
  ProgramFolder folder;
  Program program(folder);
  const HWND main = program.WaitForMainWindow();
  ASSERT_TRUE(main);
  EXPECT_EQ(WindowText(main), L"Tavrin专用浏览器");
  const RECT outer = WindowRectOf(main);
  EXPECT_EQ(outer.left, 50);
  EXPECT_EQ(outer.top, 50);
  EXPECT_EQ(outer.right - outer.left, 770);
  EXPECT_EQ(outer.bottom - outer.top, 511);
  EXPECT_FALSE(GetWindowLongW(main, GWL_STYLE) & WS_THICKFRAME);
  // Menus are per process under Wine; the tree itself is checked in process (window services).
  EXPECT_TRUE(GetMenu(main));

  struct Expected {
    int index;
    const wchar_t* class_name;
    const wchar_t* text;
  };
  const Expected controls[] = {
      {0, L"Button", L"删除"},  {1, L"Button", L"转到"}, {2, L"msctls_statusbar32", nullptr},
      {3, nullptr, nullptr},     {4, L"Edit", L""},       {5, L"Static", L"地址："},
      {6, L"ToolbarWindow32", nullptr}};
  for (const Expected& expected : controls) {
    SCOPED_TRACE(expected.index);
    const HWND control = program.Control(expected.index);
    ASSERT_TRUE(control);
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
    if (expected.class_name) EXPECT_EQ(ClassOf(control), expected.class_name);
    if (expected.text) EXPECT_EQ(WindowText(control), expected.text);
  }
  // The first control of the definition lies on top of all the others.
  EXPECT_EQ(GetWindow(main, GW_CHILD), program.Control(0));

  const HWND status = program.Control(2);
  wchar_t part0[64] = {};
  EXPECT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 2);
  SendMessageW(status, SB_GETTEXTW, 0, LPARAM(part0));  // the bar's own memory: text copied by Wine
  auto check_layout = [&](const char* when) {
    SCOPED_TRACE(when);
    const RECT client = ClientRectOf(main);
    const RECT web = PlaceInParent(program.Control(3));
    const RECT bar = PlaceInParent(status);
    const RECT address = PlaceInParent(program.Control(4));
    EXPECT_EQ(web.left, 0);
    EXPECT_EQ(web.top, 40);
    EXPECT_EQ(web.right - web.left, std::max<LONG>(client.right - 10, 0));
    EXPECT_EQ(web.bottom - web.top, std::max<LONG>(bar.top - 40 - 10, 0));
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.right - bar.left, client.right);
    EXPECT_EQ(address.left, 400);
    EXPECT_EQ(address.right - address.left, 250);
    EXPECT_EQ(PlaceInParent(program.Control(1)).left, 664);
    EXPECT_EQ(PlaceInParent(program.Control(0)).left, 704);
    EXPECT_EQ(PlaceInParent(program.Control(6)).top, 0);
  };
  check_layout("loaded");

  SendMessageW(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(main) != 0; }));
  check_layout("maximised");
  EXPECT_GT(ClientRectOf(main).right, 770);

  SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != 0; }));
  const RECT web = PlaceInParent(program.Control(3));
  EXPECT_EQ(web.right - web.left, 0);
  EXPECT_EQ(web.bottom - web.top, 0);

  SendMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(main); }));
  check_layout("restored");

  Screenshot(WindowRectOf(main)).SaveBmp(BuildFolder() + L"\\main_window.bmp");
  CloseAndExpectZero(program);
}

TEST_F(Frame, ToolbarHasTwentyButtonsWithStatesAndTooltips) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  const HWND toolbar = program.Control(6);
  ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 20);
  for (int index = 0; index < 20; ++index) {
    const LRESULT state = SendMessageW(toolbar, TB_GETSTATE, ToolbarCommand(index), 0);
    EXPECT_EQ(bool(state & TBSTATE_ENABLED), index != 1) << index;
  }

  // Hovering shows each button's tooltip.
  const std::pair<int, const wchar_t*> tips[] = {{0, L"首页"}, {1, L"后退"}, {2, L"前进"},
                                                 {3, L"停止"}, {4, L"刷新"}, {6, L"字体"},
                                                 {7, L"打印"}};
  const HWND tooltip = HWND(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
  ASSERT_TRUE(tooltip);
  for (const auto& [index, text] : tips) {
    SCOPED_TRACE(index);
    RECT rect = RemoteRect(toolbar, TB_GETRECT, ToolbarCommand(index));
    MapWindowPoints(toolbar, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    MoveMouseTo({(rect.left + rect.right) / 2 - 3, (rect.top + rect.bottom) / 2 - 3});
    MoveMouseTo({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(tooltip) && WindowText(tooltip) == text; },
                        5s))
        << Narrow(WindowText(tooltip));
  }
  MoveMouseTo({5, 900});
  CloseAndExpectZero(program);
}

TEST_F(Frame, EnterMovesTheFocusOnAndEscEndsTheProgram) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  const HWND address = program.Control(4);
  ASSERT_TRUE(Focus(address));
  PressKey(VK_RETURN);
  const DWORD thread = GetWindowThreadProcessId(address, nullptr);
  EXPECT_TRUE(WaitFor([&] {
    GUITHREADINFO info{sizeof info};
    return GetGUIThreadInfo(thread, &info) && info.hwndFocus && info.hwndFocus != address;
  }));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(Frame, TheCloseBoxEndsTheProgramWithZero) {
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  PostMessageW(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
