// The skin engine library when it cannot be written where it belongs. install_failures.sh
// makes the system folder read-only and drive T: a small disk before these run.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace {

using namespace e2e;

const std::wstring kLibrary = L"SkinH_EL.dll";

TEST(InstallFailures, UnwritableSystemFolderPutsTheLibraryBesideTheProgram) {
  ASSERT_FALSE(Exists(SystemFolder() + kLibrary));
  ASSERT_FALSE(WriteAll(SystemFolder() + L"probe.tmp", {'x'})) << "the system folder is writable";
  ProgramFolder folder;
  Program program(folder);
  ASSERT_TRUE(program.WaitForMainWindow());
  EXPECT_FALSE(Exists(SystemFolder() + kLibrary));
  EXPECT_EQ(ReadAll(folder.Path() + L"\\" + kLibrary), ReadAll(BuildFolder() + L"\\" + kLibrary));
  PostMessageW(program.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(InstallFailures, AWriteThatFailsPartWayLeavesNoFileUnderTheName) {
  ProgramFolder folder(L"T:\\");
  ASSERT_TRUE(Exists(folder.Exe()));
  Program program(folder);
  // Neither folder holds the library now, so the first skin call ends the program.
  ASSERT_TRUE(program.DismissMessageBox(L"错误", 20s).has_value());
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(DWORD(-1)));
  EXPECT_FALSE(Exists(folder.Path() + L"\\" + kLibrary));
  EXPECT_FALSE(Exists(folder.Path() + L"\\" + kLibrary + L".partial"));
  EXPECT_FALSE(Exists(SystemFolder() + kLibrary));
}

}  // namespace
