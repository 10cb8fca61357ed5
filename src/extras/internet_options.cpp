#include "extras/internet_options.h"

namespace tavrin {

std::string InternetOptionsCommandLine(const std::string& system_folder) {
  return system_folder + "control.exe inetcpl.cpl";
}

void RunInternetOptions(SystemServices& system) {
  system.RunAndWait(InternetOptionsCommandLine(system.GetSpecialFolder(SpecialFolder::System)));
}

}  // namespace tavrin
