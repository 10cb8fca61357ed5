#include "app/startup.h"

namespace tavrin {

int RunProgram(StartupSteps& steps) {
  steps.InitializeOle();
  steps.EnterProgramFolder();
  steps.PrepareWindowDefinitions();
  // Before the main window: its creation is the first call into the skin engine.
  steps.InstallSkinEngine();
  steps.LoadMainWindow();
  if (steps.AnyWindowExists()) steps.RunMessageLoop();
  steps.EndProgram();
  return 0;
}

}  // namespace tavrin
