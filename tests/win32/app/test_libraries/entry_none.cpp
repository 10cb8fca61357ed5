// A library that loads but has none of the entries the program asks for.
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall SomethingElse(int value) { return value; }
