#include "favorites/internet_shortcut.h"

namespace tavrin {

bool WriteInternetShortcut(SystemServices& system, const std::string& ansi_path,
                           const std::string& ansi_url) {
  return system.WriteProfileStringAnsi(ansi_path, "InternetShortcut", "URL", ansi_url);
}

}  // namespace tavrin
