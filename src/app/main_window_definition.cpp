#include "app/main_window_definition.h"

#include <array>

#include "app/menu_tree.h"
#include "app/toolbar_definition.h"

namespace tavrin {
namespace {

using ui::ControlKind;

// Stacking order: the first lies on top.
constexpr std::array<ui::ControlDefinition, 7> kControls{{
    {kDeleteButton, ControlKind::PushButton, 704, 8, 40, 24, "删除", true, ui::kNoEvents},
    {kGoButton, ControlKind::PushButton, 664, 8, 40, 24, "转到", true, ui::kClicked},
    {kStatusBar, ControlKind::StatusBar, 0, 374, 628, 20, "", false, ui::kNoEvents},
    {kWebView, ControlKind::WebView, 0, 40, 768, 400, "", true, ui::kWebViewEvents},
    {kAddressBox, ControlKind::EditBox, 400, 8, 264, 24, "", true,
     ui::kGotFocus | ui::kLostFocus | ui::kDoubleClicked},
    {kAddressLabel, ControlKind::Label, 360, 8, 40, 24, "地址：", false, ui::kFeedback,
     ui::LabelStyle{}},
    {kToolbar, ControlKind::Toolbar, 0, 0, 821, 32, "", false, ui::kToolbarEvents, {},
     kToolbarButtons},
}};

constexpr ui::WindowDefinition kMainWindow{
    .id = ui::WindowId::Main,
    .title = kMainTitle,
    .left = 50,
    .top = 50,
    .width = 770,
    .height = 511,
    .centred = false,
    .minimize_box = true,
    .maximize_box = true,
    .enter_moves_focus = true,
    .background = ui::Colour::ButtonFace(),
    .has_icon = true,
    .menu = kMenuTree,
    .handles_created = true,
    .handles_size_changed = true,
    .controls = kControls,
};

}  // namespace

const ui::WindowDefinition& MainWindowDefinition() { return kMainWindow; }

}  // namespace tavrin
