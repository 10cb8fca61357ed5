// The system services that the favorites window and the auxiliary commands add, on Wine's
// registry, file system and process table.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/win32/system_services_win32.h"
#include "wine_unix_command_win32.h"

namespace tavrin::win32 {
namespace {

constexpr char kExplorerKey[] = "SOFTWARE\\Microsoft\\Internet Explorer";

// Sets HKLM ...\Internet Explorer "Version" for one test and puts the original back after.
class BrowserVersionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kExplorerKey, 0, nullptr, 0,
                              KEY_READ | KEY_WRITE, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
    DWORD size = sizeof original_;
    had_value_ = RegQueryValueExA(key_, "Version", nullptr, &original_type_,
                                  reinterpret_cast<BYTE*>(original_), &size) == ERROR_SUCCESS;
    original_size_ = size;
  }
  void TearDown() override {
    if (had_value_)
      RegSetValueExA(key_, "Version", 0, original_type_, reinterpret_cast<BYTE*>(original_),
                     original_size_);
    else
      RegDeleteValueA(key_, "Version");
    RegCloseKey(key_);
  }
  void SetVersion(const std::string& bytes) {
    ASSERT_EQ(RegSetValueExA(key_, "Version", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size())),
              ERROR_SUCCESS);
  }

  HKEY key_ = nullptr;
  char original_[512] = {};
  DWORD original_type_ = REG_SZ;
  DWORD original_size_ = 0;
  bool had_value_ = false;
  SystemServicesWin32 system_;
};

TEST_F(BrowserVersionTest, ReadsTheStoredTextUpToHundredBytes) {
  struct Case {
    const char* what;
    std::string stored;  // the bytes as stored, terminator included or not
    std::string read;
  };
  const Case cases[] = {
      {"Wine's kind", std::string("9.11.9600.18376", 16), "9.11.9600.18376"},
      {"eight", std::string("8.0", 4), "8.0"},
      {"without its terminator", "8.0.7601", "8.0.7601"},
      {"empty", std::string(1, '\0'), ""},
      {"99 characters and the terminator", std::string(99, '7') + '\0', std::string(99, '7')},
      {"longer than 100 bytes", std::string(150, '8') + '\0', ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetVersion(c.stored);
    EXPECT_EQ(system_.ReadBrowserVersion(), c.read);
  }
}

TEST_F(BrowserVersionTest, AMissingValueReadsEmpty) {
  ASSERT_EQ(RegDeleteValueA(key_, "Version"), ERROR_SUCCESS);
  EXPECT_EQ(system_.ReadBrowserVersion(), "");
}

// A folder of its own under the temporary folder, emptied and removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "tavrin_favorites_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string file = path_ + "\\" + found.cFileName;
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
  }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ProfileWrite, ANewFileHoldsTheSectionAndTheKey) {
  ScratchFolder folder;
  SystemServicesWin32 system;
  const std::string path = folder / "new.url";
  EXPECT_TRUE(system.WriteProfileStringAnsi(path, "InternetShortcut", "URL", "http://a.example/"));
  EXPECT_EQ(ReadAll(path), "[InternetShortcut]\r\nURL=http://a.example/\r\n");
}

TEST(ProfileWrite, AnExistingKeyIsReplacedAndTheRestKept) {
  ScratchFolder folder;
  SystemServicesWin32 system;
  const std::string path = folder / "old.url";
  WriteAll(path,
           "[DEFAULT]\r\nBASEURL=http://base.example/\r\n[InternetShortcut]\r\nURL=http://old/\r\n"
           "IconIndex=3\r\n");
  EXPECT_TRUE(system.WriteProfileStringAnsi(path, "InternetShortcut", "URL", "not an address"));
  EXPECT_EQ(ReadAll(path),
            "[DEFAULT]\r\nBASEURL=http://base.example/\r\n[InternetShortcut]\r\nURL=not an address"
            "\r\nIconIndex=3\r\n");
}

TEST(ProfileWrite, AnUnwritableTargetFails) {
  ScratchFolder folder;
  SystemServicesWin32 system;
  EXPECT_FALSE(system.WriteProfileStringAnsi(folder / "no such folder\\x.url", "InternetShortcut",
                                             "URL", "http://a.example/"));
}

TEST(ProfileWrite, AReadOnlyFileFailsAndIsLeftAsItWas) {
  ScratchFolder folder;
  SystemServicesWin32 system;
  const std::string path = folder / "kept.url";
  WriteAll(path, "[InternetShortcut]\r\nURL=http://kept/\r\n");
  // Root, whom the tests run as, writes through a read-only attribute: make it immutable.
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  testing::ImmutableFile immutable(std::wstring(path.begin(), path.end()));
  ASSERT_TRUE(immutable.Made());
  EXPECT_FALSE(system.WriteProfileStringAnsi(path, "InternetShortcut", "URL", "http://new/"));
  EXPECT_EQ(ReadAll(path), "[InternetShortcut]\r\nURL=http://kept/\r\n");
}

TEST(RunAndWait, ReturnsOnceTheProcessHasEnded) {
  ScratchFolder folder;
  SystemServicesWin32 system;
  const std::string marker = folder / "ended.txt";
  // The marker is the last thing the process does before it ends.
  EXPECT_TRUE(system.RunAndWait("cmd.exe /c ping -n 2 127.0.0.1 >nul & echo ended>\"" + marker +
                                "\""));
  EXPECT_EQ(ReadAll(marker), "ended\r\n");
}

TEST(RunAndWait, AProgramThatIsNotThereDoesNotStart) {
  SystemServicesWin32 system;
  EXPECT_FALSE(system.RunAndWait("C:\\no\\such\\program.exe inetcpl.cpl"));
}

}  // namespace
}  // namespace tavrin::win32
