// The main window's menu bar: 29 entries in order, 5 menus on the bar and 24 items.
#pragma once

#include <array>
#include <string_view>

#include "ui/window_definition.h"

namespace tavrin {

// Each entry's index in the tree; handlers name menu items by these.
enum MenuItem : int {
  kMenuFile = 0,
  kMenuNewWindow,
  kMenuSaveAs,
  kMenuFileSeparator1,
  kMenuPrint,
  kMenuPrintPreview,
  kMenuPageSetup,
  kMenuFileSeparator2,
  kMenuExit,
  kMenuView,
  kMenuInternetOptions,
  kMenuBrowse,
  kMenuForward,
  kMenuBack,
  kMenuHome,
  kMenuSearch,
  kMenuBrowseSeparator1,
  kMenuRefresh,
  kMenuStop,
  kMenuBrowseSeparator2,
  kMenuFont,
  kMenuFontLargest,
  kMenuFontMedium,
  kMenuFontSmallest,
  kMenuFavorites,
  kMenuAddFavorite,
  kMenuOrganizeFavorites,
  kMenuAbout,
  kMenuAboutBrowser,
  kMenuItemCount
};

inline constexpr std::array<ui::MenuEntry, kMenuItemCount> kMenuTree{{
    {"&W文件", 0},
    {"&K在新窗口建", 1},
    {"&L另存为", 1},
    {"-", 1},
    {"&D打印", 1},
    {"&O打印阅览", 1},
    {"&Y页面设置", 1},
    {"-", 1},
    {"&X退出", 1},
    {"&B查看", 0},
    {"Internet 选项", 1},
    {"&L浏览", 0},
    {"&F前进", 1},
    {"&H后退", 1},
    {"&S到首页", 1},
    {"&T到搜索页", 1},
    {"-", 1},
    {"&Q刷新", 1},
    {"&R停止", 1},
    {"-", 1},
    {"&Z字体", 1},
    {"最大", 2},
    {"中号", 2},
    {"最小", 2},
    {"&C收藏", 0},
    {"&V添加到收藏夹", 1},
    {"整理收藏夹", 1},
    {"&A关于", 0},
    {"&P关于Tavrin浏览器", 1},
}};

}  // namespace tavrin
