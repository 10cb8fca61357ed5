// A feature of the program (browsing, favorites, the auxiliary commands) takes the events
// that are its own; the program's handlers offer each event to every feature in turn.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/events.h"

namespace tavrin {

class Feature {
 public:
  virtual ~Feature() = default;
  // True when the event was this feature's; `answer` then holds its answer, if any.
  virtual bool OnEvent(const ui::Event& event, std::optional<std::int32_t>& answer) = 0;
};

// Ends the program at once: the end-of-program processing, then exit code 0.
class ProgramControl {
 public:
  virtual ~ProgramControl() = default;
  [[noreturn]] virtual void ExitNow() = 0;
};

}  // namespace tavrin
