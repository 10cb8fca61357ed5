// The Add and Organise buttons against a fake Add to Favorites dialog: the buffers it is
// given, the order of the calls, what is written and when the id list is freed.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/external_entry_table.h"
#include "fakes/fake_external.h"
#include "fakes/fake_system_services.h"
#include "fakes/fake_window_services.h"
#include "favorites/add_to_favorites.h"
#include "favorites/favorites_window_definition.h"
#include "favorites/organize_favorites.h"

namespace tavrin {
namespace {

using testing::FakeGate;
using testing::FakeLoader;
using testing::FakeSystemServices;
using testing::FakeWindowServices;
using testing::ThrowingFatal;
using Write = FakeSystemServices::ProfileWrite;

constexpr char kFavoritesGbk[] = "\xCA\xD5\xB2\xD8\xBC\xD0";  // 收藏夹 in code page 936

// Converts the one Chinese word the cases use, as code page 936 would, and logs the steps
// that the handlers take through the system.
class RecordingSystem : public FakeSystemServices {
 public:
  explicit RecordingSystem(std::vector<std::string>& steps) : steps_(steps) {}
  std::string ToAnsi(std::string_view utf8) override {
    std::string text(utf8);
    for (std::size_t at; (at = text.find("收藏夹")) != std::string::npos;)
      text.replace(at, std::strlen("收藏夹"), kFavoritesGbk);
    return text;
  }
  bool WriteProfileStringAnsi(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) override {
    steps_.push_back("write profile");
    return FakeSystemServices::WriteProfileStringAnsi(path, section, key, value);
  }

 private:
  std::vector<std::string>& steps_;
};

class RecordingWindows : public FakeWindowServices {
 public:
  explicit RecordingWindows(std::vector<std::string>& steps) : steps_(steps) {}
  ui::PropertyValue ReadProperty(ui::WindowId window, std::string_view control,
                                 int number) override {
    steps_.push_back("read " + std::string(control) + " " + std::to_string(number));
    return FakeWindowServices::ReadProperty(window, control, number);
  }
  int ShowMessage(std::string_view text, int flags) override {
    steps_.push_back("message " + std::string(text) + " " + std::to_string(flags));
    return FakeWindowServices::ShowMessage(text, flags);
  }

 private:
  std::vector<std::string>& steps_;
};

// What the fake dialogs saw and do.
struct DialogScript {
  std::uintptr_t favorites_list = 0xF00D;  // what SHGetSpecialFolderLocation stores
  std::uintptr_t result = 1;               // what DoAddToFavDlg returns
  std::string chosen_path;                 // what it leaves in the folder buffer
};

struct Fixture {
  std::vector<std::string> steps;
  RecordingWindows windows{steps};
  RecordingSystem system{steps};
  FakeLoader loader;
  FakeGate gate;
  ThrowingFatal fatal;
  ExternalEntryTable external{"C:\\apps\\tavrin", loader, gate, fatal};
  DialogScript script;

  // Seen by the fake dialog while it ran.
  std::string folder_seen;
  std::string name_seen;
  std::string organize_path_seen;
  bool organize_path_null = false;

  Fixture() {
    loader.libraries = {{"shlwapi.dll", {"SHAutoComplete"}},
                        {"shell32.dll", {"SHGetSpecialFolderLocation"}},
                        {"shdocvw.dll", {"DoAddToFavDlg", "DoOrganizeFavDlg"}},
                        {"ieframe.dll", {"DoOrganizeFavDlg"}},
                        {"ole32.dll", {"CoTaskMemFree"}}};
    gate.on_call = [this](std::span<const ExternalArg> args) { Answer(args); };
  }

  // The library a call went to: the fake loader's addresses are 0x1000 + module.
  std::string LibraryOf(std::uintptr_t address) { return loader.loaded[address - 0x1000]; }

  void Answer(std::span<const ExternalArg> args) {
    const std::string library = LibraryOf(gate.calls.back().address);
    gate.result = 0;
    if (library == "shell32.dll") {
      steps.push_back("SHGetSpecialFolderLocation " + std::to_string(args[1]));
      *reinterpret_cast<std::uintptr_t*>(args[2]) = script.favorites_list;
    } else if (library == "shdocvw.dll" && args.size() == 6) {
      steps.push_back("DoAddToFavDlg");
      auto* folder = reinterpret_cast<char*>(args[1]);
      auto* name = reinterpret_cast<char*>(args[3]);
      folder_seen.assign(folder, args[2] + 1);  // the told size and the terminator
      name_seen = name;
      // The real dialog fills both buffers up to their told size: the sanitizer checks it.
      std::memset(name, 'n', args[4] - 1);
      name[args[4] - 1] = '\0';
      std::memset(folder, 'f', args[2] - 1);
      folder[args[2] - 1] = '\0';
      std::memcpy(folder, script.chosen_path.c_str(), script.chosen_path.size() + 1);
      gate.result = script.result;
    } else if (library == "ole32.dll") {
      steps.push_back("CoTaskMemFree " + std::to_string(args[0]));
    } else if (args.size() == 2 && (library == "shdocvw.dll" || library == "ieframe.dll")) {
      steps.push_back("DoOrganizeFavDlg " + library);
      organize_path_null = args[1] == 0;
      if (args[1]) organize_path_seen = reinterpret_cast<const char*>(args[1]);
    }
  }

  ExternalArg Owner() { return windows.Handle(ui::WindowId::Favorites, {}); }
};

const std::string kChosen = std::string("C:\\users\\me\\") + kFavoritesGbk + "\\Example.url";

struct AddCase {
  const char* what;
  std::string url;  // the URL box's text
  std::uintptr_t dialog_result;
  bool write_succeeds;
  std::uintptr_t favorites_list;
  std::vector<Write> writes;
  std::vector<std::string> steps_between;  // after the dialog, before the free
};

const std::string kMessage = "message 已经成功添加到收藏夹 64";

TEST(FavoritesAdd, OnlyAConfirmedDialogWritesAndOnlyASuccessfulWriteIsReported) {
  const AddCase cases[] = {
      {"confirmed", "http://example.com/a?b=c", 1, true, 0xF00D,
       {{kChosen, "InternetShortcut", "URL", "http://example.com/a?b=c"}},
       {"read 编辑框1 8", "write profile", kMessage}},
      {"cancelled", "http://example.com/", 0, true, 0xF00D, {}, {}},
      {"result 2 is no confirmation", "http://example.com/", 2, true, 0xF00D, {}, {}},
      {"a negative result is no confirmation", "http://example.com/", ExternalArg(-1), true,
       0xF00D, {}, {}},
      {"failed write", "http://example.com/", 1, false, 0xF00D,
       {{kChosen, "InternetShortcut", "URL", "http://example.com/"}},
       {"read 编辑框1 8", "write profile"}},
      {"empty URL box", "", 1, true, 0xF00D, {{kChosen, "InternetShortcut", "URL", ""}},
       {"read 编辑框1 8", "write profile", kMessage}},
      {"no address at all, kept exactly", "  我的收藏夹 = [x] ", 1, true, 0xF00D,
       {{kChosen, "InternetShortcut", "URL", std::string("  我的") + kFavoritesGbk + " = [x] "}},
       {"read 编辑框1 8", "write profile", kMessage}},
      {"no item id list", "http://example.com/", 1, true, 0,
       {{kChosen, "InternetShortcut", "URL", "http://example.com/"}},
       {"read 编辑框1 8", "write profile", kMessage}},
#if UINTPTR_MAX > 0xFFFFFFFFu
      {"only the BOOL's 32 bits of the register count", "x", 0xDEAD00000001u, true, 0xF00D,
       {{kChosen, "InternetShortcut", "URL", "x"}}, {"read 编辑框1 8", "write profile", kMessage}},
#endif
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    f.windows.Set(ui::WindowId::Favorites, kUrlBox, ui::kText, c.url);
    f.system.profile_write_succeeds = c.write_succeeds;
    f.script = {c.favorites_list, c.dialog_result, kChosen};

    AddToFavorites(f.windows, f.system, f.external);

    std::vector<std::string> expected{"SHGetSpecialFolderLocation 6", "DoAddToFavDlg"};
    expected.insert(expected.end(), c.steps_between.begin(), c.steps_between.end());
    expected.push_back("CoTaskMemFree " + std::to_string(c.favorites_list));
    EXPECT_EQ(f.steps, expected);
    EXPECT_EQ(f.system.profile_writes, c.writes);
  }
}

TEST(FavoritesAdd, DialogGetsTheWindowTheBuffersTheirSizesAndTheIdList) {
  Fixture f;
  f.script.chosen_path = kChosen;
  AddToFavorites(f.windows, f.system, f.external);

  ASSERT_EQ(f.gate.calls.size(), 3u);
  const auto& location = f.gate.calls[0].args;
  ASSERT_EQ(location.size(), 3u);
  EXPECT_EQ(location[0], f.Owner());
  EXPECT_EQ(location[1], 6u);  // CSIDL_FAVORITES

  const auto& dialog = f.gate.calls[1].args;
  ASSERT_EQ(dialog.size(), 6u);
  EXPECT_EQ(dialog[0], f.Owner());
  EXPECT_EQ(dialog[2], 256u);
  EXPECT_EQ(dialog[4], 256u);
  EXPECT_EQ(dialog[5], 0xF00Du);
  EXPECT_EQ(f.folder_seen, std::string(256, ' ') + '\0');
  EXPECT_EQ(f.name_seen, "");

  EXPECT_EQ(f.gate.calls[2].args, std::vector<ExternalArg>{0xF00D});
}

TEST(FavoritesAdd, ABindingFailureOfTheDialogIsFatal) {
  Fixture f;
  f.loader.libraries.erase("shdocvw.dll");
  EXPECT_THROW(AddToFavorites(f.windows, f.system, f.external), testing::FatalRaised);
  EXPECT_TRUE(f.system.profile_writes.empty());
}

TEST(FavoritesOrganize, OnlyTheFirstCharacterOfTheVersionPicksTheLibrary) {
  struct Case {
    const char* version;  // "" also stands for a key or value that cannot be read
    ExternalEntry entry;
  };
  const Case cases[] = {
      {"8", ExternalEntry::OrganizeFavoritesIeframe},
      {"8.0.7601", ExternalEntry::OrganizeFavoritesIeframe},
      {"8x", ExternalEntry::OrganizeFavoritesIeframe},
      {"7.0", ExternalEntry::OrganizeFavoritesShdocvw},
      {"9.11.9600", ExternalEntry::OrganizeFavoritesShdocvw},
      {"9.11.9600.18376", ExternalEntry::OrganizeFavoritesShdocvw},
      {"", ExternalEntry::OrganizeFavoritesShdocvw},
      {" 8.0", ExternalEntry::OrganizeFavoritesShdocvw},
      {"80", ExternalEntry::OrganizeFavoritesIeframe},
      {"１", ExternalEntry::OrganizeFavoritesShdocvw},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    EXPECT_EQ(OrganizeFavoritesEntryFor(c.version), c.entry);

    Fixture f;
    f.system.browser_version = c.version;
    OrganizeFavorites(f.windows, f.system, f.external);
    const bool ieframe = c.entry == ExternalEntry::OrganizeFavoritesIeframe;
    EXPECT_EQ(f.steps, std::vector<std::string>{ieframe ? "DoOrganizeFavDlg ieframe.dll"
                                                        : "DoOrganizeFavDlg shdocvw.dll"});
    EXPECT_TRUE(f.external.IsBound(c.entry));
  }
}

TEST(FavoritesOrganize, DialogGetsTheWindowAndTheFolderPathOrANullPath) {
  struct Case {
    std::string favorites_folder;
    bool null_path;
    std::string path_seen;
  };
  const Case cases[] = {
      {"C:\\users\\me\\Favorites\\", false, "C:\\users\\me\\Favorites\\"},
      {"C:\\users\\me\\收藏夹\\", false, std::string("C:\\users\\me\\") + kFavoritesGbk + "\\"},
      {"", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.favorites_folder);
    Fixture f;
    f.system.folders[SpecialFolder::Favorites] = c.favorites_folder;
    f.system.browser_version = "9.11.9600";
    OrganizeFavorites(f.windows, f.system, f.external);
    ASSERT_EQ(f.gate.calls.size(), 1u);
    EXPECT_EQ(f.gate.calls[0].args[0], f.Owner());
    EXPECT_EQ(f.organize_path_null, c.null_path);
    EXPECT_EQ(f.organize_path_seen, c.path_seen);
  }
}

TEST(FavoritesOrganize, IeframeWithoutTheEntryIsFatal) {
  Fixture f;
  f.loader.libraries["ieframe.dll"] = {"SomethingElse"};
  f.system.browser_version = "8.0";
  EXPECT_THROW(OrganizeFavorites(f.windows, f.system, f.external), testing::FatalRaised);
  EXPECT_TRUE(f.steps.empty());
}

}  // namespace
}  // namespace tavrin
