#include "browser/navigation_commands.h"

#include <array>
#include <utility>

#include "app/main_window_definition.h"
#include "app/menu_tree.h"
#include "app/toolbar_definition.h"

namespace tavrin::browser {
namespace {

constexpr std::array<std::pair<int, int>, 10> kMenuCommands{{
    {kMenuSaveAs, kSaveAs},
    {kMenuPrint, kPrint},
    {kMenuPrintPreview, kPrintPreview},
    {kMenuPageSetup, kPageSetup},
    {kMenuForward, kGoForward},
    {kMenuBack, kGoBack},
    {kMenuHome, kGoHome},
    {kMenuSearch, kGoSearch},
    {kMenuRefresh, kRefresh},
    {kMenuStop, kStop},
}};

constexpr std::array<std::pair<int, int>, 6> kButtonCommands{{
    {kButtonHome, kGoHome},
    {kButtonBack, kGoBack},
    {kButtonForward, kGoForward},
    {kButtonStop, kStop},
    {kButtonRefresh, kRefresh},
    {kButtonPrint, kPrint},
}};

template <std::size_t N>
int Lookup(const std::array<std::pair<int, int>, N>& table, int key) {
  for (const auto& [from, command] : table)
    if (from == key) return command;
  return -1;
}

bool IsFontSize(int menu_item) {
  return menu_item == kMenuFontLargest || menu_item == kMenuFontMedium ||
         menu_item == kMenuFontSmallest;
}

}  // namespace

int CommandOfMenuItem(int menu_item) { return Lookup(kMenuCommands, menu_item); }
int CommandOfToolbarButton(int index) { return Lookup(kButtonCommands, index); }

bool NavigationCommands::OnEvent(const ui::Event& event, std::optional<std::int32_t>&) {
  if (event.window != ui::WindowId::Main) return false;
  switch (event.kind) {
    case ui::EventKind::MenuChosen: {
      // The three font sizes carry no action; they are ours all the same.
      if (IsFontSize(event.code)) return true;
      const int command = CommandOfMenuItem(event.code);
      if (command < 0) return false;
      view_.ExecuteCommand(command);
      return true;
    }
    case ui::EventKind::ToolbarClicked: {
      if (event.control != kToolbar) return false;
      if (event.code == kButtonFont) return true;  // only its arrow opens the font menu
      const int command = CommandOfToolbarButton(event.code);
      if (command < 0) return false;
      view_.ExecuteCommand(command);
      return true;
    }
    case ui::EventKind::ToolbarDropDown:
      if (event.control != kToolbar) return false;
      // Whatever the button: "字体" is the only drop-down one.
      windows_.PopUpMenu(ui::WindowId::Main, kMenuFont, event.a, event.b);
      return true;
    case ui::EventKind::WebView:
      if (event.control != kWebView || event.code != kCommandStateChange) return false;
      FollowHistory(event.a, event.b);
      return true;
    default:
      return false;
  }
}

void NavigationCommands::FollowHistory(std::int32_t command, std::int32_t enabled) {
  int button = 0;
  int item = 0;
  if (command == kHistoryBack) {
    button = kButtonBack;
    item = kMenuBack;
  } else if (command == kHistoryForward) {
    button = kButtonForward;
    item = kMenuForward;
  } else {
    return;
  }
  // The toolbar button first, then the menu item.
  if (enabled == 1) {
    windows_.RemoveButtonState(ui::WindowId::Main, kToolbar, button, ui::kButtonDisabled);
    windows_.WriteMenuProperty(item, ui::kMenuDisabled, std::int32_t{0});
  } else {
    windows_.AddButtonState(ui::WindowId::Main, kToolbar, button, ui::kButtonDisabled);
    windows_.WriteMenuProperty(item, ui::kMenuDisabled, std::int32_t{1});
  }
}

}  // namespace tavrin::browser
