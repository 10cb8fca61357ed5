// Helpers for the skin format tests: read a compiled skin, and assemble or patch
// skin files byte by byte so each test can break exactly one thing.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin_binary.h"

namespace skin_test {

inline std::vector<std::uint8_t> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void put32(std::vector<std::uint8_t>& b, std::size_t off, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[off + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t off) {
  return b[off] | b[off + 1] << 8 | b[off + 2] << 16 | static_cast<std::uint32_t>(b[off + 3]) << 24;
}

// Makes the header's size and checksum agree with the bytes again, so that the
// reader gets past them to the fault under test.
inline std::vector<std::uint8_t> reseal(std::vector<std::uint8_t> b) {
  if (b.size() >= skin::binary::kHeaderSize) {
    put32(b, 12, static_cast<std::uint32_t>(b.size()));
    put32(b, skin::binary::kChecksumOffset, skin::binary::checksum(b.data(), b.size()));
  }
  return b;
}

// Assembles a file from raw chunks, with a correct header and directory.
class FileBuilder {
 public:
  FileBuilder& add(std::uint32_t code, std::vector<std::uint8_t> data, std::uint32_t flags = 0) {
    chunks_.push_back({code, flags, std::move(data)});
    return *this;
  }
  std::vector<std::uint8_t> build() const {
    using namespace skin::binary;
    std::vector<std::uint8_t> b(kHeaderSize + chunks_.size() * kDirectoryEntrySize, 0);
    b[0] = '.', b[1] = 'S', b[2] = 'H', b[3] = 'E';
    b[4] = kMajorVersion;
    put32(b, 8, kHeaderSize);
    put32(b, 20, static_cast<std::uint32_t>(chunks_.size()));
    put32(b, 24, kHeaderSize);
    for (std::size_t i = 0; i < chunks_.size(); ++i) {
      const std::size_t entry = kHeaderSize + i * kDirectoryEntrySize;
      put32(b, entry, chunks_[i].code);
      put32(b, entry + 4, static_cast<std::uint32_t>(b.size()));
      put32(b, entry + 8, static_cast<std::uint32_t>(chunks_[i].data.size()));
      put32(b, entry + 12, chunks_[i].flags);
      b.insert(b.end(), chunks_[i].data.begin(), chunks_[i].data.end());
    }
    return reseal(b);
  }

 private:
  struct Chunk {
    std::uint32_t code, flags;
    std::vector<std::uint8_t> data;
  };
  std::vector<Chunk> chunks_;
};

// Little-endian record bytes from 16- and 32-bit fields, in order.
struct Record {
  std::vector<std::uint8_t> bytes;
  Record& u16(std::uint16_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  Record& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16)); }
  Record& raw(const std::string& s, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes.push_back(i < s.size() ? static_cast<std::uint8_t>(s[i]) : 0);
    return *this;
  }
  Record& repeat(std::size_t times) {
    const auto one = bytes;
    for (std::size_t i = 1; i < times; ++i) bytes.insert(bytes.end(), one.begin(), one.end());
    return *this;
  }
};

}  // namespace skin_test
