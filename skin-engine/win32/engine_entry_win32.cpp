// The DLL's one entry point.
//
//   int __stdcall SkinH_Attach_Ex(const char* skin_path, const char* options)
//
// skin_path: the skin file, in the ANSI code page. options: "" (or null) attaches the
// skin to every window of the calling thread; "verify" only checks the file and
// attaches nothing. Returns 1 on success, 0 when the file is missing, not a plain file,
// too large or malformed; then nothing changes (an earlier skin stays attached).
#include <windows.h>

#include <cstring>
#include <memory>

#include "engine_win32.h"
#include "skin_file_win32.h"
#include "skin_reader.h"

extern "C" __declspec(dllexport) int __stdcall SkinH_Attach_Ex(const char* skin_path, const char* options) {
  const auto bytes = skin_engine::read_skin_file(skin_path);
  if (!bytes) return 0;
  const skin::ReadResult result = skin::read_skin(*bytes);
  if (!result.ok()) return 0;
  if (options && std::strcmp(options, "verify") == 0) return 1;
  skin_engine::Engine::instance().attach(std::make_unique<skin_engine::Theme>(result.skin));
  return 1;
}
