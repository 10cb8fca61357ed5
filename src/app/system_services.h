// What the handlers use of the system outside their windows: special folders, files, and the
// text conversion that external interfaces fixed as ANSI need. Paths are UTF-8 here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrin {

enum class SpecialFolder { System, Temporary, Favorites };

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // The folder with a trailing backslash, or "" when the system gives none.
  virtual std::string GetSpecialFolder(SpecialFolder folder) = 0;
  // True when a search for the path finds an entry: a folder counts, wildcards match.
  virtual bool FileExists(const std::string& path) = 0;
  // Creates or replaces the file with exactly these bytes. On failure nothing is left under
  // the name: the bytes go to a file beside it that is moved into place once complete.
  virtual bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  // The folder of the program's executable, without a trailing backslash.
  virtual std::string ProgramFolder() = 0;
  // The text in the system's ANSI code page, for entry points that take ANSI texts.
  virtual std::string ToAnsi(std::string_view utf8) = 0;
  // HKLM "SOFTWARE\Microsoft\Internet Explorer" value "Version" (at most 100 bytes), or ""
  // when the key cannot be opened or the value cannot be read.
  virtual std::string ReadBrowserVersion() = 0;
  // Starts the command line (the program named by its first word) in the normal window state
  // and waits without a time limit until the process has ended. False when it did not start.
  virtual bool RunAndWait(const std::string& command_line) = 0;
  // Writes one key of a profile file (section in brackets, key=value lines); every text is
  // already in the ANSI code page, as the file and the favorites dialog keep them. False when
  // the system reports a failed write.
  virtual bool WriteProfileStringAnsi(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& value) = 0;
};

}  // namespace tavrin
