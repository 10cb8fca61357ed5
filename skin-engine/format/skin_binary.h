// Layout of a compiled skin file. All integers are little-endian.
//
//   header (40 bytes)
//     0  ".SHE"          magic
//     4  u16 major       files with a higher major version are refused
//     6  u16 minor       a higher minor version only adds ids and optional chunks
//     8  u32 header size at least 40; bytes past 40 are reserved
//    12  u32 file size   must equal the size read
//    16  u32 flags       none defined yet; ignored
//    20  u32 chunk count at most kMaxChunks
//    24  u32 directory offset
//    28  u32 checksum    FNV-1a over the whole file with these four bytes read as zero
//    32  8 reserved bytes
//   directory: chunk count entries of 16 bytes {fourcc, u32 offset, u32 length, u32 flags}
//     flags bit 0 = critical: a reader that does not know the chunk must refuse the file
//   chunks (see kChunk* below), each somewhere after the header.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skin::binary {

inline constexpr std::uint8_t kMagic[4] = {'.', 'S', 'H', 'E'};
inline constexpr std::uint16_t kMajorVersion = 1;
inline constexpr std::uint16_t kMinorVersion = 0;
inline constexpr std::uint32_t kHeaderSize = 40;
inline constexpr std::uint32_t kDirectoryEntrySize = 16;
inline constexpr std::uint32_t kChecksumOffset = 28;
inline constexpr std::uint32_t kCriticalFlag = 1;

inline constexpr std::uint32_t kMaxFileSize = 1u << 20;
inline constexpr std::uint32_t kMaxChunks = 32;
inline constexpr std::uint32_t kMaxRecords = 512;
inline constexpr std::uint32_t kMaxBitmaps = 16;

constexpr std::uint32_t fourcc(char a, char b, char c, char d) {
  return static_cast<std::uint32_t>(static_cast<std::uint8_t>(a)) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b)) << 8 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(c)) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(d)) << 24;
}

// "NAME": the skin's name, UTF-8 without NUL, at most kMaxNameBytes.
inline constexpr std::uint32_t kChunkName = fourcc('N', 'A', 'M', 'E');
// "COLR": records {u16 id, u16 zero, u32 0x00RRGGBB}.
inline constexpr std::uint32_t kChunkColors = fourcc('C', 'O', 'L', 'R');
inline constexpr std::uint32_t kColorRecordSize = 8;
// "GRAD": records {u16 id, u16 direction (0 vertical, 1 horizontal), u32 from, u32 to}.
inline constexpr std::uint32_t kChunkGradients = fourcc('G', 'R', 'A', 'D');
inline constexpr std::uint32_t kGradientRecordSize = 12;
// "METR": records {u16 id, i16 value}, pixels at 96 DPI.
inline constexpr std::uint32_t kChunkMetrics = fourcc('M', 'E', 'T', 'R');
inline constexpr std::uint32_t kMetricRecordSize = 4;
// "FONT": records {u16 id, i16 height, u16 weight, u16 flags (bit 0 italic), char face[32]}
//   face is printable ASCII, NUL-terminated within its 32 bytes.
inline constexpr std::uint32_t kChunkFonts = fourcc('F', 'O', 'N', 'T');
inline constexpr std::uint32_t kFontRecordSize = 40;
inline constexpr std::uint32_t kFaceBytes = 32;
// "BITM": entries {u16 id, u16 width, u16 height, u16 zero, width*height u32 0xAARRGGBB}.
inline constexpr std::uint32_t kChunkBitmaps = fourcc('B', 'I', 'T', 'M');
inline constexpr std::uint32_t kBitmapHeaderSize = 8;

std::uint32_t checksum(const std::uint8_t* data, std::size_t size);

}  // namespace skin::binary
