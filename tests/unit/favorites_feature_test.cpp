// Which events the favorites feature takes: both menu items open the same window modally,
// its creation turns on the URL box's completion, and only its own buttons act.
#include "favorites/favorites_feature.h"

#include <gtest/gtest.h>

#include "app/menu_tree.h"
#include "fakes/fake_external.h"
#include "fakes/fake_system_services.h"
#include "fakes/fake_window_services.h"
#include "favorites/favorites_window_definition.h"

namespace tavrin {
namespace {

using ui::Event;
using ui::EventKind;
using ui::WindowId;

struct Fixture {
  testing::FakeWindowServices windows;
  testing::FakeSystemServices system;
  testing::FakeLoader loader;
  testing::FakeGate gate;
  testing::ThrowingFatal fatal;
  ExternalEntryTable external{"C:\\apps\\tavrin", loader, gate, fatal};
  FavoritesFeature feature{windows, system, external};

  Fixture() {
    loader.libraries = {{"shlwapi.dll", {"SHAutoComplete"}},
                        {"shell32.dll", {"SHGetSpecialFolderLocation"}},
                        {"shdocvw.dll", {"DoAddToFavDlg", "DoOrganizeFavDlg"}},
                        {"ole32.dll", {"CoTaskMemFree"}}};
  }
  bool Offer(const Event& event) {
    std::optional<std::int32_t> answer;
    const bool taken = feature.OnEvent(event, answer);
    EXPECT_FALSE(answer.has_value());
    return taken;
  }
  // The entry points called, by library, in order.
  std::vector<std::string> Libraries() {
    std::vector<std::string> names;
    for (const auto& call : gate.calls) names.push_back(loader.loaded[call.address - 0x1000]);
    return names;
  }
};

TEST(FavoritesFeature, BothMenuItemsLoadTheSameWindowModally) {
  for (int item : {kMenuAddFavorite, kMenuOrganizeFavorites}) {
    SCOPED_TRACE(item);
    Fixture f;
    EXPECT_TRUE(f.Offer({WindowId::Main, {}, EventKind::MenuChosen, item}));
    EXPECT_EQ(f.windows.log, std::vector<std::string>{"load 2 modal"});
    EXPECT_TRUE(f.gate.calls.empty());
  }
}

TEST(FavoritesFeature, CreationTurnsOnUrlHistoryCompletionForTheUrlBox) {
  Fixture f;
  EXPECT_TRUE(f.Offer({WindowId::Favorites, {}, EventKind::Created}));
  ASSERT_EQ(f.Libraries(), std::vector<std::string>{"shlwapi.dll"});
  EXPECT_EQ(f.gate.calls[0].args,
            (std::vector<ExternalArg>{f.windows.Handle(WindowId::Favorites, kUrlBox), 2}));
}

TEST(FavoritesFeature, EachButtonRunsItsOwnAction) {
  struct Case {
    std::string_view button;
    std::vector<std::string> libraries;
  };
  const Case cases[] = {
      {kAddButton, {"shell32.dll", "shdocvw.dll", "ole32.dll"}},
      {kOrganizeButton, {"shdocvw.dll"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    Fixture f;
    EXPECT_TRUE(f.Offer({WindowId::Favorites, c.button, EventKind::Clicked}));
    EXPECT_EQ(f.Libraries(), c.libraries);
  }
}

TEST(FavoritesFeature, LeavesOtherEventsAlone) {
  const Event others[] = {
      {WindowId::Main, {}, EventKind::MenuChosen, kMenuAboutBrowser},
      {WindowId::Main, {}, EventKind::MenuChosen, kMenuFavorites},
      {WindowId::Main, {}, EventKind::Created},
      {WindowId::Main, kAddButton, EventKind::Clicked},  // the main window's Go button
      {WindowId::About, kAddButton, EventKind::Clicked},
      {WindowId::Favorites, kUrlBox, EventKind::GotFocus},
      {WindowId::Favorites, {}, EventKind::SizeChanged},
      {WindowId::Favorites, kAddButton, EventKind::DoubleClicked},
  };
  for (const Event& event : others) {
    SCOPED_TRACE(std::string(event.control) + " " + std::to_string(int(event.kind)));
    Fixture f;
    EXPECT_FALSE(f.Offer(event));
    EXPECT_TRUE(f.windows.log.empty());
    EXPECT_TRUE(f.gate.calls.empty());
  }
}

}  // namespace
}  // namespace tavrin
