#include "skins/apply_skin.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "app/install_skin_engine.h"
#include "fakes/fake_external.h"
#include "fakes/fake_system_services.h"

namespace tavrin {
namespace {

using testing::FakeGate;
using testing::FakeLoader;
using testing::FakeSystemServices;
using testing::ThrowingFatal;

struct Fixture {
  Fixture() {
    loader.libraries["SkinH_EL.dll"] = {"SkinH_Attach_Ex"};
    for (int i = 0; i < kSkinCount; ++i) {
      contents[i] = {'.', 'S', 'H', 'E', std::uint8_t(i + 1)};
      entries[i] = {kSkinNames[i], contents[i]};
    }
    gate.on_call = [this](std::span<const ExternalArg> args) {
      ASSERT_EQ(args.size(), 2u);
      attached_path = reinterpret_cast<const char*>(args[0]);
      second = reinterpret_cast<const char*>(args[1]);
    };
  }
  void Apply(int number) { ApplySkin(number, SkinCatalogue(entries), system, table); }

  std::array<std::array<std::uint8_t, 5>, kSkinCount> contents{};
  std::array<SkinEntry, kSkinCount> entries{};
  FakeSystemServices system;
  FakeLoader loader;
  FakeGate gate;
  ThrowingFatal fatal;
  ExternalEntryTable table{"C:\\apps\\tavrin", loader, gate, fatal};
  std::string attached_path;
  const char* second = nullptr;
};

TEST(ApplySkin, NumberSelectsTheCatalogueEntry) {
  const std::pair<int, const char*> cases[] = {{0, "aero"},  {-1, "aero"}, {23, "aero"},
                                               {1000, "aero"}, {1, "aero"}, {8, "enjoy"},
                                               {22, "xmp"},   {15, "office2007"}};
  for (const auto& [number, name] : cases) {
    SCOPED_TRACE(number);
    Fixture f;
    f.Apply(number);
    const std::string path = std::string("C:\\temp\\") + name + ".she";
    EXPECT_EQ(f.attached_path, path);
    ASSERT_EQ(f.system.files.count(path), 1u);
    EXPECT_EQ(f.system.files[path], std::vector<std::uint8_t>(
                                        f.contents[SkinIndexFor(number)].begin(),
                                        f.contents[SkinIndexFor(number)].end()));
  }
}

TEST(ApplySkin, WritesOnlyWhenNoEntryOfThatNameExists) {
  Fixture f;
  f.Apply(8);
  f.Apply(8);
  EXPECT_EQ(f.system.writes, std::vector<std::string>{"C:\\temp\\enjoy.she"});
  EXPECT_EQ(f.gate.calls.size(), 2u);

  // Another content or a folder under the name is left alone and still attached.
  Fixture planted;
  planted.system.files["C:\\temp\\enjoy.she"] = {'x'};
  planted.system.folders_on_disk.insert("C:\\temp\\aero.she");
  planted.Apply(8);
  planted.Apply(0);
  EXPECT_TRUE(planted.system.writes.empty());
  EXPECT_EQ(planted.system.files["C:\\temp\\enjoy.she"], std::vector<std::uint8_t>{'x'});
  EXPECT_EQ(planted.attached_path, "C:\\temp\\aero.she");
}

TEST(ApplySkin, SecondArgumentIsAnEmptyTextNeverNull) {
  Fixture f;
  f.Apply(8);
  ASSERT_NE(f.second, nullptr);
  EXPECT_STREQ(f.second, "");
}

TEST(ApplySkin, FailedWriteStillAttachesAndMissingTempFolderUsesTheBareName) {
  Fixture f;
  f.system.unwritable.insert("C:\\temp\\enjoy.she");
  f.Apply(8);
  EXPECT_EQ(f.attached_path, "C:\\temp\\enjoy.she");

  Fixture no_temp;
  no_temp.system.folders[SpecialFolder::Temporary] = "";
  no_temp.Apply(8);
  EXPECT_EQ(no_temp.attached_path, "enjoy.she");
  EXPECT_EQ(no_temp.system.writes, std::vector<std::string>{"enjoy.she"});
}

TEST(InstallSkinEngine, WritesTheImageOnlyWhereNoEntryExists) {
  const std::vector<std::uint8_t> image = {'M', 'Z', 1, 2, 3};
  const std::string system_copy = "C:\\windows\\system32\\SkinH_EL.dll";
  const std::string local_copy = "C:\\apps\\tavrin\\SkinH_EL.dll";
  struct Case {
    const char* what;
    bool system_exists;
    bool system_unwritable;
    bool local_exists;
    std::vector<std::string> expected_writes;
  };
  const Case cases[] = {
      {"first start", false, false, false, {system_copy}},
      {"later start", true, false, false, {}},
      {"system folder unwritable", false, true, false, {system_copy, local_copy}},
      {"unwritable, a copy beside the program", false, true, true, {system_copy}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeSystemServices system;
    if (c.system_exists) system.files[system_copy] = {};
    if (c.system_unwritable) system.unwritable.insert(system_copy);
    if (c.local_exists) system.files[local_copy] = {'o', 'l', 'd'};
    InstallSkinEngine(system, image);
    EXPECT_EQ(system.writes, c.expected_writes);
    if (c.local_exists) {
      EXPECT_EQ(system.files[local_copy], (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    }
  }
}

TEST(InstallSkinEngine, UnknownSystemFolderWritesTheBareName) {
  FakeSystemServices system;
  system.folders[SpecialFolder::System] = "";
  InstallSkinEngine(system, std::vector<std::uint8_t>{'M', 'Z'});
  EXPECT_EQ(system.writes, std::vector<std::string>{"SkinH_EL.dll"});
}

}  // namespace
}  // namespace tavrin
