#pragma once

#include "app/system_services.h"

namespace tavrin::win32 {

class SystemServicesWin32 final : public SystemServices {
 public:
  std::string GetSpecialFolder(SpecialFolder folder) override;
  bool FileExists(const std::string& path) override;
  bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
  std::string ProgramFolder() override;
  std::string ToAnsi(std::string_view utf8) override;
  std::string ReadBrowserVersion() override;
  bool RunAndWait(const std::string& command_line) override;
  bool WriteProfileStringAnsi(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) override;
};

}  // namespace tavrin::win32
