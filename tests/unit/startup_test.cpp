#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrin {
namespace {

class RecordingSteps : public StartupSteps {
 public:
  void InitializeOle() override { log.push_back("ole"); }
  void EnterProgramFolder() override { log.push_back("folder"); }
  void PrepareWindowDefinitions() override { log.push_back("definitions"); }
  void InstallSkinEngine() override { log.push_back("install"); }
  void LoadMainWindow() override { log.push_back("load"); }
  bool AnyWindowExists() override { return window_exists; }
  void RunMessageLoop() override { log.push_back("loop"); }
  void EndProgram() override { log.push_back("end"); }

  std::vector<std::string> log;
  bool window_exists = true;
};

TEST(Startup, StepsRunInOrderAndTheNormalEndGivesZero) {
  RecordingSteps steps;
  EXPECT_EQ(RunProgram(steps), 0);
  EXPECT_EQ(steps.log, (std::vector<std::string>{"ole", "folder", "definitions", "install",
                                                 "load", "loop", "end"}));
}

TEST(Startup, NoMessageLoopWhenNoWindowRemains) {
  RecordingSteps steps;
  steps.window_exists = false;
  EXPECT_EQ(RunProgram(steps), 0);
  EXPECT_EQ(steps.log, (std::vector<std::string>{"ole", "folder", "definitions", "install",
                                                 "load", "end"}));
}

}  // namespace
}  // namespace tavrin
