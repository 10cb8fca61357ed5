// The favorites window's actions for real: the window made from its definition, the entry
// table binding the system's libraries, and stand-ins for the two shell dialogs (Wine has
// none that work) from the fake_shell folder, which record what they were given.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/external_entry_table.h"
#include "app/win32/module_loader_win32.h"
#include "app/win32/system_services_win32.h"
#include "favorites/add_to_favorites.h"
#include "favorites/favorites_feature.h"
#include "favorites/favorites_window_definition.h"
#include "favorites/organize_favorites.h"
#include "ui/win32/window_services_win32.h"

namespace tavrin {
namespace {

struct FatalRaised : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class ThrowingFatal final : public FatalError {
 public:
  [[noreturn]] void Raise(const std::string& message) override { throw FatalRaised(message); }
};

// The real window services, except that a message box is recorded instead of shown: a test
// has nobody to click it away.
class RecordingWindows final : public ui::WindowServices {
 public:
  explicit RecordingWindows(ui::WindowServices& real) : real_(real) {}
  void LoadWindow(ui::WindowId w, bool modal) override { real_.LoadWindow(w, modal); }
  void DestroyWindow(ui::WindowId w) override { real_.DestroyWindow(w); }
  bool IsLoaded(ui::WindowId w) const override { return real_.IsLoaded(w); }
  ui::NativeHandle Handle(ui::WindowId w, std::string_view c) override {
    return real_.Handle(w, c);
  }
  int ClientWidth(ui::WindowId w) override { return real_.ClientWidth(w); }
  ui::PropertyValue ReadProperty(ui::WindowId w, std::string_view c, int n) override {
    return real_.ReadProperty(w, c, n);
  }
  void WriteProperty(ui::WindowId w, std::string_view c, int n,
                     const ui::PropertyValue& v) override {
    real_.WriteProperty(w, c, n, v);
  }
  void SetStatusText(ui::WindowId w, std::string_view b, int p, std::string_view t) override {
    real_.SetStatusText(w, b, p, t);
  }
  void AddButtonState(ui::WindowId w, std::string_view t, int i, int b) override {
    real_.AddButtonState(w, t, i, b);
  }
  void RemoveButtonState(ui::WindowId w, std::string_view t, int i, int b) override {
    real_.RemoveButtonState(w, t, i, b);
  }
  void WriteMenuProperty(int i, int n, const ui::PropertyValue& v) override {
    real_.WriteMenuProperty(i, n, v);
  }
  ui::PropertyValue ReadMenuProperty(int i, int n) override { return real_.ReadMenuProperty(i, n); }
  void PopUpMenu(ui::WindowId w, int i, int x, int y) override { real_.PopUpMenu(w, i, x, y); }
  int ShowMessage(std::string_view text, int flags) override {
    messages.push_back(std::string(text) + " " + std::to_string(flags));
    return IDOK;
  }
  bool InputBox(std::string_view prompt, std::string& text) override {
    return real_.InputBox(prompt, text);
  }

  std::vector<std::string> messages;

 private:
  ui::WindowServices& real_;
};

class FeatureHandler final : public ui::EventHandler {
 public:
  explicit FeatureHandler(Feature& feature) : feature_(feature) {}
  std::optional<std::int32_t> OnEvent(const ui::Event& event) override {
    std::optional<std::int32_t> answer;
    feature_.OnEvent(event, answer);
    return answer;
  }

 private:
  Feature& feature_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

constexpr char kExplorerKey[] = "SOFTWARE\\Microsoft\\Internet Explorer";

class FavoritesDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    scratch_ = std::string(temp) + "tavrin_fav_dialogs_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(scratch_.c_str(), nullptr);
    log_ = scratch_ + "\\calls.log";
    SetEnvironmentVariableA("TAVRIN_FAKE_SHELL_LOG", log_.c_str());
    SetEnvironmentVariableA("TAVRIN_FAKE_ADD_RESULT", nullptr);
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kExplorerKey, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                    nullptr, &explorer_, nullptr);
    DWORD size = sizeof version_;
    RegQueryValueExA(explorer_, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(version_),
                     &size);

    services_.SetEventHandler(&handler_);
    services_.LoadWindow(ui::WindowId::Favorites, false);
  }
  void TearDown() override {
    RegSetValueExA(explorer_, "Version", 0, REG_SZ, reinterpret_cast<BYTE*>(version_),
                   DWORD(strlen(version_) + 1));
    RegCloseKey(explorer_);
    for (const std::string& file : {log_, scratch_ + "\\Example.url"}) DeleteFileA(file.c_str());
    RemoveDirectoryA(scratch_.c_str());
  }

  void SetBrowserVersion(const char* version) {
    RegSetValueExA(explorer_, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   DWORD(strlen(version) + 1));
  }
  void Type(const std::string& url) {
    services_.WriteProperty(ui::WindowId::Favorites, kUrlBox, ui::kText, url);
  }
  void ClickAdd() { Click(kAddButton); }
  void Click(std::string_view button) {
    // The click as the button sends it, through the window's own procedure.
    const HWND window = HWND(services_.Handle(ui::WindowId::Favorites, {}));
    const HWND control = HWND(services_.Handle(ui::WindowId::Favorites, button));
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 LPARAM(control));
  }
  std::vector<std::string> Calls() { return Lines(ReadAll(log_)); }

  static std::string FakeShellFolder() {
    win32::SystemServicesWin32 system;
    return system.ProgramFolder() + "\\fake_shell";
  }

  std::string scratch_;
  std::string log_;
  HKEY explorer_ = nullptr;
  char version_[128] = "9.11.9600.18376";

  win32::SystemServicesWin32 system_;
  win32::ModuleLoaderWin32 loader_;
  win32::CallGateWin32 gate_;
  ThrowingFatal fatal_;
  ExternalEntryTable external_{FakeShellFolder(), loader_, gate_, fatal_};
  ui::win32::WindowServicesWin32 services_{
      [](ui::WindowId) -> const ui::WindowDefinition& { return FavoritesWindowDefinition(); },
      fatal_};
  RecordingWindows windows_{services_};
  FavoritesFeature feature_{windows_, system_, external_};
  FeatureHandler handler_{feature_};
};

TEST_F(FavoritesDialogs, TheUrlBoxGetsItsCompletionFromTheSystemLibrary) {
  EXPECT_TRUE(external_.IsBound(ExternalEntry::AutoComplete));
}

TEST_F(FavoritesDialogs, AConfirmedAddWritesTheShortcutAndReports) {
  const std::string target = scratch_ + "\\Example.url";
  SetEnvironmentVariableA("TAVRIN_FAKE_FAVORITE_PATH", target.c_str());
  Type("http://example.com/a?b=c");
  ClickAdd();

  EXPECT_EQ(ReadAll(target), "[InternetShortcut]\r\nURL=http://example.com/a?b=c\r\n");
  EXPECT_EQ(windows_.messages, std::vector<std::string>{"已经成功添加到收藏夹 64"});
  EXPECT_EQ(Calls(), std::vector<std::string>{"DoAddToFavDlg owner=添加到收藏夹 folder=[" +
                                              std::string(256, ' ') +
                                              "] folder_chars=256 name=[] name_chars=256 "
                                              "root=list"});
  EXPECT_TRUE(external_.IsBound(ExternalEntry::TaskMemFree));

  // A second add to the same file replaces the value only.
  Type("second");
  ClickAdd();
  EXPECT_EQ(ReadAll(target), "[InternetShortcut]\r\nURL=second\r\n");
  EXPECT_EQ(windows_.messages.size(), 2u);
}

TEST_F(FavoritesDialogs, AnyOtherAnswerOfTheDialogWritesNothing) {
  const std::string target = scratch_ + "\\Example.url";
  SetEnvironmentVariableA("TAVRIN_FAKE_FAVORITE_PATH", target.c_str());
  Type("http://example.com/");
  for (const char* result : {"0", "2", "-1"}) {
    SCOPED_TRACE(result);
    SetEnvironmentVariableA("TAVRIN_FAKE_ADD_RESULT", result);
    ClickAdd();
    EXPECT_EQ(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(windows_.messages.empty());
  }
  EXPECT_EQ(Calls().size(), 3u);
}

TEST_F(FavoritesDialogs, AFailedWriteShowsNothing) {
  const std::string target = scratch_ + "\\no such folder\\Example.url";
  SetEnvironmentVariableA("TAVRIN_FAKE_FAVORITE_PATH", target.c_str());
  Type("http://example.com/");
  ClickAdd();
  EXPECT_EQ(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(windows_.messages.empty());
}

TEST_F(FavoritesDialogs, OrganiseOpensTheDialogOfTheVersionsLibraryOnTheFavoritesFolder) {
  const std::string favorites = system_.GetSpecialFolder(SpecialFolder::Favorites);
  ASSERT_FALSE(favorites.empty());
  ASSERT_EQ(favorites.back(), '\\');
  SetBrowserVersion("9.11.9600.18376");
  Click(kOrganizeButton);
  SetBrowserVersion("8.0");
  Click(kOrganizeButton);
  EXPECT_EQ(Calls(), (std::vector<std::string>{
                         "DoOrganizeFavDlg shdocvw.dll owner=添加到收藏夹 folder=[" + favorites + "]",
                         "DoOrganizeFavDlg ieframe.dll owner=添加到收藏夹 folder=[" + favorites + "]",
                     }));
}

}  // namespace
}  // namespace tavrin
