#include "favorites/add_to_favorites.h"

#include <array>
#include <cstring>
#include <string>

#include "favorites/favorites_window_definition.h"
#include "favorites/internet_shortcut.h"

namespace tavrin {
namespace {

template <typename T>
ExternalArg AddressOf(T* pointer) {
  return reinterpret_cast<ExternalArg>(pointer);
}

// DoAddToFavDlg returns a BOOL: only its low 32 bits are defined in a 64-bit register.
bool Confirmed(std::uintptr_t result) { return std::uint32_t(result) == 1; }

}  // namespace

void AddToFavorites(ui::WindowServices& windows, SystemServices& system,
                    ExternalEntryTable& external) {
  // The dialog starts from the folder buffer's text and, once confirmed, leaves the full path
  // of the shortcut file in it. The name buffer is the dialog's scratch space, never read.
  std::array<char, kFavoritesBufferChars + 1> folder;
  folder.fill(' ');
  folder.back() = '\0';
  std::array<char, kFavoritesBufferChars + 1> name{};

  const ExternalArg owner = windows.Handle(ui::WindowId::Favorites);
  std::uintptr_t favorites_list = 0;  // stays null when the system gives no item id list
  external.Call(ExternalEntry::FavoritesLocation,
                {owner, kFavoritesFolderId, AddressOf(&favorites_list)});
  const std::uintptr_t result = external.Call(
      ExternalEntry::AddToFavorites, {owner, AddressOf(folder.data()), kFavoritesBufferChars,
                                      AddressOf(name.data()), kFavoritesBufferChars,
                                      favorites_list});
  if (Confirmed(result)) {
    const std::string url =
        ui::AsText(windows.ReadProperty(ui::WindowId::Favorites, kUrlBox, ui::kText));
    const std::string path(folder.data(), strnlen(folder.data(), folder.size()));
    if (WriteInternetShortcut(system, path, system.ToAnsi(url)))
      windows.ShowMessage(kAddedMessage, kInformationMessage);
  }
  external.Call(ExternalEntry::TaskMemFree, {favorites_list});
}

}  // namespace tavrin
