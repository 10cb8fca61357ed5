#include "favorites/favorites_feature.h"

#include "app/menu_tree.h"
#include "favorites/add_to_favorites.h"
#include "favorites/favorites_window_definition.h"
#include "favorites/organize_favorites.h"

namespace tavrin {

bool FavoritesFeature::OnEvent(const ui::Event& event, std::optional<std::int32_t>&) {
  using ui::EventKind;
  using ui::WindowId;
  if (event.window == WindowId::Main && event.kind == EventKind::MenuChosen) {
    if (event.code != kMenuAddFavorite && event.code != kMenuOrganizeFavorites) return false;
    windows_.LoadWindow(WindowId::Favorites, true);
    return true;
  }
  if (event.window != WindowId::Favorites) return false;
  if (event.kind == EventKind::Created && event.control.empty()) {
    external_.Call(ExternalEntry::AutoComplete,
                   {windows_.Handle(WindowId::Favorites, kUrlBox), kUrlHistoryCompletion});
    return true;
  }
  if (event.kind != EventKind::Clicked) return false;
  if (event.control == kAddButton) {
    AddToFavorites(windows_, system_, external_);
    return true;
  }
  if (event.control == kOrganizeButton) {
    OrganizeFavorites(windows_, system_, external_);
    return true;
  }
  return false;
}

}  // namespace tavrin
