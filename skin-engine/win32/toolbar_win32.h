// The toolbar (ToolbarWindow32): its background is painted in its own subclass, its
// buttons through NM_CUSTOMDRAW in the parent.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace skin_engine {

class Theme;

LRESULT toolbar_custom_draw(NMTBCUSTOMDRAW& draw, const Theme& theme);

}  // namespace skin_engine
