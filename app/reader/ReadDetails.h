// What a read learnt beyond the fields of TWaveInfo, which are fixed: what the window needs to
// tell the user in plain words why a file did not load, or not all of it, and what the sound in
// it really is.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace reader {

// The largest chunk a signed 32-bit seek can skip, and so the most of a data chunk that is read.
inline constexpr std::uint32_t MaxChunkSize = 0x7FFFFFFF;

// How far a read got; a read error names the step it failed in.
enum class TReadStage : std::uint8_t { Open, Header, FirstWalk, Format, SecondWalk, Data };

enum class TOpenFailure : std::uint8_t { None, NoSuchFile, PermissionDenied, Folder, Other };

// What the first bytes of a file that is no RIFF/WAVE file say it is.
enum class TFileKind : std::uint8_t {
  Wave,
  NotRiff,
  Rf64,
  Bw64,
  Rifx,
  Wave64,
  Aiff,
  Aifc,
  OtherRiff,
  Flac,
  Ogg,
  Mp3,
  Mp4,
  Caf
};

// The format chunk's fields that say how the sound is stored.
struct TFormatDetails {
  bool Present = false;
  std::uint16_t FormatTag = 0;
  std::uint16_t Channels = 0;
  std::uint32_t SamplesPerSec = 0;
  std::uint16_t BlockAlign = 0;
  std::uint16_t BitsPerSample = 0;
  // The chunk's size: the bytes of its body; fields beyond them read 0.
  std::uint32_t BodySize = 0;
  // cbSize, the bytes of extension the chunk announces.
  std::uint16_t ExtensionSize = 0;
  // The first extension word: the valid bits per sample of an extensible chunk.
  std::uint16_t ValidBits = 0;
  // The extensible chunk's sub-format, from bytes 24 to 39 of the body, when it holds them.
  bool HasSubFormat = false;
  std::array<std::uint8_t, 16> SubFormat{};
};

struct TReadDetails {
  TReadStage Stage = TReadStage::Open;
  TOpenFailure OpenFailure = TOpenFailure::None;
  TFileKind Kind = TFileKind::Wave;
  // The form type's text of a RIFF file that is not "WAVE".
  std::string FormType;
  // The chunk whose size above 0x7FFFFFFF ended a walk.
  std::string LargeChunkId;
  std::uint32_t LargeChunkSize = 0;
  TFormatDetails Format;
  // The bytes of the data chunk the read set out to hold in memory.
  std::int64_t DataBytes = 0;
  // Bytes the data chunk declares that the file does not hold.
  std::int64_t MissingBytes = 0;
  // The data size was above 0x7FFFFFFF, as a writer that could not seek back leaves it: the data
  // was taken to run to the end of the file.
  bool Streamed = false;
  // Bytes the file holds after what was read of the data chunk.
  std::int64_t BytesAfterData = 0;
  // Memory for them, or for anything else the read needed, could not be had.
  bool OutOfMemory = false;
};

} // namespace reader
