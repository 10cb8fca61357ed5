#pragma once

#include <string>

#include "app/external_entry_table.h"
#include "app/system_services.h"
#include "skins/skin_catalogue.h"

namespace tavrin {

// A number outside 1..22 selects skin 1.
int SkinIndexFor(int number);
std::string SkinFilePath(SystemServices& system, int number);

// Writes the skin into the temporary folder when no entry of its name exists there, then
// hands its path to the skin engine.
void ApplySkin(int number, SkinCatalogue catalogue, SystemServices& system,
               ExternalEntryTable& external);

}  // namespace tavrin
