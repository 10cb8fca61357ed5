#include <gtest/gtest.h>

#include <set>

#include "browser/hot_key_service.h"

namespace tavrin::browser {
namespace {

TEST(BrowserHotKeyIdentifiers, NewForEveryCallWithinTheApplicationRange) {
  HotKeyIdentifiers ids;
  std::set<std::int32_t> seen;
  for (int i = 0; i < HotKeyIdentifiers::kLast; ++i) {
    const std::int32_t id = ids.Next();
    ASSERT_GE(id, 1);
    ASSERT_LE(id, 0xBFFF);
    ASSERT_TRUE(seen.insert(id).second);
  }
  EXPECT_EQ(ids.Next(), 1);  // after the last, from the start again
}

TEST(BrowserHotKeyIdentifiers, PassesOverIdentifiersStillInUse) {
  HotKeyIdentifiers ids;
  const std::set<std::int32_t> held{1, 2, 4};
  auto in_use = [&](std::int32_t id) { return held.count(id) == 1; };
  EXPECT_EQ(ids.Next(in_use), 3);
  EXPECT_EQ(ids.Next(in_use), 5);
  EXPECT_EQ(ids.Next([](std::int32_t) { return true; }), 0);  // none free: refused
}

TEST(BrowserHotKeyModifiers, OurCodesBecomeTheSystemsBits) {
  // Ours: 1 Ctrl, 2 Shift, 4 Alt. The system's: Alt 1, Control 2, Shift 4.
  const std::pair<int, unsigned> cases[] = {{0, 0}, {1, 2}, {2, 4}, {4, 1},
                                            {3, 6}, {5, 3}, {6, 5}};
  for (auto [ours, system] : cases) EXPECT_EQ(SystemModifiers(ours), system) << ours;
}

}  // namespace
}  // namespace tavrin::browser
