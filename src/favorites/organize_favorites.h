// The Organise button: the system's Organise Favorites dialog on the Favorites folder, from
// the library that the installed browser version keeps it in.
#pragma once

#include <string_view>

#include "app/external_entry_table.h"
#include "app/system_services.h"
#include "ui/window_services.h"

namespace tavrin {

// Only the version's first character counts: "8" is ieframe.dll, anything else (nothing too)
// shdocvw.dll.
ExternalEntry OrganizeFavoritesEntryFor(std::string_view browser_version);

void OrganizeFavorites(ui::WindowServices& windows, SystemServices& system,
                       ExternalEntryTable& external);

}  // namespace tavrin
