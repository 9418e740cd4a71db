#include "app/reader/SampleCoding.h"

#include <array>
#include <cstdio>
#include <optional>

#include "app/reader/FormatTag.h"
#include "app/reader/PlainNumbers.h"

namespace reader {

namespace {

using enum TSampleCoding;

// WAVEFORMAT and the bits field: what every format chunk needs to say how its sound is coded.
constexpr std::uint32_t FormatFieldsSize = 16;
// cbSize of an extensible chunk: valid bits, channel mask and the sub-format.
constexpr std::uint16_t ExtensibleExtensionSize = 22;
// Integer samples by their bytes: one byte is unsigned with an offset, wider ones are signed.
constexpr std::array<TSampleCoding, 4> IntegerCodings = {Unsigned8, Int16, Int24, Int32};

// Bytes a sample takes: its bits rounded up to whole bytes.
std::uint32_t ContainerBytes(std::uint16_t Bits) { return (Bits + 7u) / 8u; }

std::optional<TSampleCoding> DecodedCoding(std::uint16_t Tag, std::uint16_t Bits) {
  switch (Tag) {
  case TagPcm:
    if (Bits >= 1 && Bits <= 32)
      return IntegerCodings[ContainerBytes(Bits) - 1];
    break;
  case TagFloat:
    if (Bits == 32 || Bits == 64)
      return Bits == 32 ? Float32 : Float64;
    break;
  case TagALaw:
  case TagMuLaw:
    if (Bits == 8)
      return Tag == TagALaw ? ALaw : MuLaw;
    break;
  default:
    break;
  }
  return std::nullopt;
}

std::string CodingNotDecoded(std::uint16_t Tag, std::uint16_t Bits) {
  const std::string coding =
      IsSampleCoding(Tag) ? BitsWide(Bits) + CodingWords(Tag) + " samples" : CompressedCodingName(Tag, Bits);
  return "the format chunk says " + coding + ", which this viewer does not decode";
}

// As it is written: {00000001-0000-0010-8000-00AA00389B71}, the first three groups little-endian.
std::string GuidText(const std::array<std::uint8_t, 16>& G) {
  std::array<char, 40> text{};
  std::snprintf(text.data(), text.size(),
                "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", G[3], G[2], G[1],
                G[0], G[5], G[4], G[7], G[6], G[8], G[9], G[10], G[11], G[12], G[13], G[14], G[15]);
  return text.data();
}

// Why the chunk's fields do not describe sound the viewer decodes; empty when they do.
std::string WhyNotDecoded(const TFormatDetails& Format, std::optional<TSampleCoding> Coding) {
  if (!Format.Present)
    return "the file has no format chunk";
  if (Format.BodySize < FormatFieldsSize)
    return "the format chunk holds only " + CountOf(Format.BodySize, "byte") +
           ", too few to say how the sound is coded";
  if (Format.FormatTag == TagExtensible &&
      (!Format.HasSubFormat || Format.ExtensionSize < ExtensibleExtensionSize))
    return "the format chunk is of the extensible kind but too short to name its sub-format";
  const std::uint16_t tag = CodingTag(Format);
  if (tag == TagExtensible)
    return "the format chunk names the sub-format " + GuidText(Format.SubFormat) +
           ", which this viewer does not know";
  if (!Coding)
    return CodingNotDecoded(tag, Format.BitsPerSample);
  if (Format.Channels == 0)
    return "the format chunk says 0 channels";
  if (Format.BlockAlign != Format.Channels * ContainerBytes(Format.BitsPerSample))
    return "the format chunk says " + CountOf(Format.Channels, "channel") + " of " +
           BitsWide(Format.BitsPerSample) + "samples in frames of " + CountOf(Format.BlockAlign, "byte") +
           ", which do not fit";
  return {};
}

} // namespace

TRecordedLayout RecordedLayout(const TFormatDetails& Format) {
  TRecordedLayout layout;
  layout.Channels = Format.Channels;
  layout.BlockAlign = Format.BlockAlign;
  layout.BitsPerSample = Format.BitsPerSample;
  const std::optional<TSampleCoding> coding = DecodedCoding(CodingTag(Format), Format.BitsPerSample);
  layout.Why = WhyNotDecoded(Format, coding);
  layout.Decoded = layout.Why.empty();
  if (layout.Decoded)
    layout.Coding = *coding;
  return layout;
}

bool IsStereo16Pcm(const TFormatDetails& Format) {
  return CodingTag(Format) == TagPcm && Format.Channels == 2 && Format.BitsPerSample == 16 &&
         Format.BlockAlign == 4;
}

} // namespace reader
