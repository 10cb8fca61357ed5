// libFuzzer target for the skin file reader: any input must be read or refused
// without a crash, leak or undefined behaviour, and whatever is accepted must
// survive a write and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin_reader.h"
#include "skin_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const skin::ReadResult result = skin::read_skin(std::span<const std::uint8_t>(data, size));
  if (!result.ok()) {
    if (!(result.skin == skin::Skin())) std::abort();  // a refused file leaves nothing behind
    return 0;
  }
  const auto again = skin::read_skin(skin::write_skin(result.skin));
  if (!again.ok() || !(again.skin == result.skin)) std::abort();
  return 0;
}
