#include "app/external_entry_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_external.h"

namespace tavrin {
namespace {

using testing::FakeGate;
using testing::FakeLoader;
using testing::FatalRaised;
using testing::ThrowingFatal;

constexpr char kFolder[] = "C:\\apps\\tavrin";

struct Fixture {
  FakeLoader loader;
  FakeGate gate;
  ThrowingFatal fatal;
  ExternalEntryTable table{kFolder, loader, gate, fatal};
};

TEST(ExternalEntryTable, ProgramFolderIsSearchedBeforeTheSystem) {
  Fixture f;
  f.loader.libraries["C:\\apps\\tavrin\\SkinH_EL.dll"] = {"SkinH_Attach_Ex"};
  f.loader.libraries["SkinH_EL.dll"] = {"SkinH_Attach_Ex"};
  f.table.Call(ExternalEntry::SkinAttach, {1, 2});
  EXPECT_EQ(f.loader.attempts, std::vector<std::string>{"C:\\apps\\tavrin\\SkinH_EL.dll"});
  ASSERT_EQ(f.gate.calls.size(), 1u);
  EXPECT_EQ(f.gate.calls[0].args, (std::vector<ExternalArg>{1, 2}));
}

TEST(ExternalEntryTable, BareNameIsTriedWhenTheProgramFolderHasNone) {
  Fixture f;
  f.loader.libraries["shlwapi.dll"] = {"SHAutoComplete"};
  f.table.Call(ExternalEntry::AutoComplete, {7, 2});
  EXPECT_EQ(f.loader.attempts,
            (std::vector<std::string>{"C:\\apps\\tavrin\\shlwapi.dll", "shlwapi.dll"}));
  EXPECT_TRUE(f.table.IsBound(ExternalEntry::AutoComplete));
}

TEST(ExternalEntryTable, BindsOnceAndCallsTheStoredAddressAfterwards) {
  Fixture f;
  f.loader.libraries["ole32.dll"] = {"CoTaskMemFree"};
  for (int i = 0; i < 3; ++i) f.table.Call(ExternalEntry::TaskMemFree, {0});
  EXPECT_EQ(f.loader.attempts.size(), 2u);  // program folder, then the bare name, once
  ASSERT_EQ(f.gate.calls.size(), 3u);
  EXPECT_EQ(f.gate.calls[0].address, f.gate.calls[2].address);
}

TEST(ExternalEntryTable, FailuresAreFatalAndNameLibraryAndEntry) {
  struct Case {
    const char* what;
    std::map<std::string, std::set<std::string>> libraries;
    std::vector<std::string> expected_attempts;
  };
  const Case cases[] = {
      {"no library anywhere", {}, {"C:\\apps\\tavrin\\shdocvw.dll", "shdocvw.dll"}},
      // A library that loads but lacks the entry stops the search there.
      {"program folder copy lacks the entry",
       {{"C:\\apps\\tavrin\\shdocvw.dll", {"Other"}}, {"shdocvw.dll", {"DoAddToFavDlg"}}},
       {"C:\\apps\\tavrin\\shdocvw.dll"}},
      {"system copy lacks the entry",
       {{"shdocvw.dll", {"DoOrganizeFavDlg"}}},
       {"C:\\apps\\tavrin\\shdocvw.dll", "shdocvw.dll"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    f.loader.libraries = c.libraries;
    try {
      f.table.Call(ExternalEntry::AddToFavorites, {});
      ADD_FAILURE() << "no fatal error";
    } catch (const FatalRaised& error) {
      EXPECT_NE(std::string(error.what()).find("shdocvw.dll"), std::string::npos);
      EXPECT_NE(std::string(error.what()).find("DoAddToFavDlg"), std::string::npos);
    }
    EXPECT_EQ(f.loader.attempts, c.expected_attempts);
    EXPECT_TRUE(f.gate.calls.empty());
    EXPECT_FALSE(f.table.IsBound(ExternalEntry::AddToFavorites));
  }
}

TEST(ExternalEntryTable, UnbalancedStackAfterTheCallIsFatal) {
  Fixture f;
  f.loader.libraries["SkinH_EL.dll"] = {"SkinH_Attach_Ex"};
  f.gate.balanced = false;
  try {
    f.table.Call(ExternalEntry::SkinAttach, {1, 2});
    ADD_FAILURE() << "no fatal error";
  } catch (const FatalRaised& error) {
    EXPECT_NE(std::string(error.what()).find("SkinH_Attach_Ex"), std::string::npos);
  }
}

TEST(ExternalEntryTable, EntriesOfOneLibraryAreSeparateBindingsEachReleasedOnce) {
  Fixture f;
  f.loader.libraries["shdocvw.dll"] = {"DoAddToFavDlg", "DoOrganizeFavDlg"};
  f.loader.libraries["ieframe.dll"] = {"DoOrganizeFavDlg"};
  f.table.Call(ExternalEntry::AddToFavorites, {});
  f.table.Call(ExternalEntry::OrganizeFavoritesShdocvw, {});
  f.table.Call(ExternalEntry::OrganizeFavoritesIeframe, {});
  EXPECT_EQ(f.loader.loaded.size(), 3u);  // one load per entry that was called
  f.table.ReleaseAll();
  f.table.ReleaseAll();
  std::vector<ModuleHandle> released = f.loader.released;
  std::sort(released.begin(), released.end());
  EXPECT_EQ(released, (std::vector<ModuleHandle>{1, 2, 3}));
  EXPECT_FALSE(f.table.IsBound(ExternalEntry::AddToFavorites));
}

TEST(ExternalEntryTable, TableHoldsTheSevenEntriesInOrder) {
  const std::pair<std::string_view, std::string_view> expected[] = {
      {"SkinH_EL.dll", "SkinH_Attach_Ex"},  {"shlwapi.dll", "SHAutoComplete"},
      {"ieframe.dll", "DoOrganizeFavDlg"},  {"shdocvw.dll", "DoOrganizeFavDlg"},
      {"shell32.dll", "SHGetSpecialFolderLocation"}, {"shdocvw.dll", "DoAddToFavDlg"},
      {"ole32.dll", "CoTaskMemFree"}};
  ASSERT_EQ(kExternalEntries.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(kExternalEntries[i].library, expected[i].first);
    EXPECT_EQ(kExternalEntries[i].entry_point, expected[i].second);
  }
}

}  // namespace
}  // namespace tavrin
