// A file system in memory for the handlers' tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/system_services.h"

namespace tavrin::testing {

class FakeSystemServices : public SystemServices {
 public:
  std::string GetSpecialFolder(SpecialFolder folder) override { return folders[folder]; }
  bool FileExists(const std::string& path) override {
    ++existence_tests;
    return files.count(path) > 0 || folders_on_disk.count(path) > 0;
  }
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
    writes.push_back(path);
    if (path.empty() || unwritable.count(path)) return false;
    files[path].assign(bytes.begin(), bytes.end());
    return true;
  }
  std::string ProgramFolder() override { return program_folder; }
  std::string ToAnsi(std::string_view utf8) override { return std::string(utf8); }
  std::string ReadBrowserVersion() override { return browser_version; }
  bool RunAndWait(const std::string& command_line) override {
    processes_started.push_back(command_line);
    return process_starts;
  }
  bool WriteProfileStringAnsi(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) override {
    profile_writes.push_back({path, section, key, value});
    return profile_write_succeeds;
  }

  std::map<SpecialFolder, std::string> folders{{SpecialFolder::System, "C:\\windows\\system32\\"},
                                               {SpecialFolder::Temporary, "C:\\temp\\"},
                                               {SpecialFolder::Favorites, "C:\\fav\\"}};
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> folders_on_disk;
  std::set<std::string> unwritable;
  std::vector<std::string> writes;
  std::string program_folder = "C:\\apps\\tavrin";
  int existence_tests = 0;
  std::string browser_version;  // "" also stands for a missing key or value
  std::vector<std::string> processes_started;
  bool process_starts = true;
  struct ProfileWrite {
    std::string path, section, key, value;
    bool operator==(const ProfileWrite&) const = default;
  };
  std::vector<ProfileWrite> profile_writes;
  bool profile_write_succeeds = true;
};

}  // namespace tavrin::testing
