// File services on a real Windows file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/win32/system_services_win32.h"

namespace tavrin {
namespace {

class FileServices : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = system_.GetSpecialFolder(SpecialFolder::Temporary) + "tavrin-files-" +
            std::to_string(GetCurrentProcessId());
    CreateDirectoryA(root_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"\\a.she", "\\b.she", "\\empty.bin", "\\data.bin", "\\data.bin.partial"})
      DeleteFileA((root_ + name).c_str());
    RemoveDirectoryA((root_ + "\\sub.she").c_str());
    RemoveDirectoryA((root_ + "\\sub").c_str());
    RemoveDirectoryA(root_.c_str());
  }
  std::vector<char> Read(const std::string& path) {
    std::vector<char> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
  }

  win32::SystemServicesWin32 system_;
  std::string root_;
};

TEST_F(FileServices, SpecialFoldersEndInABackslash) {
  for (SpecialFolder folder : {SpecialFolder::System, SpecialFolder::Temporary}) {
    const std::string path = system_.GetSpecialFolder(folder);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), '\\');
    EXPECT_NE(path[path.size() - 2], '\\');
  }
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(system_.GetSpecialFolder(SpecialFolder::System), std::string(system) + "\\");
  const std::string favorites = system_.GetSpecialFolder(SpecialFolder::Favorites);
  if (!favorites.empty()) EXPECT_EQ(favorites.back(), '\\');
}

TEST_F(FileServices, ExistenceCountsFoldersAndMatchesWildcards) {
  ASSERT_TRUE(system_.WriteWholeFile(root_ + "\\a.she", std::vector<std::uint8_t>{1}));
  CreateDirectoryA((root_ + "\\sub").c_str(), nullptr);
  const std::pair<std::string, bool> cases[] = {
      {root_ + "\\a.she", true},  {root_ + "\\sub", true},     {root_, true},
      {root_ + "\\*.she", true},  {root_ + "\\?.she", true},   {root_ + "\\b.she", false},
      {root_ + "\\*.dll", false}, {root_ + "\\none\\a.she", false}, {"", false}};
  for (const auto& [path, exists] : cases) EXPECT_EQ(system_.FileExists(path), exists) << path;
}

TEST_F(FileServices, WholeFileWritesCreateAndReplaceExactly) {
  const std::string path = root_ + "\\data.bin";
  std::vector<std::uint8_t> big(3 << 20);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = std::uint8_t(i * 7);
  ASSERT_TRUE(system_.WriteWholeFile(path, big));
  EXPECT_EQ(Read(path).size(), big.size());
  ASSERT_TRUE(system_.WriteWholeFile(path, std::vector<std::uint8_t>{'M', 'Z'}));
  EXPECT_EQ(Read(path), (std::vector<char>{'M', 'Z'}));
  ASSERT_TRUE(system_.WriteWholeFile(root_ + "\\empty.bin", {}));
  EXPECT_TRUE(system_.FileExists(root_ + "\\empty.bin"));
  EXPECT_TRUE(Read(root_ + "\\empty.bin").empty());
  EXPECT_FALSE(system_.FileExists(path + ".partial"));
}

TEST_F(FileServices, FailedWritesReportFalseAndLeaveNothingUnderTheName) {
  EXPECT_FALSE(system_.WriteWholeFile("", std::vector<std::uint8_t>{1}));
  EXPECT_FALSE(system_.WriteWholeFile(root_ + "\\none\\a.she", std::vector<std::uint8_t>{1}));
  // A folder of that name cannot be replaced by a file.
  CreateDirectoryA((root_ + "\\sub.she").c_str(), nullptr);
  EXPECT_FALSE(system_.WriteWholeFile(root_ + "\\sub.she", std::vector<std::uint8_t>{1}));
  DWORD attributes = GetFileAttributesA((root_ + "\\sub.she").c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_FALSE(system_.FileExists(root_ + "\\sub.she.partial"));
}

TEST_F(FileServices, ProgramFolderHoldsTheExecutable) {
  char path[MAX_PATH];
  std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  EXPECT_EQ(system_.ProgramFolder(), exe.substr(0, exe.find_last_of('\\')));
}

}  // namespace
}  // namespace tavrin
