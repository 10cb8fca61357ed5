// A library with good stdcall entries, named like the skin engine's and a system one's.
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall SkinH_Attach_Ex(const char* path, const char* other) {
  return path && other && *other == '\0' ? 7 : -1;
}

extern "C" __declspec(dllexport) int __stdcall CoTaskMemFree(void* pointer) {
  return pointer == nullptr ? 11 : 12;
}
