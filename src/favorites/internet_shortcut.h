// An Internet shortcut is a profile file whose section "InternetShortcut" holds the address
// under "URL"; writing the key into an existing file replaces it and keeps everything else.
#pragma once

#include <string>

#include "app/system_services.h"

namespace tavrin {

// Both texts in the ANSI code page. True when the system reports the key written.
bool WriteInternetShortcut(SystemServices& system, const std::string& ansi_path,
                           const std::string& ansi_url);

}  // namespace tavrin
