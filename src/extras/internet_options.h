// "Internet 选项": the system's Internet Options control panel, waited for until it ends.
#pragma once

#include <string>

#include "app/system_services.h"

namespace tavrin {

// The system folder (with its backslash, or "") followed by the control panel's command.
std::string InternetOptionsCommandLine(const std::string& system_folder);

// Holds the UI thread until the control panel's process ends; nothing when it cannot start.
void RunInternetOptions(SystemServices& system);

}  // namespace tavrin
