// The favorites window: a URL box and the two buttons that add to and organise Favorites.
#pragma once

#include <string_view>

#include "ui/window_definition.h"

namespace tavrin {

inline constexpr std::string_view kFavoritesTitle = "添加到收藏夹";
inline constexpr std::string_view kUrlBox = "编辑框1";
inline constexpr std::string_view kAddButton = "按钮1";
inline constexpr std::string_view kOrganizeButton = "按钮2";

const ui::WindowDefinition& FavoritesWindowDefinition();

}  // namespace tavrin
