#include "extras/about_window_definition.h"

#include <array>

namespace tavrin {
namespace {

using ui::ControlKind;

constexpr ui::Colour kGreen = ui::Colour::Rgb(0, 255, 0);

// The button comes first, so it lies above the lower part of the label.
constexpr std::array<ui::ControlDefinition, 2> kControls{{
    {kAboutCloseButton, ControlKind::PushButton, 152, 144, 72, 32, "关闭", true, ui::kClicked},
    {kAboutLabel, ControlKind::Label, 64, 24, 248, 160, kAboutText, false, ui::kNoEvents,
     ui::LabelStyle{.centred = true,
                    .word_wrap = true,
                    .text = ui::Colour::Rgb(0, 0, 0),
                    .background = kGreen}},
}};

constexpr ui::WindowDefinition kAboutWindow{
    .id = ui::WindowId::About,
    .title = kAboutTitle,
    .left = 0,
    .top = 0,
    .width = 380,
    .height = 250,
    .centred = true,
    .minimize_box = false,
    .maximize_box = true,
    .enter_moves_focus = false,
    .background = kGreen,
    .has_icon = false,
    .menu = {},
    .handles_created = false,
    .handles_size_changed = false,
    .controls = kControls,
};

}  // namespace

const ui::WindowDefinition& AboutWindowDefinition() { return kAboutWindow; }

}  // namespace tavrin
