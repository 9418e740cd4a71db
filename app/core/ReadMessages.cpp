#include "app/core/ReadMessages.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

namespace app {

namespace {

using reader::TFileKind;
using reader::TFormatDetails;
using reader::TOpenFailure;
using reader::TReadDetails;
using reader::TReadStage;

constexpr std::uint16_t TagPcm = 1;
constexpr std::uint16_t TagFloat = 3;
constexpr std::uint16_t TagALaw = 6;
constexpr std::uint16_t TagMuLaw = 7;
constexpr std::uint16_t TagExtensible = 0xFFFE;
// The largest data chunk read, and the whole frames of it.
constexpr std::int64_t MaxDataBytes = 0x7FFFFFFF;

// A sub-format GUID whose first word is a format tag ends with these fourteen bytes.
constexpr std::array<std::uint8_t, 14> SubFormatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::string ShortName(const std::string& FileName) {
  const std::string name = std::filesystem::path(FileName).filename().string();
  return name.empty() ? FileName : name;
}

// Identifiers are raw bytes; each shows as the character of its Latin-1 code.
std::string Latin1ToUtf8(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | byte >> 6);
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

// The tag that says how the samples are coded: an extensible chunk's sub-format stands for it,
// and one that names no tag (or is missing) counts as no known coding.
std::uint16_t CodingTag(const TFormatDetails& Format) {
  if (Format.FormatTag != TagExtensible)
    return Format.FormatTag;
  const auto& sub = Format.SubFormat;
  if (!Format.HasSubFormat || !std::equal(SubFormatTail.begin(), SubFormatTail.end(), sub.begin() + 2))
    return TagExtensible;
  return static_cast<std::uint16_t>(sub[0] | sub[1] << 8);
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

// A plain format tag of a coding not named is worth giving, to look it up by.
std::string TagNote(std::uint16_t Tag) {
  if (Tag == TagPcm || Tag == TagFloat || Tag == TagALaw || Tag == TagMuLaw || Tag == TagExtensible)
    return {};
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "0x%04X", unsigned{Tag});
  return " (format tag " + std::string(hex.data()) + ")";
}

std::string NotRiffWaveWords(const TReadDetails& Details) {
  const std::string notRead = ", which this viewer does not read.";
  switch (Details.Kind) {
  case TFileKind::Rf64:
    return "it is an RF64 file (WAVE for more than 4 GB)" + notRead;
  case TFileKind::Bw64:
    return "it is a BW64 file (broadcast WAVE for more than 4 GB)" + notRead;
  case TFileKind::Rifx:
    return "it is a RIFX file (RIFF with big-endian numbers)" + notRead;
  case TFileKind::Wave64:
    return "it is a Sony Wave64 file" + notRead;
  case TFileKind::Aiff:
    return "it is an AIFF file" + notRead;
  case TFileKind::Aifc:
    return "it is an AIFF-C file" + notRead;
  case TFileKind::Flac:
    return "it is a FLAC file" + notRead;
  case TFileKind::Ogg:
    return "it is an Ogg file" + notRead;
  case TFileKind::Mp3:
    return "it is an MP3 file" + notRead;
  case TFileKind::Mp4:
    return "it is an MP4 or M4A file" + notRead;
  case TFileKind::Caf:
    return "it is a CAF file (Apple Core Audio Format)" + notRead;
  case TFileKind::OtherRiff:
    return "it is a RIFF file of the form type \"" + Latin1ToUtf8(Details.FormType) + "\", not \"WAVE\".";
  default:
    return "it is not a RIFF/WAVE file.";
  }
}

std::string OpenFailureWords(TOpenFailure Failure) {
  switch (Failure) {
  case TOpenFailure::NoSuchFile:
    return "there is no such file.";
  case TOpenFailure::PermissionDenied:
    return "permission to read it is denied.";
  case TOpenFailure::Folder:
    return "it is a folder, not a file.";
  default:
    return "it cannot be opened.";
  }
}

std::string ReadErrorWords(const TReadDetails& Details) {
  switch (Details.Stage) {
  case TReadStage::Open:
    return OpenFailureWords(Details.OpenFailure);
  case TReadStage::Header:
    return "it is too short to be a WAVE file.";
  case TReadStage::FirstWalk:
    return "it ends before any format chunk.";
  case TReadStage::Format:
    return "it ends inside its format chunk.";
  case TReadStage::SecondWalk:
    return "it ends before its data chunk begins.";
  default:
    return "it cannot be read.";
  }
}

std::string NothingLoadedWords(reader::TWaveStatus Status, const TReadDetails& Details,
                               const TLoadOutcome& Outcome) {
  if (Outcome.OutOfMemory)
    return "there is not enough memory for its " + GroupThousands(Details.DataBytes) +
           " bytes of sound data.";
  switch (Status) {
  case reader::TWaveStatus::wsDataBeforeFormat:
    return "its data chunk comes before its format chunk.";
  case reader::TWaveStatus::wsChunkTooLarge:
    return "its \"" + Latin1ToUtf8(Details.LargeChunkId) + "\" chunk declares " +
           GroupThousands(Details.LargeChunkSize) + " bytes, more than this viewer can step over.";
  case reader::TWaveStatus::wsNotWave:
    return NotRiffWaveWords(Details);
  default:
    return ReadErrorWords(Details);
  }
}

std::string PartlyLoadedWords(reader::TWaveStatus Status, const TReadDetails& Details) {
  if (Details.Streamed && Details.BytesAfterData > 0)
    return "This file was written as a stream and holds more than the " + GroupThousands(MaxDataBytes) +
           " bytes of sound data this viewer reads; only its first " + GroupThousands(MaxDataBytes / 4) +
           " frames are shown.";
  if (Status == reader::TWaveStatus::wsReadError && Details.MissingBytes > 0)
    return "This file ends " + GroupThousands(Details.MissingBytes) +
           " bytes before its data chunk does; the frames it holds are shown.";
  if (Status == reader::TWaveStatus::wsLoaded && Details.DataBytes == 0 && Details.BytesAfterData > 0)
    return "The data chunk of this file is empty, though " + GroupThousands(Details.BytesAfterData) +
           " bytes follow it; no frames are shown.";
  return {};
}

} // namespace

std::string GroupThousands(std::int64_t value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  std::string grouped = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string NotEnoughMemoryMessage(std::int64_t bytes, const std::string& FileName) {
  return "Not enough memory to load the " + GroupThousands(bytes) + " bytes of sound data in " +
         std::filesystem::path(FileName).filename().string() + ".";
}

std::string FormatNotice(const TFormatDetails& Format) {
  const std::uint16_t coding = CodingTag(Format);
  if (coding == TagPcm && Format.Channels == 2 && Format.BitsPerSample == 16 && Format.BlockAlign == 4)
    return {};
  const bool container =
      Format.FormatTag == TagExtensible && Format.ValidBits > 0 && Format.ValidBits < Format.BitsPerSample;
  const std::uint16_t bits = container ? Format.ValidBits : Format.BitsPerSample;
  // Some compressed codings give no sample width at all.
  const std::string width = bits > 0 ? std::to_string(bits) + "-bit " : "";
  std::string sound = std::to_string(Format.Channels) + "-channel " + width + CodingWords(coding) + " sound";
  if (container)
    sound += " in " + std::to_string(Format.BitsPerSample) + "-bit containers";
  sound += TagNote(Format.FormatTag);
  return "This file holds " + sound + "; it is drawn as 2-channel 16-bit frames.";
}

std::string LoadNotice(reader::TWaveStatus Status, const TReadDetails& Details, const TLoadOutcome& Outcome) {
  if (Outcome.Loaded)
    return PartlyLoadedWords(Status, Details);
  const std::string shown = Outcome.ShownFileName.empty()
                                ? "No file is shown."
                                : ShortName(Outcome.ShownFileName) + " is still shown.";
  return "Nothing was loaded from " + ShortName(Outcome.FileName) + ": " +
         NothingLoadedWords(Status, Details, Outcome) + " " + shown;
}

} // namespace app
