// The external entry table against real libraries: a good entry, a missing entry, a
// missing library, and an entry that unbalances the stack.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/external_entry_table.h"
#include "app/win32/module_loader_win32.h"

namespace tavrin {
namespace {

struct Fatal : std::runtime_error {
  using std::runtime_error::runtime_error;
};
class ThrowingFatal : public FatalError {
 public:
  [[noreturn]] void Raise(const std::string& message) override { throw Fatal(message); }
};

std::string BuildFolder() {
  char buffer[MAX_PATH];
  std::string path(buffer, GetModuleFileNameA(nullptr, buffer, MAX_PATH));
  return path.substr(0, path.find_last_of('\\'));
}

// A program folder holding one test library under the name the table asks for.
struct Folder {
  explicit Folder(const char* library, const char* as_name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path = std::string(temp) + "tavrin-calls-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
    CreateDirectoryA(path.c_str(), nullptr);
    if (library) {
      copied = path + "\\" + as_name;
      CopyFileA((BuildFolder() + "\\" + library).c_str(), copied.c_str(), FALSE);
    }
  }
  ~Folder() {
    if (!copied.empty()) DeleteFileA(copied.c_str());
    RemoveDirectoryA(path.c_str());
  }
  std::string path, copied;
  static inline int counter = 0;
};

struct Table {
  explicit Table(const std::string& folder) : table(folder, loader, gate, fatal) {}
  win32::ModuleLoaderWin32 loader;
  win32::CallGateWin32 gate;
  ThrowingFatal fatal;
  ExternalEntryTable table;
};

std::string FatalMessage(ExternalEntryTable& table, ExternalEntry entry,
                         std::initializer_list<ExternalArg> args) {
  try {
    table.Call(entry, args);
  } catch (const Fatal& error) {
    return error.what();
  }
  return {};
}

TEST(ExternalCalls, GoodEntryFromTheProgramFolderGetsItsArguments) {
  Folder folder("entry_good.dll", "SkinH_EL.dll");
  Table t(folder.path);
  static const char kPath[] = "C:\\skin.she";
  static const char kEmpty[] = "";
  EXPECT_EQ(t.table.Call(ExternalEntry::SkinAttach, {ExternalArg(kPath), ExternalArg(kEmpty)}), 7u);
  EXPECT_TRUE(t.table.IsBound(ExternalEntry::SkinAttach));
  // The module stays loaded until the table lets it go.
  EXPECT_NE(GetModuleHandleA(folder.copied.c_str()), nullptr);
  t.table.ReleaseAll();
  EXPECT_EQ(GetModuleHandleA(folder.copied.c_str()), nullptr);
}

TEST(ExternalCalls, SystemLibraryIsFoundByItsBareName) {
  Folder folder(nullptr, nullptr);
  Table t(folder.path);
  t.table.Call(ExternalEntry::TaskMemFree, {0});  // ole32's CoTaskMemFree; no result
  EXPECT_TRUE(t.table.IsBound(ExternalEntry::TaskMemFree));
}

TEST(ExternalCalls, MissingEntryOrLibraryIsFatalAndNamesBoth) {
  // A good copy in the system folder stands behind each case; it is never reached when the
  // copy beside the program loads.
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string system_copy = std::string(system) + "\\SkinH_EL.dll";
  ASSERT_TRUE(CopyFileA((BuildFolder() + "\\entry_good.dll").c_str(), system_copy.c_str(), FALSE))
      << GetLastError() << " " << system_copy;
  {
    Folder folder("entry_none.dll", "SkinH_EL.dll");
    Table t(folder.path);
    const std::string message = FatalMessage(t.table, ExternalEntry::SkinAttach, {0, 0});
    EXPECT_NE(message.find("SkinH_EL.dll"), std::string::npos) << message;
    EXPECT_NE(message.find("SkinH_Attach_Ex"), std::string::npos) << message;
    EXPECT_FALSE(t.table.IsBound(ExternalEntry::SkinAttach));
  }
  {
    Folder folder(nullptr, nullptr);
    Table t(folder.path);
    static const char kEmpty[] = "";
    EXPECT_EQ(t.table.Call(ExternalEntry::SkinAttach, {ExternalArg(kEmpty), ExternalArg(kEmpty)}), 7u);
  }
  DeleteFileA(system_copy.c_str());
  {
    Folder folder(nullptr, nullptr);
    Table t(folder.path);
    const std::string message = FatalMessage(t.table, ExternalEntry::SkinAttach, {0, 0});
    EXPECT_NE(message.find("SkinH_EL.dll"), std::string::npos) << message;
    EXPECT_NE(message.find("SkinH_Attach_Ex"), std::string::npos) << message;
  }
}

TEST(ExternalCalls, EntryThatUnbalancesTheStackIsFatal) {
  Folder folder("entry_unbalanced.dll", "SkinH_EL.dll");
  Table t(folder.path);
  static const char kEmpty[] = "";
  const std::string message =
      FatalMessage(t.table, ExternalEntry::SkinAttach, {ExternalArg(kEmpty), ExternalArg(kEmpty)});
  EXPECT_NE(message.find("SkinH_Attach_Ex"), std::string::npos) << message;
  // The caller survived the callee: its own stack is intact.
  volatile int canary = 42;
  EXPECT_EQ(canary, 42);
}

}  // namespace
}  // namespace tavrin
