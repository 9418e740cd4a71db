#include "app/reader/FormatTag.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "app/reader/PlainNumbers.h"

namespace reader {

namespace {

// A sub-format GUID whose first word is a format tag ends with these fourteen bytes.
constexpr std::array<std::uint8_t, 14> SubFormatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

struct TTagName {
  std::uint16_t Tag;
  std::string_view Name;
};

// The compressed codings a user is likely to meet in a WAVE file.
constexpr std::array<TTagName, 9> TagNames = {{
    {0x0002, "Microsoft ADPCM"},
    {0x0011, "IMA ADPCM"},
    {0x0031, "GSM 6.10"},
    {0x0050, "MPEG"},
    {0x0055, "MPEG Layer 3"},
    {0x00FF, "AAC"},
    {0x0161, "Windows Media Audio"},
    {0x0162, "Windows Media Audio Professional"},
    {0x0163, "Windows Media Audio Lossless"},
}};

std::string TagText(std::uint16_t Tag) {
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "0x%04X", unsigned{Tag});
  return "format tag " + std::string(hex.data());
}

} // namespace

std::uint16_t CodingTag(const TFormatDetails& Format) {
  if (Format.FormatTag != TagExtensible)
    return Format.FormatTag;
  const auto& sub = Format.SubFormat;
  if (!Format.HasSubFormat || !std::equal(SubFormatTail.begin(), SubFormatTail.end(), sub.begin() + 2))
    return TagExtensible;
  return static_cast<std::uint16_t>(sub[0] | sub[1] << 8);
}

bool IsSampleCoding(std::uint16_t Tag) {
  return Tag == TagPcm || Tag == TagFloat || Tag == TagALaw || Tag == TagMuLaw;
}

std::string CodingWords(std::uint16_t Tag) {
  switch (Tag) {
  case TagPcm:
    return "integer";
  case TagFloat:
    return "floating-point";
  case TagALaw:
    return "A-law";
  case TagMuLaw:
    return "\xC2\xB5-law";
  default:
    return "compressed";
  }
}

std::string TagNote(std::uint16_t Tag) {
  if (IsSampleCoding(Tag) || Tag == TagExtensible)
    return {};
  return " (" + TagText(Tag) + ")";
}

std::string CompressedCodingName(std::uint16_t Tag, std::uint16_t Bits) {
  if (Tag == TagExtensible)
    return "extensible format of no known sub-format";
  const auto named =
      std::find_if(TagNames.begin(), TagNames.end(), [&](const TTagName& n) { return n.Tag == Tag; });
  if (named == TagNames.end())
    return TagText(Tag);
  return (Bits > 0 ? BitsWide(Bits) : "") + std::string(named->Name);
}

} // namespace reader
