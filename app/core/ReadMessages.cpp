#include "app/core/ReadMessages.h"

#include <array>
#include <cstdio>
#include <filesystem>

#include "app/reader/FormatTag.h"
#include "app/reader/SampleCoding.h"

namespace app {

namespace {

using reader::BitsWide;
using reader::CodingTag;
using reader::CodingWords;
using reader::CountOf;
using reader::TFileKind;
using reader::TFormatDetails;
using reader::TOpenFailure;
using reader::TReadDetails;
using reader::TReadStage;

// The largest data chunk read, and the whole frames of it.
constexpr std::int64_t MaxDataBytes = reader::MaxChunkSize;
// The frame-pair reading's frames: 2 channels of 16-bit samples.
constexpr std::int64_t PairBytes = 4;
const std::string Dot = " \xC2\xB7 ";

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

// The extensible chunk's valid bits when fewer than its containers hold, else 0.
std::uint16_t ValidBitsInContainer(const TFormatDetails& Format) {
  return Format.FormatTag == reader::TagExtensible && Format.ValidBits < Format.BitsPerSample
             ? Format.ValidBits
             : 0;
}

// What the samples are, as the format chunk says: "16-bit integer", "32-bit float", "A-law".
std::string SampleWords(const TFormatDetails& Format) {
  const std::uint16_t tag = CodingTag(Format);
  const std::uint16_t bits = Format.BitsPerSample;
  switch (tag) {
  case reader::TagPcm: {
    const std::uint16_t valid = ValidBitsInContainer(Format);
    return valid > 0 ? BitsWide(valid) + "integer in " + BitsWide(bits) + "containers"
                     : BitsWide(bits) + "integer";
  }
  case reader::TagFloat:
    return BitsWide(bits) + "float";
  case reader::TagALaw:
  case reader::TagMuLaw:
    // Both are 8-bit codings; a width is worth giving only when the chunk says another.
    return (bits == 8 ? "" : BitsWide(bits)) + CodingWords(tag);
  default:
    return reader::CompressedCodingName(tag, bits);
  }
}

// The length of the frames, and how many there are; without a rate only how many.
std::string LengthWords(std::int64_t frames, std::uint32_t SamplesPerSec) {
  const std::string count = CountOf(frames, "frame");
  return SamplesPerSec == 0 ? count : TimeText(frames, SamplesPerSec) + " (" + count + ")";
}

// The bytes of a last partial frame, which the charts leave out.
std::string IgnoredWords(std::int64_t bytes, const std::string& Unit) {
  if (bytes == 0)
    return {};
  return "; " + CountOf(bytes, "byte") + " after the last whole " + Unit + (bytes == 1 ? " is" : " are") +
         " ignored";
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

// A data chunk too short for one frame pair, whatever the format chunk says.
std::string NoFrameWords(const TReadDetails& Details) {
  const std::string chunk = Details.DataBytes == 0
                                ? "is empty"
                                : "holds only " + CountOf(Details.DataBytes, "byte") + ", less than a frame";
  if (Details.BytesAfterData > 0)
    return "The data chunk of this file " + chunk + ", though " + GroupThousands(Details.BytesAfterData) +
           " bytes follow it; no frames are shown.";
  return "This file holds no sound: its data chunk " + chunk + ".";
}

std::string PartlyLoadedWords(reader::TWaveStatus Status, const TReadDetails& Details) {
  if (Details.Streamed && Details.BytesAfterData > 0)
    return "This file was written as a stream and holds more than the " + GroupThousands(MaxDataBytes) +
           " bytes of sound data this viewer reads; only its first " +
           GroupThousands(MaxDataBytes / PairBytes) + " frames are shown.";
  if (Status == reader::TWaveStatus::wsReadError && Details.MissingBytes > 0)
    return "This file ends " + GroupThousands(Details.MissingBytes) +
           " bytes before its data chunk does; the frames it holds are shown.";
  if (Status == reader::TWaveStatus::wsLoaded && Details.DataBytes < PairBytes)
    return NoFrameWords(Details);
  return {};
}

} // namespace

std::string NotEnoughMemoryMessage(std::int64_t bytes, const std::string& FileName) {
  return "Not enough memory to load the " + GroupThousands(bytes) + " bytes of sound data in " +
         std::filesystem::path(FileName).filename().string() + ".";
}

std::string FormatNotice(const TFormatDetails& Format) {
  if (reader::IsStereo16Pcm(Format))
    return {};
  const std::uint16_t valid = ValidBitsInContainer(Format);
  const std::uint16_t bits = valid > 0 ? valid : Format.BitsPerSample;
  // Some compressed codings give no sample width at all.
  const std::string width = bits > 0 ? std::to_string(bits) + "-bit " : "";
  std::string sound =
      std::to_string(Format.Channels) + "-channel " + width + CodingWords(CodingTag(Format)) + " sound";
  if (valid > 0)
    sound += " in " + std::to_string(Format.BitsPerSample) + "-bit containers";
  sound += reader::TagNote(Format.FormatTag);
  return "This file holds " + sound + "; it is drawn as 2-channel 16-bit frames.";
}

std::string TimeText(std::int64_t frameIndexFromZero, std::uint32_t SamplesPerSec) {
  if (SamplesPerSec == 0)
    return {};
  // Through the unsigned magnitude, so that no value overflows on the way.
  const std::uint64_t frames = frameIndexFromZero < 0 ? 0 - static_cast<std::uint64_t>(frameIndexFromZero)
                                                      : static_cast<std::uint64_t>(frameIndexFromZero);
  const std::uint64_t seconds = frames / SamplesPerSec;
  const std::uint64_t milliseconds = frames % SamplesPerSec * 1000 / SamplesPerSec;
  std::array<char, 40> text{};
  std::snprintf(text.data(), text.size(), "%s%llu:%02llu:%02llu.%03llu", frameIndexFromZero < 0 ? "-" : "",
                static_cast<unsigned long long>(seconds / 3600),
                static_cast<unsigned long long>(seconds / 60 % 60),
                static_cast<unsigned long long>(seconds % 60), static_cast<unsigned long long>(milliseconds));
  return text.data();
}

TInfoLine InfoLine(const std::string& FileName, const TFormatDetails& Format, std::int64_t DataBytes,
                   bool AsRecorded) {
  const bool decodable = reader::RecordedLayout(Format).Decoded;
  const bool asRecorded = AsRecorded && decodable;
  // The frame pairs are then the frames as recorded.
  const bool stereo16 = reader::IsStereo16Pcm(Format);
  std::string details = CountOf(Format.Channels, "channel") + Dot + SampleWords(Format) + Dot +
                        GroupThousands(Format.SamplesPerSec) + " Hz";
  if (decodable || stereo16)
    details += Dot + LengthWords(DataBytes / Format.BlockAlign, Format.SamplesPerSec);
  const bool pairs = !asRecorded && !stereo16;
  if (pairs)
    details +=
        Dot + "drawn as 2-channel 16-bit frame pairs (" + GroupThousands(DataBytes / PairBytes) + " of them)";
  const std::int64_t frameBytes = asRecorded ? Format.BlockAlign : PairBytes;
  details += IgnoredWords(DataBytes % frameBytes, pairs ? "pair" : "frame");
  return {ShortName(FileName), details};
}

std::string AsRecordedNotice(const TFormatDetails& Format) {
  const reader::TRecordedLayout layout = reader::RecordedLayout(Format);
  if (layout.Decoded)
    return {};
  return "This file cannot be shown as recorded: " + layout.Why + "; it is drawn as 2-channel 16-bit frames.";
}

std::string NonFiniteNotice(std::int64_t count) {
  if (count <= 0)
    return {};
  if (count == 1)
    return "1 sample of this file is not a number or infinite; it leaves a gap in the line.";
  return GroupThousands(count) +
         " samples of this file are not numbers or infinite; they leave gaps in the line.";
}

std::string TooManyFramesNotice(std::int64_t frames, std::int64_t shown) {
  return "This file holds " + CountOf(frames, "frame") + "; only the first " + GroupThousands(shown) +
         " are shown.";
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
