#include "skin_reader.h"

#include <array>

#include "skin_binary.h"

namespace skin {
namespace {

using namespace binary;

// A bounds-checked view: every accessor checks `len <= size - off` before reading.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t size() const { return size_; }
  bool has(std::size_t off, std::size_t len) const { return off <= size_ && len <= size_ - off; }
  std::uint16_t u16(std::size_t off) const {
    return static_cast<std::uint16_t>(data_[off] | data_[off + 1] << 8);
  }
  std::uint32_t u32(std::size_t off) const {
    return static_cast<std::uint32_t>(data_[off]) | static_cast<std::uint32_t>(data_[off + 1]) << 8 |
           static_cast<std::uint32_t>(data_[off + 2]) << 16 |
           static_cast<std::uint32_t>(data_[off + 3]) << 24;
  }
  const std::uint8_t* at(std::size_t off) const { return data_ + off; }
  Bytes sub(std::size_t off, std::size_t len) const { return Bytes(data_ + off, len); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

Rgb to_rgb(std::uint32_t v) {
  return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
             static_cast<std::uint8_t>(v)};
}

bool valid_color(std::uint32_t v) { return (v >> 24) == 0; }

// Splits a chunk into fixed-size records; refuses ragged or oversized chunks.
ReadError check_records(Bytes chunk, std::uint32_t record_size) {
  if (chunk.size() % record_size != 0) return ReadError::BadRecordSize;
  if (chunk.size() / record_size > kMaxRecords) return ReadError::TooManyRecords;
  return ReadError::None;
}

ReadError read_name(Bytes chunk, Skin& skin) {
  if (chunk.size() > kMaxNameBytes) return ReadError::BadName;
  std::string name(reinterpret_cast<const char*>(chunk.at(0)), chunk.size());
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F) return ReadError::BadName;
  skin.name = std::move(name);
  return ReadError::None;
}

ReadError read_colors(Bytes chunk, Skin& skin) {
  if (auto e = check_records(chunk, kColorRecordSize); e != ReadError::None) return e;
  for (std::size_t off = 0; off < chunk.size(); off += kColorRecordSize) {
    const std::uint16_t id = chunk.u16(off);
    const std::uint32_t value = chunk.u32(off + 4);
    if (chunk.u16(off + 2) != 0 || !valid_color(value)) return ReadError::BadValue;
    if (id < kColorCount) skin.colors[id] = to_rgb(value);  // newer ids: skipped
  }
  return ReadError::None;
}

ReadError read_gradients(Bytes chunk, Skin& skin) {
  if (auto e = check_records(chunk, kGradientRecordSize); e != ReadError::None) return e;
  for (std::size_t off = 0; off < chunk.size(); off += kGradientRecordSize) {
    const std::uint16_t id = chunk.u16(off);
    const std::uint16_t direction = chunk.u16(off + 2);
    const std::uint32_t from = chunk.u32(off + 4), to = chunk.u32(off + 8);
    if (direction > 1 || !valid_color(from) || !valid_color(to)) return ReadError::BadValue;
    if (id < kGradientCount) skin.gradients[id] = Gradient{to_rgb(from), to_rgb(to), direction == 1};
  }
  return ReadError::None;
}

ReadError read_metrics(Bytes chunk, Skin& skin) {
  if (auto e = check_records(chunk, kMetricRecordSize); e != ReadError::None) return e;
  for (std::size_t off = 0; off < chunk.size(); off += kMetricRecordSize) {
    const std::uint16_t id = chunk.u16(off);
    const auto value = static_cast<std::int16_t>(chunk.u16(off + 2));
    if (id >= kMetricCount) continue;
    const MetricRange range = metric_range(static_cast<MetricId>(id));
    if (value < range.min || value > range.max) return ReadError::BadValue;
    skin.metrics[id] = value;
  }
  return ReadError::None;
}

ReadError read_fonts(Bytes chunk, Skin& skin) {
  if (auto e = check_records(chunk, kFontRecordSize); e != ReadError::None) return e;
  for (std::size_t off = 0; off < chunk.size(); off += kFontRecordSize) {
    const std::uint16_t id = chunk.u16(off);
    const auto height = static_cast<std::int16_t>(chunk.u16(off + 2));
    const std::uint16_t weight = chunk.u16(off + 4);
    const std::uint16_t flags = chunk.u16(off + 6);
    if (height < -72 || height > 72 || weight > 1000 || (flags & ~1u) != 0) return ReadError::BadFont;
    const std::uint8_t* face = chunk.at(off + 8);
    std::size_t len = 0;
    while (len < kFaceBytes && face[len] != 0) {
      if (face[len] < 0x20 || face[len] > 0x7E) return ReadError::BadFont;
      ++len;
    }
    if (len == kFaceBytes) return ReadError::BadFont;  // no terminator
    if (id >= kFontCount) continue;
    FontSpec& font = skin.fonts[id];
    font.height = height;
    font.weight = weight;
    font.italic = (flags & 1u) != 0;
    font.face.assign(reinterpret_cast<const char*>(face), len);
  }
  return ReadError::None;
}

ReadError read_bitmaps(Bytes chunk, Skin& skin) {
  std::size_t off = 0;
  std::uint32_t count = 0;
  while (off < chunk.size()) {
    if (++count > kMaxBitmaps) return ReadError::TooManyRecords;
    if (!chunk.has(off, kBitmapHeaderSize)) return ReadError::BadBitmap;
    const std::uint16_t id = chunk.u16(off), width = chunk.u16(off + 2), height = chunk.u16(off + 4);
    if (chunk.u16(off + 6) != 0 || width == 0 || height == 0 || width > kMaxBitmapSide ||
        height > kMaxBitmapSide)
      return ReadError::BadBitmap;
    off += kBitmapHeaderSize;
    // 64-bit arithmetic: width * height * 4 cannot wrap.
    const std::uint64_t pixel_bytes = std::uint64_t{width} * height * 4u;
    if (pixel_bytes > chunk.size() - off) return ReadError::BadBitmap;
    if (id < kBitmapCount) {
      Bitmap& bitmap = skin.bitmaps[id];
      bitmap.width = width;
      bitmap.height = height;
      bitmap.pixels.resize(std::size_t{width} * height);
      for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) bitmap.pixels[i] = chunk.u32(off + i * 4);
    }
    off += static_cast<std::size_t>(pixel_bytes);
  }
  return ReadError::None;
}

struct KnownChunk {
  std::uint32_t code;
  ReadError (*read)(Bytes, Skin&);
};
constexpr std::array<KnownChunk, 6> kKnownChunks = {{
    {kChunkName, read_name},
    {kChunkColors, read_colors},
    {kChunkGradients, read_gradients},
    {kChunkMetrics, read_metrics},
    {kChunkFonts, read_fonts},
    {kChunkBitmaps, read_bitmaps},
}};

ReadError read_into(Bytes file, Skin& skin) {
  if (file.size() > kMaxFileSize) return ReadError::TooLarge;
  if (file.size() < kHeaderSize) return ReadError::TooSmall;
  for (std::size_t i = 0; i < 4; ++i)
    if (*file.at(i) != kMagic[i]) return ReadError::BadMagic;
  if (file.u16(4) != kMajorVersion) return ReadError::BadVersion;
  const std::uint32_t header_size = file.u32(8);
  if (header_size < kHeaderSize || header_size > file.size()) return ReadError::BadHeader;
  if (file.u32(12) != file.size()) return ReadError::SizeMismatch;
  if (file.u32(28) != checksum(file.at(0), file.size())) return ReadError::BadChecksum;

  const std::uint32_t chunk_count = file.u32(20);
  const std::uint32_t directory = file.u32(24);
  if (chunk_count > kMaxChunks) return ReadError::BadDirectory;
  if (directory < header_size || !file.has(directory, std::size_t{chunk_count} * kDirectoryEntrySize))
    return ReadError::BadDirectory;

  std::array<bool, kKnownChunks.size()> seen{};
  for (std::uint32_t i = 0; i < chunk_count; ++i) {
    const std::size_t entry = directory + std::size_t{i} * kDirectoryEntrySize;
    const std::uint32_t code = file.u32(entry), offset = file.u32(entry + 4),
                        length = file.u32(entry + 8), flags = file.u32(entry + 12);
    if (offset < header_size || !file.has(offset, length)) return ReadError::ChunkOutOfBounds;
    std::size_t k = 0;
    while (k < kKnownChunks.size() && kKnownChunks[k].code != code) ++k;
    if (k == kKnownChunks.size()) {
      if (flags & kCriticalFlag) return ReadError::UnknownCriticalChunk;
      continue;
    }
    if (seen[k]) return ReadError::DuplicateChunk;
    seen[k] = true;
    if (auto e = kKnownChunks[k].read(file.sub(offset, length), skin); e != ReadError::None) return e;
  }
  return ReadError::None;
}

}  // namespace

namespace binary {
std::uint32_t checksum(const std::uint8_t* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) {
    const bool in_field = i >= kChecksumOffset && i < kChecksumOffset + 4;
    hash = (hash ^ (in_field ? 0u : data[i])) * 16777619u;
  }
  return hash;
}
}  // namespace binary

const char* describe(ReadError error) {
  switch (error) {
    case ReadError::None: return "ok";
    case ReadError::TooLarge: return "file too large";
    case ReadError::TooSmall: return "file shorter than its header";
    case ReadError::BadMagic: return "not a skin file (magic)";
    case ReadError::BadVersion: return "unsupported major version";
    case ReadError::BadHeader: return "bad header size";
    case ReadError::SizeMismatch: return "file size does not match header";
    case ReadError::BadChecksum: return "checksum mismatch";
    case ReadError::BadDirectory: return "bad chunk directory";
    case ReadError::ChunkOutOfBounds: return "chunk outside the file";
    case ReadError::DuplicateChunk: return "chunk appears twice";
    case ReadError::UnknownCriticalChunk: return "unknown critical chunk";
    case ReadError::BadRecordSize: return "chunk length is not a whole number of records";
    case ReadError::TooManyRecords: return "too many records";
    case ReadError::BadValue: return "value out of range";
    case ReadError::BadName: return "bad skin name";
    case ReadError::BadFont: return "bad font record";
    case ReadError::BadBitmap: return "bad bitmap";
  }
  return "unknown error";
}

ReadResult read_skin(std::span<const std::uint8_t> file) {
  ReadResult result;
  Skin parsed;
  // Build into a private model and hand it out only when everything passed.
  result.error = file.data() == nullptr && !file.empty()
                     ? ReadError::TooSmall
                     : read_into(Bytes(file.data(), file.size()), parsed);
  if (result.ok()) result.skin = std::move(parsed);
  return result;
}

}  // namespace skin
