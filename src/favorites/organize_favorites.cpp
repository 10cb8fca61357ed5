#include "favorites/organize_favorites.h"

#include <string>

namespace tavrin {

ExternalEntry OrganizeFavoritesEntryFor(std::string_view browser_version) {
  return browser_version.starts_with('8') ? ExternalEntry::OrganizeFavoritesIeframe
                                          : ExternalEntry::OrganizeFavoritesShdocvw;
}

void OrganizeFavorites(ui::WindowServices& windows, SystemServices& system,
                       ExternalEntryTable& external) {
  const ExternalEntry entry = OrganizeFavoritesEntryFor(system.ReadBrowserVersion());
  const std::string folder = system.ToAnsi(system.GetSpecialFolder(SpecialFolder::Favorites));
  // No folder: a null path, and the dialog picks its own.
  const ExternalArg path = folder.empty() ? 0 : reinterpret_cast<ExternalArg>(folder.c_str());
  external.Call(entry, {windows.Handle(ui::WindowId::Favorites), path});
}

}  // namespace tavrin
