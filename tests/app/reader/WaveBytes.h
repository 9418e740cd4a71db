// Builds RIFF/WAVE bytes piece by piece, for the reader's tests, the fuzzing seed corpus and the
// demo recording; pieces are plain byte strings so that broken files are as easy as good ones.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wavebytes {

inline std::string Le16(std::uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string Le32(std::uint32_t value) {
  return Le16(static_cast<std::uint16_t>(value & 0xFFFF)) + Le16(static_cast<std::uint16_t>(value >> 16));
}

// Id must be exactly four bytes (zero bytes included); Size may disagree with any body that
// follows.
inline std::string ChunkHeader(std::string_view Id, std::uint32_t Size) {
  return std::string(Id) + Le32(Size);
}

inline std::string Chunk(std::string_view Id, std::string_view Body) {
  return ChunkHeader(Id, static_cast<std::uint32_t>(Body.size())) + std::string(Body);
}

// The 16 bytes of a format chunk's body without the extension size, every field as given.
inline std::string FormatFields(std::uint16_t FormatTag, std::uint16_t Channels, std::uint32_t SamplesPerSec,
                                std::uint16_t BlockAlign, std::uint16_t BitsPerSample) {
  return Le16(FormatTag) + Le16(Channels) + Le32(SamplesPerSec) + Le32(SamplesPerSec * BlockAlign) +
         Le16(BlockAlign) + Le16(BitsPerSample);
}

// The same, with the block align of whole bytes a sample.
inline std::string FormatBody(std::uint16_t Channels, std::uint32_t SamplesPerSec,
                              std::uint16_t BitsPerSample, std::uint16_t FormatTag = 1) {
  const auto blockAlign = static_cast<std::uint16_t>(Channels * (BitsPerSample / 8));
  return FormatFields(FormatTag, Channels, SamplesPerSec, blockAlign, BitsPerSample);
}

// "RIFF", the RIFF size (by default the true one), the form type and the chunks.
inline std::string RiffFile(std::string_view Chunks, std::string_view Form = "WAVE",
                            std::optional<std::uint32_t> RiffSize = std::nullopt) {
  const auto size = RiffSize.value_or(static_cast<std::uint32_t>(Form.size() + Chunks.size()));
  return "RIFF" + Le32(size) + std::string(Form) + std::string(Chunks);
}

} // namespace wavebytes
