// Reads the readable text form of a skin (the sources in skins/). One statement a line:
//
//   # comment
//   name <skin name>
//   color <name> #RRGGBB
//   gradient <name> #RRGGBB #RRGGBB [horizontal]
//   metric <name> <integer>
//   font <name> <height> <weight> [italic] [face words...]
//   bitmap <name> <width> <height>      followed by <height> lines of <width> AARRGGBB values
//
// A source must set the name and every color, gradient and metric, so that each skin
// is complete on its own; fonts and bitmaps are optional.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin_model.h"

namespace skin {

struct SourceResult {
  Skin skin;
  std::vector<std::string> errors;  // "line N: what"; empty when the source is good
  bool ok() const { return errors.empty(); }
};

SourceResult read_source(std::string_view text);

}  // namespace skin
