#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall SkinH_Attach_Ex(const char*, const char*) {
  return 0;
}
