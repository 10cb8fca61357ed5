#include "favorites/favorites_window_definition.h"

#include <array>

namespace tavrin {
namespace {

using ui::ControlKind;

constexpr std::array<ui::ControlDefinition, 3> kControls{{
    {kUrlBox, ControlKind::EditBox, 64, 24, 232, 24, "", true, ui::kNoEvents},
    {kAddButton, ControlKind::PushButton, 32, 64, 112, 24, "添加到收藏夹", true, ui::kClicked},
    {kOrganizeButton, ControlKind::PushButton, 200, 64, 112, 24, "整理收藏夹", true,
     ui::kClicked},
}};

constexpr ui::WindowDefinition kFavoritesWindow{
    .id = ui::WindowId::Favorites,
    .title = kFavoritesTitle,
    .left = 0,
    .top = 0,
    .width = 385,
    .height = 136,
    .centred = true,
    .minimize_box = true,
    .maximize_box = true,
    .enter_moves_focus = false,
    .background = ui::Colour::ButtonFace(),
    .has_icon = false,
    .menu = {},
    .handles_created = true,  // the URL box gets its completion before the window shows
    .handles_size_changed = false,
    .controls = kControls,
};

}  // namespace

const ui::WindowDefinition& FavoritesWindowDefinition() { return kFavoritesWindow; }

}  // namespace tavrin
