#include "app/install_skin_engine.h"

#include <string>

namespace tavrin {

void InstallSkinEngine(SystemServices& system, std::span<const std::uint8_t> image) {
  const std::string path = system.GetSpecialFolder(SpecialFolder::System) + kSkinEngineFileName;
  if (system.FileExists(path)) return;
  if (system.WriteWholeFile(path, image)) return;

  const std::string local = system.ProgramFolder() + "\\" + kSkinEngineFileName;
  if (!system.FileExists(local)) system.WriteWholeFile(local, image);
}

}  // namespace tavrin
