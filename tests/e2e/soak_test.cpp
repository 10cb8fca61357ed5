// Long use without leaks: the real program through a thousand focus changes of the address
// box, two hundred typed navigations to a loopback server, a hundred openings and closings
// of the About and of the favorites window, and a hundred maximise/restore cycles. After
// that its object and handle counts are where they were, it holds F1 only while the box
// has the focus, and every navigation reached the server.
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/menu_tree.h"

namespace {

using namespace e2e;

constexpr int kGoButton = 1, kAddressBox = 4;  // their index in the main window's definition
constexpr int kFocusChanges = 1000, kNavigations = 200, kOpenings = 100, kMaximiseCycles = 100;
// Room for what the system itself may hold a little longer (a cached brush, a worker thread
// of the web control that is still winding down); a leak per action would be far beyond.
constexpr DWORD kHandleSlack = 30, kGuiObjectSlack = 10;

const std::wstring kAboutTitle = L"关于Tavrin浏览器说明";
const std::wstring kFavoritesTitle = L"添加到收藏夹";

// A tighter wait than WaitFor's: the soak's many steps each wait for a short change.
bool Soon(const std::function<bool()>& condition, DWORD timeout_ms = 10000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(2);
  }
  return true;
}

// Prints how long each part of the soak took, to see where its time goes.
class Phase {
 public:
  explicit Phase(const char* name) : name_(name), start_(GetTickCount()) {}
  void Next(const char* name) {
    std::printf("soak: %s took %.1f s\n", name_, (GetTickCount() - start_) / 1000.0);
    std::fflush(stdout);
    name_ = name;
    start_ = GetTickCount();
  }

 private:
  const char* name_;
  DWORD start_;
};

struct Counts {
  DWORD gdi = 0, user = 0, handles = 0;
  std::size_t windows = 0;  // top-level windows of the process, shown or hidden
};

std::size_t TopLevelWindowsOf(DWORD pid) {
  struct Query {
    DWORD pid;
    std::size_t count = 0;
  } query{pid};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& q = *reinterpret_cast<Query*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == q.pid) ++q.count;
        return TRUE;
      },
      LPARAM(&query));
  return query.count;
}

// The system's handle table (NtQuerySystemInformation, SystemHandleInformation = 16).
struct HandleEntry {
  ULONG owner_pid;
  BYTE object_type;
  BYTE flags;
  USHORT value;
  PVOID object;
  ULONG access;
};
struct HandleTable {
  ULONG count;
  HandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI*)(int, void*, ULONG, ULONG*);

// The handles a process holds, counted in the system's handle table; 0 when it cannot be read.
DWORD HandlesInSystemTable(DWORD pid) {
  const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  std::vector<char> buffer(1 << 20);
  for (int attempt = 0; attempt < 6; ++attempt, buffer.resize(buffer.size() * 2)) {
    ULONG needed = 0;
    const LONG status = query(16, buffer.data(), ULONG(buffer.size()), &needed);
    if (status == LONG(0xC0000004)) continue;  // STATUS_INFO_LENGTH_MISMATCH
    if (status != 0) return 0;
    const auto& table = *reinterpret_cast<const HandleTable*>(buffer.data());
    DWORD count = 0;
    for (ULONG i = 0; i < table.count; ++i)
      if (table.entries[i].owner_pid == pid) ++count;
    return count;
  }
  return 0;
}

// Wine 8 answers GetGuiResources and GetProcessHandleCount for another process with 0 (stubs).
// Under Wine the handles are counted in the system's handle table instead, and leaked
// windows show in the count of the process's top-level windows; the GDI and USER object
// counts are checked where the system reports them (they read 0 before and after here).
Counts CountsOf(const Program& program) {
  Counts counts;
  counts.gdi = GetGuiResources(program.Process(), GR_GDIOBJECTS);
  counts.user = GetGuiResources(program.Process(), GR_USEROBJECTS);
  if (!GetProcessHandleCount(program.Process(), &counts.handles) || counts.handles == 0)
    counts.handles = HandlesInSystemTable(program.ProcessId());
  counts.windows = TopLevelWindowsOf(program.ProcessId());
  return counts;
}

// Whether some program holds F1 as a hot key: then the test cannot have it.
bool F1IsHeldElsewhere() {
  if (!RegisterHotKey(nullptr, 0x50AC, 0, VK_F1)) return true;
  UnregisterHotKey(nullptr, 0x50AC);
  return false;
}

class Soak : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(F1IsHeldElsewhere());
    ASSERT_TRUE(program_.WaitForMainWindow());
    box_ = program_.Control(kAddressBox);
    go_ = program_.Control(kGoButton);
    ASSERT_TRUE(box_ && go_);
  }

  void FocusChanges(int count) {
    for (int i = 0; i < count; ++i) ASSERT_TRUE(Focus(i % 2 ? go_ : box_)) << i;
  }

  // Types the address into the box as WM_SETTEXT does and clicks 转到; waits for the request.
  void Navigate(const std::string& path) {
    const std::wstring url = server_.Url(path);
    SendMessageW(box_, WM_SETTEXT, 0, LPARAM(url.c_str()));
    PostMessageW(go_, BM_CLICK, 0, 0);
    ASSERT_TRUE(server_.WaitForPath(path)) << path;
  }

  void OpenAndClose(int menu_item, const wchar_t* window_class, const std::wstring& title) {
    PostMessageW(program_.Main(), WM_COMMAND, MenuCommand(menu_item), 0);
    HWND window = nullptr;
    ASSERT_TRUE(Soon([&] {
      window = program_.FindWindowOfClass(window_class);
      return window != nullptr;
    })) << Narrow(title);
    EXPECT_EQ(WindowText(window), title);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Soon([&] { return !IsWindow(window) && IsWindowEnabled(program_.Main()); }));
  }

  void MaximiseAndRestore() {
    PostMessageW(program_.Main(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(Soon([&] { return IsZoomed(program_.Main()) != 0; }));
    PostMessageW(program_.Main(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(Soon([&] { return !IsZoomed(program_.Main()); }));
  }

  // Wine's X11 driver waits up to two seconds, on every hide or destroy of a top-level
  // window it thinks a window manager looks after, for the manager to confirm; Xvfb runs
  // none, so each closing of a window would cost two seconds. Wine manages the windows
  // itself for tavrin.exe while the test runs.
  ProgramWineSettings managed_by_wine_{L"X11 Driver", {{L"Managed", L"N"}}};
  HttpServer server_;
  ProgramFolder folder_;
  Program program_{folder_};
  HWND box_ = nullptr, go_ = nullptr;
};

TEST_F(Soak, LongUseLeavesNoObjectsHandlesOrHotKeysBehind) {
  // One round of everything first: the first use of each window, of the network and of the
  // hot key fills caches (window classes, a navigation's worker threads) that stay for good.
  ASSERT_NO_FATAL_FAILURE(FocusChanges(2));
  ASSERT_NO_FATAL_FAILURE(Navigate("/soak/warm"));
  ASSERT_NO_FATAL_FAILURE(OpenAndClose(tavrin::kMenuAboutBrowser, L"Tavrin.AboutWindow", kAboutTitle));
  ASSERT_NO_FATAL_FAILURE(
      OpenAndClose(tavrin::kMenuAddFavorite, L"Tavrin.FavoritesWindow", kFavoritesTitle));
  ASSERT_NO_FATAL_FAILURE(MaximiseAndRestore());
  Sleep(1000);
  const Counts before = CountsOf(program_);
  std::printf("soak: after start-up: %lu handles, %lu GDI, %lu USER objects, %zu windows\n",
              before.handles, before.gdi, before.user, before.windows);

  Phase phase("focus changes");
  ASSERT_NO_FATAL_FAILURE(FocusChanges(kFocusChanges));
  phase.Next("navigations");
  for (int i = 0; i < kNavigations; ++i)
    ASSERT_NO_FATAL_FAILURE(Navigate("/soak/" + std::to_string(i)));
  phase.Next("openings and closings");
  for (int i = 0; i < kOpenings; ++i) {
    ASSERT_NO_FATAL_FAILURE(
        OpenAndClose(tavrin::kMenuAboutBrowser, L"Tavrin.AboutWindow", kAboutTitle));
    ASSERT_NO_FATAL_FAILURE(OpenAndClose(i % 2 ? tavrin::kMenuOrganizeFavorites
                                               : tavrin::kMenuAddFavorite,
                                         L"Tavrin.FavoritesWindow", kFavoritesTitle));
  }
  phase.Next("maximise/restore cycles");
  for (int i = 0; i < kMaximiseCycles; ++i) ASSERT_NO_FATAL_FAILURE(MaximiseAndRestore());
  phase.Next("the checks");

  // The address box has the focus once more, then loses it: the program holds F1 exactly
  // while the box has it, so one registration at most and none afterwards.
  ASSERT_TRUE(Focus(box_));
  EXPECT_TRUE(Soon([] { return F1IsHeldElsewhere(); }));
  ASSERT_TRUE(Focus(go_));
  EXPECT_TRUE(Soon([] { return !F1IsHeldElsewhere(); })) << "F1 is still held";

  // Let the last navigation's workers wind down before counting.
  Counts after;
  Soon(
      [&] {
        after = CountsOf(program_);
        return after.handles <= before.handles + kHandleSlack && after.windows <= before.windows;
      },
      10000);
  std::printf("soak: afterwards:     %lu handles, %lu GDI, %lu USER objects, %zu windows\n",
              after.handles, after.gdi, after.user, after.windows);
  EXPECT_LE(after.handles, before.handles + kHandleSlack) << "handles before " << before.handles;
  EXPECT_LE(after.gdi, before.gdi + kGuiObjectSlack) << "GDI objects before " << before.gdi;
  EXPECT_LE(after.user, before.user + kGuiObjectSlack) << "USER objects before " << before.user;
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_GT(before.handles, 0u);  // the count is read at all

  const std::vector<std::string> paths = server_.Paths();
  for (int i = 0; i < kNavigations; ++i) {
    const std::string path = "/soak/" + std::to_string(i);
    EXPECT_NE(std::find(paths.begin(), paths.end(), path), paths.end()) << path;
  }

  PostMessageW(program_.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program_.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
