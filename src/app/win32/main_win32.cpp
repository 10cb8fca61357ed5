#include <windows.h>

#include "app/startup.h"
#include "app/win32/program_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tavrin::win32::Program program;
  return tavrin::RunProgram(program);
}
