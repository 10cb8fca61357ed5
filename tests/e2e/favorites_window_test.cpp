// The favorites window from outside: both menu items open it modally; Add writes the
// Internet shortcut through the shell's Add to Favorites dialog; Organise opens the dialog of
// the library that the browser version names. Wine's own favorites dialogs cannot serve
// (DoAddToFavDlg ends the process, DoOrganizeFavDlg shows nothing), so stand-ins from the
// build's fake_shell folder lie beside the program and record what they were given.
#include "e2e_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "../win32/favorites/wine_unix_command_win32.h"
#include "app/menu_tree.h"

namespace {

using namespace e2e;

const std::wstring kTitle = L"添加到收藏夹";
const std::wstring kMessageTitle = L"信息：";
constexpr int kUrlBox = 0, kAddButton = 1, kOrganizeButton = 2;  // their definition's order

std::string Text(const std::vector<char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Every top-level window of a process with this title, shown or not.
struct TitleQuery {
  DWORD pid;
  const std::wstring& title;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {  // stdcall in the 32-bit build
  auto& query = *reinterpret_cast<TitleQuery*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == query.pid && WindowText(window) == query.title) query.found.push_back(window);
  return TRUE;
}

std::vector<HWND> WindowsTitled(DWORD pid, const std::wstring& title) {
  TitleQuery query{pid, title, {}};
  EnumWindows(MatchTitle, LPARAM(&query));
  return query.found;
}

// Sets HKLM ...\Internet Explorer "Version" for one test and puts Wine's back after.
class BrowserVersion {
 public:
  explicit BrowserVersion(const char* version) {
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer", 0, nullptr, 0,
                    KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    DWORD size = sizeof original_ - 1;
    RegQueryValueExA(key_, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(original_), &size);
    Set(version);
  }
  ~BrowserVersion() {
    Set(original_);
    RegCloseKey(key_);
  }

 private:
  void Set(const char* version) {
    RegSetValueExA(key_, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   DWORD(strlen(version) + 1));
  }
  HKEY key_ = nullptr;
  char original_[128] = "9.11.9600.18376";
};

class FavoritesWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = folder_.Path() + L"\\calls.log";
    target_ = folder_.Path() + L"\\Example.url";
  }

  // Starts the program with the stand-in libraries beside it and preferred by Wine.
  void Start(const std::vector<std::wstring>& extra = {}) {
    folder_.Add(L"fake_shell\\shdocvw.dll", L"shdocvw.dll");
    std::vector<std::wstring> environment{L"TAVRIN_FAKE_SHELL_LOG=" + log_,
                                          L"TAVRIN_FAKE_FAVORITE_PATH=" + target_};
    environment.insert(environment.end(), extra.begin(), extra.end());
    program_.emplace(folder_, environment);
    ASSERT_TRUE(program_->WaitForMainWindow());
  }

  HWND Open(int menu_item) {
    PostMessageW(program_->Main(), WM_COMMAND, MenuCommand(menu_item), 0);
    return program_->WaitForWindow(L"Tavrin.FavoritesWindow", &kTitle);
  }

  // Types the address into the URL box and clicks Add.
  void Add(HWND window, const std::wstring& url) {
    SendMessageW(GetDlgItem(window, ControlId(kUrlBox)), WM_SETTEXT, 0, LPARAM(url.c_str()));
    PostMessageW(GetDlgItem(window, ControlId(kAddButton)), BM_CLICK, 0, 0);
  }

  std::vector<std::string> Calls() {
    std::vector<std::string> lines;
    std::string text = Text(ReadAll(log_));
    for (std::size_t at; (at = text.find('\n')) != std::string::npos; text.erase(0, at + 1))
      lines.push_back(text.substr(0, at));
    return lines;
  }
  bool WaitForCalls(std::size_t count) {
    return WaitFor([&] { return Calls().size() >= count; });
  }

  // The favorites window first: the main window's close would leave the modal window open.
  void CloseAndExpectZero() {
    if (const HWND window = program_->FindWindowOfClass(L"Tavrin.FavoritesWindow")) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    }
    PostMessageW(program_->Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), std::optional<DWORD>(0));
  }

  // Wine's loader prefers the stand-ins beside the program for tavrin.exe alone, while the
  // test runs. WINEDLLOVERRIDES would do the same, but Wine does not pass its own variables
  // on from a Windows environment block to the process started with it; the per-program key
  // is what a started program reads. "native,builtin" falls back to Wine's own where no
  // stand-in lies.
  ProgramWineSettings prefer_stand_ins_{
      L"DllOverrides", {{L"shdocvw", L"native,builtin"}, {L"ieframe", L"native,builtin"}}};
  ProgramFolder folder_;
  std::wstring log_;
  std::wstring target_;
  std::optional<Program> program_;
};

TEST_F(FavoritesWindow, BothMenuItemsOpenTheSameModalWindowFreshEachTime) {
  Start();
  for (int item : {tavrin::kMenuAddFavorite, tavrin::kMenuOrganizeFavorites}) {
    SCOPED_TRACE(item);
    const HWND window = Open(item);
    ASSERT_TRUE(window);
    EXPECT_FALSE(IsWindowEnabled(program_->Main()));

    const RECT outer = WindowRectOf(window);
    EXPECT_EQ(outer.right - outer.left, 385);
    EXPECT_EQ(outer.bottom - outer.top, 136);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(outer.left, work.left + (work.right - work.left - 385) / 2);
    EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - 136) / 2);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    struct Expected {
      int index;
      const wchar_t* class_name;
      const wchar_t* text;
      RECT place;
    };
    const Expected controls[] = {
        {kUrlBox, L"Edit", L"", {64, 24, 296, 48}},
        {kAddButton, L"Button", L"添加到收藏夹", {32, 64, 144, 88}},
        {kOrganizeButton, L"Button", L"整理收藏夹", {200, 64, 312, 88}},
    };
    for (const Expected& expected : controls) {
      SCOPED_TRACE(expected.index);
      const HWND control = GetDlgItem(window, ControlId(expected.index));
      ASSERT_TRUE(control);
      EXPECT_EQ(ClassOf(control), expected.class_name);
      EXPECT_EQ(WindowText(control), expected.text);  // the URL box starts empty each time
      const RECT place = PlaceInParent(control);
      EXPECT_EQ(place.left, expected.place.left);
      EXPECT_EQ(place.top, expected.place.top);
      EXPECT_EQ(place.right, expected.place.right);
      EXPECT_EQ(place.bottom, expected.place.bottom);
    }
    // Something typed is gone with the window.
    SendMessageW(GetDlgItem(window, ControlId(kUrlBox)), WM_SETTEXT, 0, LPARAM(L"typed"));

    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program_->Main()) != 0; }));
  }
  // Esc closes it too.
  const HWND window = Open(tavrin::kMenuAddFavorite);
  ASSERT_TRUE(window);
  ASSERT_TRUE(Focus(GetDlgItem(window, ControlId(kUrlBox))));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program_->Main()) != 0; }));
  CloseAndExpectZero();
}

TEST_F(FavoritesWindow, AddWritesTheShortcutReportsAndASecondAddReplacesOnlyTheValue) {
  Start();
  const HWND window = Open(tavrin::kMenuAddFavorite);
  ASSERT_TRUE(window);
  Add(window, L"http://example.com/a?b=c");
  const auto message = program_->DismissMessageBox(kMessageTitle);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(*message, L"已经成功添加到收藏夹");
  EXPECT_EQ(Text(ReadAll(target_)), "[InternetShortcut]\r\nURL=http://example.com/a?b=c\r\n");
  ASSERT_TRUE(WaitForCalls(1));
  EXPECT_EQ(Calls()[0], "DoAddToFavDlg owner=添加到收藏夹 folder=[" + std::string(256, ' ') +
                            "] folder_chars=256 name=[] name_chars=256 root=list");

  // Whatever else the file holds stays as it was.
  std::vector<char> more = ReadAll(target_);
  const std::string other = "[Other]\r\nKey=kept\r\n";
  more.insert(more.end(), other.begin(), other.end());
  ASSERT_TRUE(WriteAll(target_, more));
  Add(window, L"not an address");
  ASSERT_TRUE(program_->DismissMessageBox(kMessageTitle).has_value());
  EXPECT_EQ(Text(ReadAll(target_)), "[InternetShortcut]\r\nURL=not an address\r\n" + other);

  // An empty URL box is stored as an empty value.
  Add(window, L"");
  ASSERT_TRUE(program_->DismissMessageBox(kMessageTitle).has_value());
  EXPECT_EQ(Text(ReadAll(target_)), "[InternetShortcut]\r\nURL=\r\n" + other);
  CloseAndExpectZero();
}

TEST_F(FavoritesWindow, AReadOnlyTargetGivesNoMessage) {
  const std::string kept = "[InternetShortcut]\r\nURL=http://kept/\r\n";
  ASSERT_TRUE(WriteAll(target_, {kept.begin(), kept.end()}));
  SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_READONLY);
  // Root, whom the tests run as, writes through a read-only attribute; an immutable file not.
  tavrin::testing::ImmutableFile immutable(target_);
  ASSERT_TRUE(immutable.Made());
  Start();
  const HWND window = Open(tavrin::kMenuAddFavorite);
  ASSERT_TRUE(window);
  Add(window, L"http://new/");
  ASSERT_TRUE(WaitForCalls(1));  // the dialog ran
  // The program answers once the Add handler has returned; a message box would exist by then.
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_TRUE(WindowsTitled(program_->ProcessId(), kMessageTitle).empty());
  EXPECT_EQ(Text(ReadAll(target_)), kept);
  EXPECT_TRUE(IsWindow(window));
  CloseAndExpectZero();
}

TEST_F(FavoritesWindow, ACancelledDialogWritesNothing) {
  Start({L"TAVRIN_FAKE_ADD_RESULT=0"});
  const HWND window = Open(tavrin::kMenuAddFavorite);
  ASSERT_TRUE(window);
  Add(window, L"http://example.com/");
  ASSERT_TRUE(WaitForCalls(1));
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_TRUE(WindowsTitled(program_->ProcessId(), kMessageTitle).empty());
  EXPECT_FALSE(Exists(target_));
  CloseAndExpectZero();
}

TEST_F(FavoritesWindow, OrganiseUsesShdocvwForWinesVersionAndIeframeForVersionEight) {
  folder_.Add(L"fake_shell\\ieframe.dll", L"ieframe.dll");
  Start();
  wchar_t favorites[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, favorites, CSIDL_FAVORITES, FALSE));
  const std::string folder = Narrow(favorites) + "\\";
  const HWND window = Open(tavrin::kMenuOrganizeFavorites);
  ASSERT_TRUE(window);
  PostMessageW(GetDlgItem(window, ControlId(kOrganizeButton)), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForCalls(1));
  {
    BrowserVersion eight("8.0");
    PostMessageW(GetDlgItem(window, ControlId(kOrganizeButton)), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitForCalls(2));
  }
  EXPECT_EQ(Calls(), (std::vector<std::string>{
                         "DoOrganizeFavDlg shdocvw.dll owner=添加到收藏夹 folder=[" + folder + "]",
                         "DoOrganizeFavDlg ieframe.dll owner=添加到收藏夹 folder=[" + folder + "]",
                     }));
  CloseAndExpectZero();
}

TEST_F(FavoritesWindow, VersionEightWithWinesIeframeIsFatal) {
  BrowserVersion eight("8.0");
  Start();
  const HWND window = Open(tavrin::kMenuAddFavorite);
  ASSERT_TRUE(window);
  PostMessageW(GetDlgItem(window, ControlId(kOrganizeButton)), BM_CLICK, 0, 0);
  const auto text = program_->DismissMessageBox(L"错误");
  ASSERT_TRUE(text.has_value());
  EXPECT_NE(text->find(L"ieframe.dll"), std::wstring::npos) << Narrow(*text);
  EXPECT_NE(text->find(L"DoOrganizeFavDlg"), std::wstring::npos) << Narrow(*text);
  EXPECT_EQ(program_->WaitForExit(), std::optional<DWORD>(DWORD(-1)));
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
