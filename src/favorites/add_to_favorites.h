// The Add button: the system's Add to Favorites dialog picks the folder and name, and a
// confirmed dialog gets the URL box's text stored there as an Internet shortcut.
#pragma once

#include "app/external_entry_table.h"
#include "app/system_services.h"
#include "ui/window_services.h"

namespace tavrin {

inline constexpr int kFavoritesBufferChars = 256;  // what the dialog is told each buffer holds
inline constexpr ExternalArg kFavoritesFolderId = 6;  // CSIDL_FAVORITES
inline constexpr int kInformationMessage = 64;       // MB_OK | MB_ICONINFORMATION
inline constexpr char kAddedMessage[] = "已经成功添加到收藏夹";

void AddToFavorites(ui::WindowServices& windows, SystemServices& system,
                    ExternalEntryTable& external);

}  // namespace tavrin
