#include "app/win32/system_services_win32.h"
#include <algorithm>

#include <windows.h>
#include <shlobj.h>

#include "ui/win32/text_win32.h"

namespace tavrin::win32 {
namespace {

std::string WithBackslash(std::wstring folder) {
  if (folder.empty()) return {};
  if (folder.back() != L'\\') folder += L'\\';
  return Narrow(folder);
}

// Owns a file handle for the length of one write.
struct FileHandle {
  HANDLE handle;
  ~FileHandle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// Owns the registry key of one read.
struct RegistryKey {
  HKEY key = nullptr;
  ~RegistryKey() {
    if (key) RegCloseKey(key);
  }
};

// Owns the two handles a started process gives back: the thread's, then the process's.
struct ProcessHandles {
  PROCESS_INFORMATION info{};
  ~ProcessHandles() {
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
  }
};

bool WriteAll(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  FileHandle file{CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.handle == INVALID_HANDLE_VALUE) return false;
  while (!bytes.empty()) {
    const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.handle, bytes.data(), chunk, &written, nullptr) || written == 0)
      return false;
    bytes = bytes.subspan(written);
  }
  return FlushFileBuffers(file.handle) != 0;
}

}  // namespace

std::string SystemServicesWin32::GetSpecialFolder(SpecialFolder folder) {
  wchar_t buffer[MAX_PATH + 1] = {};
  switch (folder) {
    case SpecialFolder::System: {
      const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
      return length && length < MAX_PATH ? WithBackslash(buffer) : std::string();
    }
    case SpecialFolder::Temporary: {
      const DWORD length = GetTempPathW(MAX_PATH, buffer);
      return length && length < MAX_PATH ? WithBackslash(buffer) : std::string();
    }
    case SpecialFolder::Favorites:
      return SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_FAVORITES, FALSE)
                 ? WithBackslash(buffer)
                 : std::string();
  }
  return {};
}

bool SystemServicesWin32::FileExists(const std::string& path) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(Widen(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool SystemServicesWin32::WriteWholeFile(const std::string& path,
                                         std::span<const std::uint8_t> bytes) {
  if (path.empty()) return false;
  // Write beside the target and move the finished file into place, so that a full disk or a
  // failed write never leaves a partial file under the target name.
  const std::wstring target = Widen(path);
  const std::wstring partial = target + L".partial";
  if (!WriteAll(partial, bytes)) {
    DeleteFileW(partial.c_str());
    return false;
  }
  if (!MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(partial.c_str());
    return false;
  }
  return true;
}

std::string SystemServicesWin32::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  return Narrow(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

std::string SystemServicesWin32::ToAnsi(std::string_view utf8) { return win32::ToAnsi(utf8); }

std::string SystemServicesWin32::ReadBrowserVersion() {
  RegistryKey opened;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer", 0, KEY_READ,
                    &opened.key) != ERROR_SUCCESS)
    return {};
  char value[100] = {};
  DWORD size = sizeof value;
  if (RegQueryValueExA(opened.key, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                       &size) != ERROR_SUCCESS)
    return {};
  // A stored string need not carry its terminating zero; the size says where it ends.
  std::string_view text(value, std::min<std::size_t>(size, sizeof value));
  text = text.substr(0, text.find('\0'));
  return FromAnsi(text);
}

bool SystemServicesWin32::RunAndWait(const std::string& command_line) {
  // CreateProcessA may write into its command line, so it gets a copy of its own.
  std::string writable = win32::ToAnsi(command_line);
  STARTUPINFOA startup{sizeof startup};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  ProcessHandles process;
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process.info))
    return false;
  WaitForSingleObject(process.info.hProcess, INFINITE);
  return true;
}

bool SystemServicesWin32::WriteProfileStringAnsi(const std::string& path,
                                                 const std::string& section,
                                                 const std::string& key,
                                                 const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         0;
}

}  // namespace tavrin::win32
