// Browsing from outside, under Wine with a loopback server as the web: the typed address
// and F1 reach the server, F1 is held only while the address box has the focus, the status
// line tells what is loading, a double-click clears the box, and Back and Forward in the
// toolbar and the menu follow the command-state events that the control raises.
#include "e2e_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>

namespace {

using namespace e2e;

// Control indexes of the main window's definition.
constexpr int kStatusBar = 2, kAddressBox = 4, kGoButton = 1, kToolbar = 6;
constexpr int kButtonBack = 1, kButtonForward = 2;

// Every text a status bar part shows, in order, read without pause from a thread of its own
// through a buffer in the program's memory. Under Wine the control's own status texts follow
// the start of a navigation within milliseconds, so a single look would miss it; a read
// that is always waiting is served each time the program's thread returns to its queue,
// between the navigation's start and the next notification.
class StatusWatcher {
 public:
  StatusWatcher(HWND bar, int part) : bar_(bar), part_(part) {
    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) remote_ = VirtualAllocEx(process_, nullptr, kBytes, MEM_COMMIT, PAGE_READWRITE);
    if (remote_) thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
  }
  ~StatusWatcher() {
    stop_ = true;
    if (thread_) {
      WaitForSingleObject(thread_, 10000);
      CloseHandle(thread_);
    }
    if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool Saw(const std::wstring& text) const {
    std::lock_guard lock(mutex_);
    for (const std::wstring& seen : seen_)
      if (seen == text) return true;
    return false;
  }
  std::string Texts() const {
    std::lock_guard lock(mutex_);
    std::string all;
    for (const std::wstring& seen : seen_) {
      all += '[';
      all += Narrow(seen);
      all += ']';
    }
    return all;
  }

 private:
  static constexpr std::size_t kBytes = 2048;
  static DWORD WINAPI Watch(void* self_pointer) {
    auto& self = *static_cast<StatusWatcher*>(self_pointer);
    while (!self.stop_) {
      wchar_t text[kBytes / sizeof(wchar_t)] = {};
      SendMessageW(self.bar_, SB_GETTEXTW, self.part_, LPARAM(self.remote_));
      ReadProcessMemory(self.process_, self.remote_, text, kBytes - sizeof(wchar_t), nullptr);
      std::lock_guard lock(self.mutex_);
      if (self.seen_.empty() || self.seen_.back() != text) self.seen_.push_back(text);
    }
    return 0;
  }
  HWND bar_;
  int part_;
  HANDLE process_ = nullptr;
  void* remote_ = nullptr;
  HANDLE thread_ = nullptr;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::wstring> seen_;
};

// Whether some program holds F1 as a hot key: then it cannot be ours.
bool F1IsHeldElsewhere() {
  if (!RegisterHotKey(nullptr, 0x7A11, 0, VK_F1)) return true;
  UnregisterHotKey(nullptr, 0x7A11);
  return false;
}

POINT Centre(HWND window) {
  const RECT rect = WindowRectOf(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Types the text as keyboard input into the window that has the focus.
void Type(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (DWORD up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(200);
}

bool ButtonEnabled(Program& program, int index) {
  return SendMessageW(program.Control(kToolbar), TB_GETSTATE, ToolbarCommand(index), 0) &
         TBSTATE_ENABLED;
}

class Browsing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(F1IsHeldElsewhere());
    program_ = std::make_unique<Program>(folder_);
    ASSERT_TRUE(program_->WaitForMainWindow());
  }
  void TearDown() override {
    if (program_ && program_->Main()) PostMessageW(program_->Main(), WM_CLOSE, 0, 0);
    if (!program_) return;
    EXPECT_EQ(program_->WaitForExit(), std::optional<DWORD>(0));
    program_.reset();
    EXPECT_FALSE(F1IsHeldElsewhere()) << "the program left F1 held";
  }
  HWND Box() { return program_->Control(kAddressBox); }
  void TypeAddress(const std::wstring& address) {
    ASSERT_TRUE(Focus(Box()));
    Type(address);
    ASSERT_TRUE(WaitFor([&] { return WindowText(Box()) == address; })) << Narrow(WindowText(Box()));
  }

  // Never answers: the page stays loading, so the status line keeps what the start of the
  // navigation wrote.
  HttpServer server_{HttpServer::Answer::Never};
  ProgramFolder folder_;
  std::unique_ptr<Program> program_;
};

TEST_F(Browsing, GoSendsTheTypedAddressAndTheStatusLineShowsItLoading) {
  const std::wstring url = server_.Url("/typed-go?q=1");
  TypeAddress(url);
  StatusWatcher status(program_->Control(kStatusBar), 1);
  ClickAt(Centre(program_->Control(kGoButton)));
  EXPECT_TRUE(server_.WaitForPath("/typed-go?q=1"));
  EXPECT_TRUE(WaitFor([&] { return status.Saw(L"正在载入：" + url); }, 5s)) << status.Texts();
}

TEST_F(Browsing, F1InTheAddressBoxSendsItsAddress) {
  TypeAddress(server_.Url("/by-f1"));
  EXPECT_TRUE(F1IsHeldElsewhere());  // the program holds it while the box has the focus
  PressKey(VK_F1);
  EXPECT_TRUE(server_.WaitForPath("/by-f1"));
}

TEST_F(Browsing, F1AfterTheFocusLeftDoesNothingAndIsFreeForOthers) {
  TypeAddress(server_.Url("/after-tab"));
  PressKey(VK_TAB);  // the focus moves on to the next control
  EXPECT_TRUE(WaitFor([] { return !F1IsHeldElsewhere(); }));
  PressKey(VK_F1);
  EXPECT_FALSE(server_.WaitForPath("/after-tab", 2s));
  // Back in the box, F1 is the program's again.
  ASSERT_TRUE(Focus(Box()));
  EXPECT_TRUE(F1IsHeldElsewhere());
  PressKey(VK_F1);
  EXPECT_TRUE(server_.WaitForPath("/after-tab"));
}

TEST_F(Browsing, F1IsHeldOnlyWhileTheBoxHasTheFocusAcrossManyChanges) {
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(Focus(Box()));
    EXPECT_TRUE(WaitFor([] { return F1IsHeldElsewhere(); }));
    ASSERT_TRUE(Focus(program_->Control(kGoButton)));
    EXPECT_TRUE(WaitFor([] { return !F1IsHeldElsewhere(); }));
  }
  ASSERT_TRUE(Focus(Box()));  // the program ends holding it: TearDown checks it is let go
  EXPECT_TRUE(F1IsHeldElsewhere());
}

TEST_F(Browsing, F1IsLetGoWhenAnotherProgramTakesTheFocus) {
  TypeAddress(server_.Url("/elsewhere"));
  EXPECT_TRUE(F1IsHeldElsewhere());
  // Another program's window comes to the front: the address box loses the focus.
  const HWND other = CreateWindowExW(0, L"EDIT", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     100, 100, 300, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(Focus(other));
  EXPECT_TRUE(WaitFor([] { return !F1IsHeldElsewhere(); }));
  PressKey(VK_F1);
  EXPECT_FALSE(server_.WaitForPath("/elsewhere", 2s));
  DestroyWindow(other);
}

TEST_F(Browsing, ADoubleClickClearsTheAddressBox) {
  TypeAddress(L"http://127.0.0.1/some/address");
  ClickAt(Centre(Box()), true);
  EXPECT_TRUE(WaitFor([&] { return WindowText(Box()).empty(); }));
}

// Wine keeps menus inside their process (a foreign HMENU reads as nothing) and closes a
// menu on the access key of a disabled item as on an enabled one, so the menu items' side
// of this is shown by the handlers' tests; here the toolbar's.
TEST_F(Browsing, BackAndForwardButtonsFollowTheCommandStateEvents) {
  // As defined: Back disabled, Forward enabled.
  EXPECT_FALSE(ButtonEnabled(*program_, kButtonBack));
  EXPECT_TRUE(ButtonEnabled(*program_, kButtonForward));
  // A navigation without history: the control reports both commands unavailable.
  TypeAddress(server_.Url("/history"));
  ClickAt(Centre(program_->Control(kGoButton)));
  ASSERT_TRUE(server_.WaitForPath("/history"));
  EXPECT_TRUE(WaitFor([&] { return !ButtonEnabled(*program_, kButtonForward); }));
  EXPECT_FALSE(ButtonEnabled(*program_, kButtonBack));
}

}  // namespace
