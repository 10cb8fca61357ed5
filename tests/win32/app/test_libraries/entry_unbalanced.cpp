// An entry that leaves the caller's stack pointer elsewhere than it found it.
#include <windows.h>

#if defined(__i386__)
// The C convention leaves the two arguments on the stack that the caller expects removed.
extern "C" __declspec(dllexport) int __cdecl SkinH_Attach_Ex(const char*, const char*) { return 1; }
#endif
// On x86_64 there is one convention; unbalanced_x86_64.S returns with the stack moved.
