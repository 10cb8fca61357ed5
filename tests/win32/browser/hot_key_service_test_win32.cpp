// Hot keys over the system's RegisterHotKey: new identifiers, the system's refusal of a key
// held elsewhere, presses through the thread filter, and nothing left held behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "browser/win32/hot_key_service_win32.h"

namespace tavrin::browser::win32 {
namespace {

constexpr int kF1 = VK_F1;

class HotKeys : public ::testing::Test {
 protected:
  // One top-level window for the suite: Wine takes seconds to make and unmake one.
  static void SetUpTestSuite() {
    top_ = CreateWindowExW(0, L"STATIC", L"hot keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                           200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(top_); }
  void SetUp() override {
    box_ = Child(L"EDIT");
    label_ = Child(L"STATIC");
    other_ = Child(L"EDIT");
  }
  void TearDown() override {
    service_.reset();
    for (HWND window : {box_, label_, other_})
      if (IsWindow(window)) DestroyWindow(window);
  }
  HWND Child(const wchar_t* kind) {
    return CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, top_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  static ui::NativeHandle H(HWND window) { return reinterpret_cast<ui::NativeHandle>(window); }
  // Whether another owner of ours could take F1 now (then gives it back).
  bool F1IsFree() {
    if (!RegisterHotKey(other_, 0xBEEF, 0, kF1)) return false;
    UnregisterHotKey(other_, 0xBEEF);
    return true;
  }

  struct Press {
    HWND notify;
    std::int32_t id;
  };
  static inline HWND top_ = nullptr;
  HWND box_ = nullptr, label_ = nullptr, other_ = nullptr;
  std::vector<Press> presses_;
  std::unique_ptr<HotKeyServiceWin32> service_ = std::make_unique<HotKeyServiceWin32>(
      [this](HWND notify, std::int32_t id) { presses_.push_back({notify, id}); });
};

TEST_F(HotKeys, EveryRegistrationGetsANewIdentifierAndHoldsTheKey) {
  std::set<std::int32_t> seen;
  for (int round = 0; round < 20; ++round) {
    const std::int32_t id = service_->Register(H(box_), H(label_), 0, kF1);
    ASSERT_NE(id, 0);
    EXPECT_TRUE(seen.insert(id).second);
    EXPECT_LE(id, 0xBFFF);
    EXPECT_FALSE(F1IsFree());
    EXPECT_TRUE(service_->Release(H(box_), id));
    EXPECT_TRUE(F1IsFree());
    EXPECT_EQ(service_->HeldCount(), 0u);
  }
}

TEST_F(HotKeys, AKeyHeldElsewhereIsRefusedWithZero) {
  ASSERT_TRUE(RegisterHotKey(other_, 0xBEEF, 0, kF1));
  EXPECT_EQ(service_->Register(H(box_), H(label_), 0, kF1), 0);
  EXPECT_EQ(service_->HeldCount(), 0u);
  EXPECT_FALSE(service_->Release(H(box_), 0));
  UnregisterHotKey(other_, 0xBEEF);
  // A modifier makes it another key.
  const std::int32_t ctrl = service_->Register(H(box_), H(label_), kCtrl, kF1);
  EXPECT_NE(ctrl, 0);
  EXPECT_TRUE(F1IsFree());
}

TEST_F(HotKeys, RegisteringTheSameKeyAgainReplacesTheOldRegistration) {
  const std::int32_t first = service_->Register(H(box_), H(label_), 0, kF1);
  const std::int32_t second = service_->Register(H(box_), H(label_), 0, kF1);
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(service_->HeldCount(), 1u);
  EXPECT_FALSE(service_->Release(H(box_), first));  // already gone
  EXPECT_TRUE(service_->Release(H(box_), second));
  EXPECT_TRUE(F1IsFree());
}

TEST_F(HotKeys, APressBecomesTheFeedbackOfTheNotifyWindow) {
  const std::int32_t id = service_->Register(H(box_), H(label_), 0, kF1);
  ASSERT_NE(id, 0);
  PostMessageW(box_, WM_HOTKEY, WPARAM(id), MAKELPARAM(0, kF1));
  PostMessageW(box_, WM_HOTKEY, WPARAM(id + 1), MAKELPARAM(0, kF1));  // not ours
  MSG message;
  std::vector<bool> taken;
  while (PeekMessageW(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
    taken.push_back(service_->Filter(message));
  EXPECT_EQ(taken, (std::vector<bool>{true, false}));
  ASSERT_EQ(presses_.size(), 1u);
  EXPECT_EQ(presses_[0].notify, label_);
  EXPECT_EQ(presses_[0].id, id);
}

TEST_F(HotKeys, ARealF1PressArrivesAsWmHotKey) {
  SetForegroundWindow(top_);
  const std::int32_t id = service_->Register(H(box_), H(label_), 0, kF1);
  ASSERT_NE(id, 0);
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  MSG message;
  for (int i = 0; i < 200 && presses_.empty(); ++i) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!service_->Filter(message)) DispatchMessageW(&message);
    }
    Sleep(10);
  }
  ASSERT_EQ(presses_.size(), 1u);
  EXPECT_EQ(presses_[0].id, id);
}

TEST_F(HotKeys, NothingIsLeftHeldWhenTheOwnerOrTheServiceGoes) {
  ASSERT_NE(service_->Register(H(box_), H(label_), 0, kF1), 0);
  DestroyWindow(box_);
  EXPECT_EQ(service_->HeldCount(), 0u);
  EXPECT_TRUE(F1IsFree());

  const HWND box = Child(L"EDIT");
  ASSERT_NE(service_->Register(H(box), H(label_), 0, kF1), 0);
  service_.reset();
  EXPECT_TRUE(F1IsFree());
}

}  // namespace
}  // namespace tavrin::browser::win32
