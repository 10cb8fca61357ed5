// The one program-wide failure path: an error box without an owner, the end-of-program
// processing, exit code -1.
#pragma once

#include <string>

namespace tavrin {

class FatalError {
 public:
  virtual ~FatalError() = default;
  [[noreturn]] virtual void Raise(const std::string& message) = 0;
};

}  // namespace tavrin
