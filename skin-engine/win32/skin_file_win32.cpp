#include "skin_file_win32.h"

#include <windows.h>

#include "skin_binary.h"

namespace skin_engine {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : handle_(h) {}
  ~FileHandle() {
    if (ok()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> read_skin_file(const char* ansi_path) {
  if (!ansi_path || !ansi_path[0]) return std::nullopt;
  // The path arrives in the ANSI code page: that interface is fixed.
  const DWORD attributes = GetFileAttributesA(ansi_path);
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT)))
    return std::nullopt;
  FileHandle file(CreateFileA(ansi_path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.ok() || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file.get(), &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
      info.nFileSizeHigh != 0 || info.nFileSizeLow > skin::binary::kMaxFileSize)
    return std::nullopt;

  std::vector<std::uint8_t> bytes(info.nFileSizeLow);
  DWORD total = 0;
  while (total < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size()) - total, &got, nullptr) || got == 0)
      return std::nullopt;  // shrank or failed while we read: refuse
    total += got;
  }
  return bytes;
}

}  // namespace skin_engine
