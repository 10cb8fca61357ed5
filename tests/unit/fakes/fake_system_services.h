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

  std::map<SpecialFolder, std::string> folders{{SpecialFolder::System, "C:\\windows\\system32\\"},
                                               {SpecialFolder::Temporary, "C:\\temp\\"},
                                               {SpecialFolder::Favorites, "C:\\fav\\"}};
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> folders_on_disk;
  std::set<std::string> unwritable;
  std::vector<std::string> writes;
  std::string program_folder = "C:\\apps\\tavrin";
  int existence_tests = 0;
};

}  // namespace tavrin::testing
