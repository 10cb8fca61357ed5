#include "skin_writer.h"

#include "skin_binary.h"

namespace skin {
namespace {

using namespace binary;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
void set32(std::vector<std::uint8_t>& out, std::size_t off, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[off + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint32_t packed(Rgb c) { return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b; }

struct Chunk {
  std::uint32_t code;
  std::uint32_t flags;
  std::vector<std::uint8_t> data;
};

std::vector<Chunk> chunks_of(const Skin& skin) {
  std::vector<Chunk> chunks;
  {
    Chunk c{kChunkName, 0, {skin.name.begin(), skin.name.end()}};
    chunks.push_back(std::move(c));
  }
  {
    Chunk c{kChunkColors, kCriticalFlag, {}};
    for (std::size_t i = 0; i < kColorCount; ++i) {
      put16(c.data, static_cast<std::uint16_t>(i));
      put16(c.data, 0);
      put32(c.data, packed(skin.colors[i]));
    }
    chunks.push_back(std::move(c));
  }
  {
    Chunk c{kChunkGradients, kCriticalFlag, {}};
    for (std::size_t i = 0; i < kGradientCount; ++i) {
      const Gradient& g = skin.gradients[i];
      put16(c.data, static_cast<std::uint16_t>(i));
      put16(c.data, g.horizontal ? 1 : 0);
      put32(c.data, packed(g.from));
      put32(c.data, packed(g.to));
    }
    chunks.push_back(std::move(c));
  }
  {
    Chunk c{kChunkMetrics, kCriticalFlag, {}};
    for (std::size_t i = 0; i < kMetricCount; ++i) {
      put16(c.data, static_cast<std::uint16_t>(i));
      put16(c.data, static_cast<std::uint16_t>(skin.metrics[i]));
    }
    chunks.push_back(std::move(c));
  }
  {
    Chunk c{kChunkFonts, 0, {}};
    for (std::size_t i = 0; i < kFontCount; ++i) {
      const FontSpec& f = skin.fonts[i];
      put16(c.data, static_cast<std::uint16_t>(i));
      put16(c.data, static_cast<std::uint16_t>(f.height));
      put16(c.data, f.weight);
      put16(c.data, f.italic ? 1 : 0);
      for (std::size_t k = 0; k < kFaceBytes; ++k)
        c.data.push_back(k < f.face.size() && k < kFaceBytes - 1 ? static_cast<std::uint8_t>(f.face[k]) : 0);
    }
    chunks.push_back(std::move(c));
  }
  {
    Chunk c{kChunkBitmaps, 0, {}};
    for (std::size_t i = 0; i < kBitmapCount; ++i) {
      const Bitmap& b = skin.bitmaps[i];
      if (b.empty()) continue;
      put16(c.data, static_cast<std::uint16_t>(i));
      put16(c.data, b.width);
      put16(c.data, b.height);
      put16(c.data, 0);
      for (std::uint32_t px : b.pixels) put32(c.data, px);
    }
    if (!c.data.empty()) chunks.push_back(std::move(c));
  }
  return chunks;
}

}  // namespace

std::vector<std::uint8_t> write_skin(const Skin& skin) {
  const std::vector<Chunk> chunks = chunks_of(skin);
  std::vector<std::uint8_t> out(kHeaderSize, 0);
  for (std::size_t i = 0; i < 4; ++i) out[i] = kMagic[i];
  out[4] = kMajorVersion & 0xFF;
  out[6] = kMinorVersion & 0xFF;
  set32(out, 8, kHeaderSize);
  set32(out, 20, static_cast<std::uint32_t>(chunks.size()));
  set32(out, 24, kHeaderSize);
  out.resize(kHeaderSize + chunks.size() * kDirectoryEntrySize, 0);
  for (std::size_t i = 0; i < chunks.size(); ++i) {
    while (out.size() % 4 != 0) out.push_back(0);
    const std::size_t entry = kHeaderSize + i * kDirectoryEntrySize;
    set32(out, entry, chunks[i].code);
    set32(out, entry + 4, static_cast<std::uint32_t>(out.size()));
    set32(out, entry + 8, static_cast<std::uint32_t>(chunks[i].data.size()));
    set32(out, entry + 12, chunks[i].flags);
    out.insert(out.end(), chunks[i].data.begin(), chunks[i].data.end());
  }
  set32(out, 12, static_cast<std::uint32_t>(out.size()));
  set32(out, kChecksumOffset, checksum(out.data(), out.size()));
  return out;
}

}  // namespace skin
