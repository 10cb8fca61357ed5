// The order of start-up and the end of the program, apart from how each step is done.
#pragma once

namespace tavrin {

class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  virtual void InitializeOle() = 0;
  virtual void EnterProgramFolder() = 0;
  virtual void PrepareWindowDefinitions() = 0;  // fatal when they cannot be made ready
  virtual void InstallSkinEngine() = 0;
  virtual void LoadMainWindow() = 0;
  virtual bool AnyWindowExists() = 0;
  virtual void RunMessageLoop() = 0;
  virtual void EndProgram() = 0;  // runs at most once, whatever calls it
};

// Runs the program; the result is the exit code of a normal end.
int RunProgram(StartupSteps& steps);

}  // namespace tavrin
