// Stand-ins for the shell's favorites dialogs, which Wine cannot show: its DoAddToFavDlg is
// unimplemented and ends the calling process, its DoOrganizeFavDlg returns at once, and its
// ieframe.dll has no DoOrganizeFavDlg. Put in a program's folder and preferred by Wine
// (WINEDLLOVERRIDES=shdocvw,ieframe=n,b), they answer as a user would and record what they
// were given, so that the program's own code path runs.
//
// Read from the process environment when called, so a test can change them between calls:
//   TAVRIN_FAKE_SHELL_LOG       file that each call appends one line to
//   TAVRIN_FAKE_FAVORITE_PATH   the full path DoAddToFavDlg leaves in the folder buffer
//   TAVRIN_FAKE_ADD_RESULT      what DoAddToFavDlg returns (default 1: confirmed)
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

#ifndef FAKE_LIBRARY_NAME
#error FAKE_LIBRARY_NAME names the library this build stands in for
#endif

namespace {

std::string Environment(const char* name) {
  char value[1024];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length && length < sizeof value ? std::string(value, length) : std::string();
}

void Record(const std::string& line) {
  const std::string path = Environment("TAVRIN_FAKE_SHELL_LOG");
  if (path.empty()) return;
  const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string OwnerTitle(HWND owner) {
  if (!IsWindow(owner)) return "(no window)";
  wchar_t title[256] = {};
  GetWindowTextW(owner, title, 256);
  char utf8[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

}  // namespace

extern "C" {

#ifdef FAKE_ADD_DIALOG
__declspec(dllexport) BOOL __stdcall DoAddToFavDlg(HWND owner, LPSTR folder, UINT folder_chars,
                                                   LPSTR name, UINT name_chars,
                                                   LPCITEMIDLIST root) {
  Record("DoAddToFavDlg owner=" + OwnerTitle(owner) + " folder=[" + folder + "] folder_chars=" +
         std::to_string(folder_chars) + " name=[" + name + "] name_chars=" +
         std::to_string(name_chars) + " root=" + (root ? "list" : "null"));
  // As the real dialog would: fill the name, then leave the chosen file's path.
  const std::string path = Environment("TAVRIN_FAKE_FAVORITE_PATH");
  lstrcpynA(name, "Fake", int(name_chars));
  lstrcpynA(folder, path.c_str(), int(folder_chars));
  const std::string result = Environment("TAVRIN_FAKE_ADD_RESULT");
  return result.empty() ? TRUE : BOOL(std::strtol(result.c_str(), nullptr, 10));
}
#endif

__declspec(dllexport) BOOL __stdcall DoOrganizeFavDlg(HWND owner, LPCSTR folder) {
  std::string line = std::string("DoOrganizeFavDlg ") + FAKE_LIBRARY_NAME + " owner=";
  line += OwnerTitle(owner);
  line += " folder=";
  if (folder) {
    line += '[';
    line += folder;
    line += ']';
  } else {
    line += "null";
  }
  Record(line);
  return TRUE;
}

}  // extern "C"
