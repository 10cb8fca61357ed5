// Stands in for the skin engine in the in-process benchmark: the attach entry returns at
// once, so the figure is the program's own part of ApplySkin (existence test, path, call).
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall SkinH_Attach_Ex(const char*, const char*) {
  return 0;
}
