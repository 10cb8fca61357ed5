#include <gtest/gtest.h>

#include "skin_binary.h"
#include "skin_reader.h"
#include "skin_test_files.h"
#include "skin_writer.h"

namespace {

using skin::ReadError;
using skin::read_skin;
using namespace skin::binary;
using skin_test::FileBuilder;
using skin_test::get32;
using skin_test::put32;
using skin_test::Record;
using skin_test::reseal;

skin::Skin sample_skin() {
  skin::Skin s;
  s.name = "sample";
  s.colors[static_cast<std::size_t>(skin::ColorId::Face)] = {0x12, 0x34, 0x56};
  s.gradients[static_cast<std::size_t>(skin::GradientId::CaptionActive)] = {{1, 2, 3}, {4, 5, 6}, true};
  s.metrics[static_cast<std::size_t>(skin::MetricId::ButtonRadius)] = 7;
  s.fonts[static_cast<std::size_t>(skin::FontId::Caption)] = {-13, 700, true, "Tahoma"};
  s.bitmaps[static_cast<std::size_t>(skin::BitmapId::CaptionTexture)] = {2, 3, {1, 2, 3, 4, 5, 6}};
  return s;
}

TEST(SkinReader, WriterOutputReadsBackIdentical) {
  const skin::Skin s = sample_skin();
  const auto bytes = skin::write_skin(s);
  const auto result = read_skin(bytes);
  ASSERT_TRUE(result.ok()) << skin::describe(result.error);
  EXPECT_EQ(result.skin, s);
}

TEST(SkinReader, MissingChunksAndUnknownIdsFallBackToDefaults) {
  // A newer minor version may add ids and optional chunks: they are skipped.
  auto bytes = FileBuilder()
                   .add(kChunkColors, Record().u16(0).u16(0).u32(0x00ABCDEF).u16(999).u16(0).u32(0x00111111).bytes, kCriticalFlag)
                   .add(fourcc('N', 'E', 'W', '1'), {1, 2, 3}, 0)
                   .build();
  bytes[6] = 9;  // minor version 9
  const auto result = read_skin(reseal(bytes));
  ASSERT_TRUE(result.ok()) << skin::describe(result.error);
  const skin::Skin defaults;
  EXPECT_EQ(result.skin.color(skin::ColorId::Face), (skin::Rgb{0xAB, 0xCD, 0xEF}));
  EXPECT_EQ(result.skin.color(skin::ColorId::Text), defaults.color(skin::ColorId::Text));
  EXPECT_EQ(result.skin.gradients, defaults.gradients);
  EXPECT_EQ(result.skin.metrics, defaults.metrics);
}

// Every cut of a good file is refused, whether or not the header is patched to match.
TEST(SkinReader, EveryTruncationIsRefused) {
  const auto good = skin::write_skin(sample_skin());
  for (std::size_t cut = 0; cut < good.size(); ++cut) {
    std::vector<std::uint8_t> part(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_FALSE(read_skin(part).ok()) << "cut at " << cut;
    if (cut >= kHeaderSize) {
      EXPECT_FALSE(read_skin(reseal(part)).ok()) << "resealed cut at " << cut;
    }
  }
}

// Cutting a resealed file at each chunk start reports the chunk that now runs off the end.
TEST(SkinReader, TruncationAtEachRecordNamesTheChunk) {
  const auto good = skin::write_skin(sample_skin());
  const std::uint32_t count = get32(good, 20);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = kHeaderSize + i * kDirectoryEntrySize;
    const std::uint32_t offset = get32(good, entry + 4), length = get32(good, entry + 8);
    if (length == 0) continue;
    std::vector<std::uint8_t> part(good.begin(), good.begin() + offset + length - 1);
    EXPECT_EQ(read_skin(reseal(part)).error, ReadError::ChunkOutOfBounds) << "chunk " << i;
  }
}

struct Corruption {
  const char* what;
  void (*apply)(std::vector<std::uint8_t>&);
  bool reseal;
  ReadError expected;
};

const std::size_t kFirstEntry = kHeaderSize;

const Corruption kCorruptions[] = {
    {"bad magic", [](auto& b) { b[0] = 'X'; }, true, ReadError::BadMagic},
    {"higher major version", [](auto& b) { b[4] = 2; }, true, ReadError::BadVersion},
    {"major version zero", [](auto& b) { b[4] = 0; }, true, ReadError::BadVersion},
    {"header size too small", [](auto& b) { put32(b, 8, 39); }, true, ReadError::BadHeader},
    {"header size past the end", [](auto& b) { put32(b, 8, 0xFFFFFFF0u); }, true, ReadError::BadHeader},
    {"size field lies", [](auto& b) { put32(b, 12, static_cast<std::uint32_t>(b.size() + 1)); }, false, ReadError::SizeMismatch},
    {"payload byte flipped", [](auto& b) { b.back() ^= 0x40; }, false, ReadError::BadChecksum},
    {"huge chunk count", [](auto& b) { put32(b, 20, 0xFFFFFFFFu); }, true, ReadError::BadDirectory},
    {"chunk count over the cap", [](auto& b) { put32(b, 20, kMaxChunks + 1); }, true, ReadError::BadDirectory},
    {"directory past the end", [](auto& b) { put32(b, 24, static_cast<std::uint32_t>(b.size())); }, true, ReadError::BadDirectory},
    {"directory offset wraps", [](auto& b) { put32(b, 24, 0xFFFFFFF8u); }, true, ReadError::BadDirectory},
    {"directory inside the header", [](auto& b) { put32(b, 24, 8); }, true, ReadError::BadDirectory},
    {"chunk length past the end", [](auto& b) { put32(b, kFirstEntry + 8, static_cast<std::uint32_t>(b.size())); }, true, ReadError::ChunkOutOfBounds},
    {"chunk length huge", [](auto& b) { put32(b, kFirstEntry + 8, 0xFFFFFFFFu); }, true, ReadError::ChunkOutOfBounds},
    {"chunk offset wraps", [](auto& b) { put32(b, kFirstEntry + 4, 0xFFFFFFF0u); }, true, ReadError::ChunkOutOfBounds},
    {"chunk inside the header", [](auto& b) { put32(b, kFirstEntry + 4, 4); }, true, ReadError::ChunkOutOfBounds},
    {"same chunk twice", [](auto& b) { put32(b, kFirstEntry + 16, get32(b, kFirstEntry)); }, true, ReadError::DuplicateChunk},
    {"unknown critical chunk", [](auto& b) { put32(b, kFirstEntry, fourcc('Z', 'Z', 'Z', 'Z')); put32(b, kFirstEntry + 12, kCriticalFlag); }, true, ReadError::UnknownCriticalChunk},
};

TEST(SkinReader, CorruptedHeaderAndDirectoryAreRefused) {
  const auto good = skin::write_skin(sample_skin());
  ASSERT_TRUE(read_skin(good).ok());
  for (const Corruption& c : kCorruptions) {
    auto bytes = good;
    c.apply(bytes);
    if (c.reseal) bytes = reseal(bytes);
    const auto result = read_skin(bytes);
    EXPECT_EQ(result.error, c.expected) << c.what << ": got " << skin::describe(result.error);
    EXPECT_EQ(result.skin, skin::Skin()) << c.what << ": a refused file must leave only defaults";
  }
}

struct BadChunk {
  const char* what;
  std::uint32_t code;
  std::vector<std::uint8_t> data;
  ReadError expected;
};

TEST(SkinReader, BadChunkContentsAreRefused) {
  const std::vector<BadChunk> cases = {
      {"ragged colour chunk", kChunkColors, Record().u16(0).u16(0).u16(0).bytes, ReadError::BadRecordSize},
      {"colour with alpha byte", kChunkColors, Record().u16(0).u16(0).u32(0xFF000000u).bytes, ReadError::BadValue},
      {"colour padding not zero", kChunkColors, Record().u16(0).u16(1).u32(0).bytes, ReadError::BadValue},
      {"too many colour records", kChunkColors, Record().u16(0).u16(0).u32(0).repeat(kMaxRecords + 1).bytes, ReadError::TooManyRecords},
      {"gradient direction 2", kChunkGradients, Record().u16(0).u16(2).u32(0).u32(0).bytes, ReadError::BadValue},
      {"metric above range", kChunkMetrics, Record().u16(0).u16(1000).bytes, ReadError::BadValue},
      {"metric negative", kChunkMetrics, Record().u16(1).u16(0xFFFF).bytes, ReadError::BadValue},
      {"font face without terminator", kChunkFonts, Record().u16(0).u16(12).u16(400).u16(0).raw(std::string(32, 'A'), 32).bytes, ReadError::BadFont},
      {"font face control byte", kChunkFonts, Record().u16(0).u16(12).u16(400).u16(0).raw("Ta\x01", 32).bytes, ReadError::BadFont},
      {"font weight huge", kChunkFonts, Record().u16(0).u16(12).u16(5000).u16(0).raw("Tahoma", 32).bytes, ReadError::BadFont},
      {"name with control byte", kChunkName, {'a', '\n'}, ReadError::BadName},
      {"name too long", kChunkName, std::vector<std::uint8_t>(65, 'a'), ReadError::BadName},
      {"bitmap header cut", kChunkBitmaps, Record().u16(0).u16(1).bytes, ReadError::BadBitmap},
      {"bitmap zero width", kChunkBitmaps, Record().u16(0).u16(0).u16(1).u16(0).bytes, ReadError::BadBitmap},
      {"bitmap too wide", kChunkBitmaps, Record().u16(0).u16(257).u16(1).u16(0).u32(0).bytes, ReadError::BadBitmap},
      {"bitmap pixels past the chunk", kChunkBitmaps, Record().u16(0).u16(256).u16(256).u16(0).u32(0).bytes, ReadError::BadBitmap},
      {"bitmap one pixel short", kChunkBitmaps, Record().u16(0).u16(2).u16(1).u16(0).u32(0).bytes, ReadError::BadBitmap},
      {"too many bitmaps", kChunkBitmaps, Record().u16(0).u16(1).u16(1).u16(0).u32(0).repeat(kMaxBitmaps + 1).bytes, ReadError::TooManyRecords},
  };
  for (const BadChunk& c : cases) {
    const auto result = read_skin(FileBuilder().add(c.code, c.data).build());
    EXPECT_EQ(result.error, c.expected) << c.what << ": got " << skin::describe(result.error);
  }
}

TEST(SkinReader, EmptyNullAndOversizedInputsAreRefused) {
  EXPECT_EQ(read_skin({}).error, ReadError::TooSmall);
  EXPECT_EQ(read_skin(std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(nullptr), 0)).error,
            ReadError::TooSmall);
  std::vector<std::uint8_t> huge = skin::write_skin(sample_skin());
  huge.resize(kMaxFileSize + 1, 0);
  EXPECT_EQ(read_skin(reseal(huge)).error, ReadError::TooLarge);
}

}  // namespace
