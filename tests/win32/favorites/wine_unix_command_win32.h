// Runs a command of the host system from a test under Wine. Tests run as root, whom a
// read-only attribute does not stop; an immutable file (chattr +i) stops everybody, and only
// the host's own chattr can set it. Wine-only: ntdll's __wine_unix_spawnvp and kernel32's
// wine_get_unix_file_name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tavrin::testing {

// GetProcAddress gives every entry one type; going through void(*)() says the cast is meant.
template <typename Function>
Function EntryOf(const wchar_t* module, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(module), name)));
}

// The host's path of a Windows path, or "" outside Wine.
inline std::string UnixPathOf(const std::wstring& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  const auto convert = EntryOf<Convert>(L"kernel32.dll", "wine_get_unix_file_name");
  if (!convert) return {};
  char* unix_path = convert(path.c_str());
  if (!unix_path) return {};
  std::string result(unix_path);
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

// Runs the host program (argv[0] searched in PATH) and waits for it. False outside Wine or
// when it could not run.
inline bool RunUnixCommand(std::vector<std::string> argv) {
  using Spawn = LONG(CDECL*)(char* const argv[], int wait);
  const auto spawn = EntryOf<Spawn>(L"ntdll.dll", "__wine_unix_spawnvp");
  if (!spawn) return false;
  std::vector<char*> pointers;
  for (std::string& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  return spawn(pointers.data(), 1) == 0;
}

// Makes a file immutable for the life of the object.
class ImmutableFile {
 public:
  explicit ImmutableFile(const std::wstring& path) : unix_path_(UnixPathOf(path)) {
    made_ = !unix_path_.empty() && RunUnixCommand({"chattr", "+i", unix_path_});
  }
  ~ImmutableFile() {
    if (made_) RunUnixCommand({"chattr", "-i", unix_path_});
  }
  ImmutableFile(const ImmutableFile&) = delete;
  ImmutableFile& operator=(const ImmutableFile&) = delete;
  bool Made() const { return made_; }

 private:
  std::string unix_path_;
  bool made_ = false;
};

}  // namespace tavrin::testing
