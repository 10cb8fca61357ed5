// The auxiliary commands: the About window opens modally and its button closes it, Internet
// Options runs the control panel from the system folder, the new-window prompt changes
// nothing, Exit ends the program.
#include "extras/extras_feature.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/menu_tree.h"
#include "extras/about_window_definition.h"
#include "extras/internet_options.h"
#include "fakes/fake_system_services.h"
#include "fakes/fake_window_services.h"

namespace tavrin {
namespace {

using ui::Event;
using ui::EventKind;
using ui::WindowId;

struct ExitCalled : std::runtime_error {
  ExitCalled() : std::runtime_error("exit") {}
};

class ThrowingProgram : public ProgramControl {
 public:
  [[noreturn]] void ExitNow() override { throw ExitCalled(); }
};

struct Fixture {
  testing::FakeWindowServices windows;
  testing::FakeSystemServices system;
  ThrowingProgram program;
  ExtrasFeature feature{windows, system, program};

  bool Offer(const Event& event) {
    std::optional<std::int32_t> answer;
    const bool taken = feature.OnEvent(event, answer);
    EXPECT_FALSE(answer.has_value());
    return taken;
  }
  static Event Menu(int item) { return {WindowId::Main, {}, EventKind::MenuChosen, item}; }
};

TEST(ExtrasFeature, AboutOpensModallyAndItsCloseButtonDestroysIt) {
  Fixture f;
  EXPECT_TRUE(f.Offer(Fixture::Menu(kMenuAboutBrowser)));
  EXPECT_TRUE(f.Offer({WindowId::About, kAboutCloseButton, EventKind::Clicked}));
  EXPECT_TRUE(f.Offer(Fixture::Menu(kMenuAboutBrowser)));  // each opening is a new load
  EXPECT_EQ(f.windows.log, (std::vector<std::string>{"load 1 modal", "destroy 1", "load 1 modal"}));
}

TEST(ExtrasFeature, InternetOptionsRunsTheControlPanelFromTheSystemFolder) {
  struct Case {
    const char* what;
    std::string system_folder;
    bool starts;
    std::string command_line;
  };
  const Case cases[] = {
      {"system folder", "C:\\windows\\system32\\", true,
       "C:\\windows\\system32\\control.exe inetcpl.cpl"},
      {"no system folder: the system's search", "", true, "control.exe inetcpl.cpl"},
      {"cannot start: nothing shown", "C:\\windows\\system32\\", false,
       "C:\\windows\\system32\\control.exe inetcpl.cpl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(InternetOptionsCommandLine(c.system_folder), c.command_line);
    Fixture f;
    f.system.folders[SpecialFolder::System] = c.system_folder;
    f.system.process_starts = c.starts;
    EXPECT_TRUE(f.Offer(Fixture::Menu(kMenuInternetOptions)));
    EXPECT_EQ(f.system.processes_started, std::vector<std::string>{c.command_line});
    EXPECT_TRUE(f.windows.log.empty());
  }
}

TEST(ExtrasFeature, NewWindowPromptChangesNothingWhateverTheAnswer) {
  struct Case {
    const char* what;
    bool confirms;
    std::string typed;
  };
  const Case cases[] = {
      {"confirmed with a text", true, "http://example.com/"},
      {"confirmed empty", true, ""},
      {"cancelled", false, "typed then cancelled"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    f.windows.input_confirms = c.confirms;
    f.windows.input_answer = c.typed;
    EXPECT_TRUE(f.Offer(Fixture::Menu(kMenuNewWindow)));
    EXPECT_EQ(f.windows.log, std::vector<std::string>{"input 输入"});
    EXPECT_TRUE(f.windows.properties.empty());
    EXPECT_TRUE(f.system.processes_started.empty());
  }
}

TEST(ExtrasFeature, ExitEndsTheProgramAtOnce) {
  Fixture f;
  EXPECT_THROW(f.Offer(Fixture::Menu(kMenuExit)), ExitCalled);
  EXPECT_TRUE(f.windows.log.empty());
}

TEST(ExtrasFeature, LeavesOtherEventsAlone) {
  const Event others[] = {
      Fixture::Menu(kMenuAddFavorite),
      Fixture::Menu(kMenuBack),
      Fixture::Menu(kMenuAbout),
      Fixture::Menu(kMenuFileSeparator2),
      {WindowId::Main, kAboutCloseButton, EventKind::Clicked},  // the main window's Go button
      {WindowId::Favorites, kAboutCloseButton, EventKind::Clicked},
      {WindowId::About, kAboutLabel, EventKind::Clicked},
      {WindowId::About, {}, EventKind::Created},
  };
  for (const Event& event : others) {
    SCOPED_TRACE(std::string(event.control) + " " + std::to_string(event.code));
    Fixture f;
    EXPECT_FALSE(f.Offer(event));
    EXPECT_TRUE(f.windows.log.empty());
    EXPECT_TRUE(f.system.processes_started.empty());
  }
}

}  // namespace
}  // namespace tavrin
