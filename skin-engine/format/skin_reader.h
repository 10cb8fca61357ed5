// Reads a compiled skin file into a Skin. The input is untrusted (the file sits in a
// folder any program of the user can write): every read is bounds-checked, every
// count is checked before anything is allocated, and nothing is kept from a refused file.
#pragma once

#include <cstdint>
#include <span>

#include "skin_model.h"

namespace skin {

enum class ReadError {
  None,
  TooLarge,
  TooSmall,
  BadMagic,
  BadVersion,
  BadHeader,
  SizeMismatch,
  BadChecksum,
  BadDirectory,
  ChunkOutOfBounds,
  DuplicateChunk,
  UnknownCriticalChunk,
  BadRecordSize,
  TooManyRecords,
  BadValue,
  BadName,
  BadFont,
  BadBitmap,
};

const char* describe(ReadError error);

struct ReadResult {
  ReadError error = ReadError::None;
  Skin skin;  // all defaults unless error == None
  bool ok() const { return error == ReadError::None; }
};

ReadResult read_skin(std::span<const std::uint8_t> file);

}  // namespace skin
