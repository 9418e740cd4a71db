// The plain words the notice label shows: what the format chunk describes when the charts do not
// draw it as it is, and why nothing, or not all, of a file was loaded.
#include "app/core/ReadMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using enum reader::TWaveStatus;

using namespace reader;

constexpr std::uint16_t Extensible = 0xFFFE;
const std::string Drawn = "; it is drawn as 2-channel 16-bit frames.";

// An extensible sub-format: the format tag in the first word, then the fixed tail.
std::array<std::uint8_t, 16> SubFormat(std::uint16_t tag) {
  return {std::uint8_t(tag & 0xFF),
          std::uint8_t(tag >> 8),
          0,
          0,
          0,
          0,
          0x10,
          0,
          0x80,
          0,
          0,
          0xAA,
          0,
          0x38,
          0x9B,
          0x71};
}

TFormatDetails Format(std::uint16_t tag, std::uint16_t channels, std::uint16_t bits) {
  TFormatDetails format;
  format.Present = true;
  format.FormatTag = tag;
  format.Channels = channels;
  format.BitsPerSample = bits;
  format.BlockAlign = std::uint16_t(channels * ((bits + 7) / 8));
  format.BodySize = 16;
  return format;
}

TFormatDetails ExtensibleFormat(std::uint16_t subTag, std::uint16_t channels, std::uint16_t bits,
                                std::uint16_t validBits) {
  TFormatDetails format = Format(Extensible, channels, bits);
  format.ValidBits = validBits;
  format.BodySize = 40;
  format.ExtensionSize = 22;
  format.HasSubFormat = true;
  format.SubFormat = SubFormat(subTag);
  return format;
}

struct TFormatCase {
  std::string Name;
  TFormatDetails Format;
  std::string Notice;
};

TEST(FormatNotice, NamesWhatTheFormatChunkDescribes) {
  TFormatDetails noSubFormat = ExtensibleFormat(1, 2, 16, 16);
  noSubFormat.HasSubFormat = false;
  TFormatDetails foreignGuid = ExtensibleFormat(1, 2, 16, 16);
  foreignGuid.SubFormat[15] = 0;
  TFormatDetails oddAlign = Format(1, 2, 16);
  oddAlign.BlockAlign = 6;
  const std::vector<TFormatCase> cases = {
      {"StereoPcm16", Format(1, 2, 16), ""},
      {"ExtensibleStereoPcm16", ExtensibleFormat(1, 2, 16, 16), ""},
      {"Mono", Format(1, 1, 16), "This file holds 1-channel 16-bit integer sound" + Drawn},
      {"Bits24", Format(1, 2, 24), "This file holds 2-channel 24-bit integer sound" + Drawn},
      {"Bits8", Format(1, 1, 8), "This file holds 1-channel 8-bit integer sound" + Drawn},
      {"Float", Format(3, 2, 32), "This file holds 2-channel 32-bit floating-point sound" + Drawn},
      {"ALaw", Format(6, 1, 8), "This file holds 1-channel 8-bit A-law sound" + Drawn},
      {"MuLaw", Format(7, 1, 8), "This file holds 1-channel 8-bit \xC2\xB5-law sound" + Drawn},
      {"SixChannels", Format(1, 6, 16), "This file holds 6-channel 16-bit integer sound" + Drawn},
      {"Adpcm", Format(0x11, 1, 4),
       "This file holds 1-channel 4-bit compressed sound (format tag 0x0011)" + Drawn},
      {"NoSampleWidth", Format(0x31, 1, 0),
       "This file holds 1-channel compressed sound (format tag 0x0031)" + Drawn},
      {"BlockAlignNot4", oddAlign, "This file holds 2-channel 16-bit integer sound" + Drawn},
      {"ExtensiblePcmMono24", ExtensibleFormat(1, 1, 24, 24),
       "This file holds 1-channel 24-bit integer sound" + Drawn},
      {"ExtensibleFloat", ExtensibleFormat(3, 2, 32, 32),
       "This file holds 2-channel 32-bit floating-point sound" + Drawn},
      {"Extensible24In32", ExtensibleFormat(1, 2, 32, 24),
       "This file holds 2-channel 24-bit integer sound in 32-bit containers" + Drawn},
      {"ExtensibleWithoutSubFormat", noSubFormat,
       "This file holds 2-channel 16-bit compressed sound" + Drawn},
      {"ExtensibleForeignSubFormat", foreignGuid,
       "This file holds 2-channel 16-bit compressed sound" + Drawn},
  };
  for (const auto& c : cases)
    EXPECT_EQ(app::FormatNotice(c.Format), c.Notice) << c.Name;
}

struct TLoadCase {
  std::string Name;
  reader::TWaveStatus Status;
  TReadDetails Details;
  app::TLoadOutcome Outcome;
  std::string Notice;
};

TReadDetails Details(TReadStage stage) {
  TReadDetails details;
  details.Stage = stage;
  return details;
}

TReadDetails NotWave(TFileKind kind, std::string formType = {}) {
  TReadDetails details = Details(TReadStage::Header);
  details.Kind = kind;
  details.FormType = std::move(formType);
  return details;
}

TReadDetails OpenFailure(TOpenFailure failure) {
  TReadDetails details;
  details.OpenFailure = failure;
  return details;
}

TReadDetails Loaded(std::int64_t dataBytes, std::int64_t missing, bool streamed, std::int64_t after) {
  TReadDetails details = Details(TReadStage::Data);
  details.DataBytes = dataBytes;
  details.MissingBytes = missing;
  details.Streamed = streamed;
  details.BytesAfterData = after;
  return details;
}

TReadDetails LargeChunk(std::string id, std::uint32_t size) {
  TReadDetails details = Details(TReadStage::SecondWalk);
  details.LargeChunkId = std::move(id);
  details.LargeChunkSize = size;
  return details;
}

std::vector<TLoadCase> NothingLoadedCases() {
  const std::string from = "Nothing was loaded from b.wav: ";
  const std::string kept = " a.wav is still shown.";
  const std::string notRead = ", which this viewer does not read." + kept;
  std::vector<TLoadCase> cases = {
      {"Rf64",
       wsNotWave,
       NotWave(TFileKind::Rf64),
       {},
       from + "it is an RF64 file (WAVE for more than 4 GB)" + notRead},
      {"Bw64",
       wsNotWave,
       NotWave(TFileKind::Bw64),
       {},
       from + "it is a BW64 file (broadcast WAVE for more than 4 GB)" + notRead},
      {"Rifx",
       wsNotWave,
       NotWave(TFileKind::Rifx),
       {},
       from + "it is a RIFX file (RIFF with big-endian numbers)" + notRead},
      {"Wave64", wsNotWave, NotWave(TFileKind::Wave64), {}, from + "it is a Sony Wave64 file" + notRead},
      {"Aiff", wsNotWave, NotWave(TFileKind::Aiff), {}, from + "it is an AIFF file" + notRead},
      {"Aifc", wsNotWave, NotWave(TFileKind::Aifc), {}, from + "it is an AIFF-C file" + notRead},
      {"Avi",
       wsNotWave,
       NotWave(TFileKind::OtherRiff, "AVI "),
       {},
       from + "it is a RIFF file of the form type \"AVI \", not \"WAVE\"." + kept},
      {"FormTypeInLatin1",
       wsNotWave,
       NotWave(TFileKind::OtherRiff, "W\xC4VE"),
       {},
       from + "it is a RIFF file of the form type \"W\xC3\x84VE\", not \"WAVE\"." + kept},
      {"Flac", wsNotWave, NotWave(TFileKind::Flac), {}, from + "it is a FLAC file" + notRead},
      {"Ogg", wsNotWave, NotWave(TFileKind::Ogg), {}, from + "it is an Ogg file" + notRead},
      {"Mp3", wsNotWave, NotWave(TFileKind::Mp3), {}, from + "it is an MP3 file" + notRead},
      {"Mp4", wsNotWave, NotWave(TFileKind::Mp4), {}, from + "it is an MP4 or M4A file" + notRead},
      {"Caf",
       wsNotWave,
       NotWave(TFileKind::Caf),
       {},
       from + "it is a CAF file (Apple Core Audio Format)" + notRead},
      {"NotRiff", wsNotWave, NotWave(TFileKind::NotRiff), {}, from + "it is not a RIFF/WAVE file." + kept},
      {"NoSuchFile",
       wsReadError,
       OpenFailure(TOpenFailure::NoSuchFile),
       {},
       from + "there is no such file." + kept},
      {"PermissionDenied",
       wsReadError,
       OpenFailure(TOpenFailure::PermissionDenied),
       {},
       from + "permission to read it is denied." + kept},
      {"Folder",
       wsReadError,
       OpenFailure(TOpenFailure::Folder),
       {},
       from + "it is a folder, not a file." + kept},
      {"CannotOpen", wsReadError, OpenFailure(TOpenFailure::Other), {}, from + "it cannot be opened." + kept},
      {"TooShort",
       wsReadError,
       Details(TReadStage::Header),
       {},
       from + "it is too short to be a WAVE file." + kept},
      {"EndsInFirstWalk",
       wsReadError,
       Details(TReadStage::FirstWalk),
       {},
       from + "it ends before any format chunk." + kept},
      {"EndsInFormat",
       wsReadError,
       Details(TReadStage::Format),
       {},
       from + "it ends inside its format chunk." + kept},
      {"EndsBeforeData",
       wsReadError,
       Details(TReadStage::SecondWalk),
       {},
       from + "it ends before its data chunk begins." + kept},
      {"DataBeforeFormat",
       wsDataBeforeFormat,
       Details(TReadStage::FirstWalk),
       {},
       from + "its data chunk comes before its format chunk." + kept},
      {"LargeChunk",
       wsChunkTooLarge,
       LargeChunk("LIST", 0x80000000),
       {},
       from + "its \"LIST\" chunk declares 2,147,483,648 bytes, more than this viewer can step over." + kept},
      {"OutOfMemory",
       wsReadError,
       Loaded(400000000, 0, false, 0),
       {},
       from + "there is not enough memory for its 400,000,000 bytes of sound data." + kept},
  };
  for (auto& c : cases)
    c.Outcome = {"/music/b.wav", false, c.Name == "OutOfMemory", "/music/a.wav"};
  cases.push_back({"NothingShownYet",
                   wsNotWave,
                   NotWave(TFileKind::NotRiff),
                   {"/music/b.wav", false, false, ""},
                   from + "it is not a RIFF/WAVE file. No file is shown."});
  cases.push_back({"FolderNamedWithItsPath",
                   wsReadError,
                   OpenFailure(TOpenFailure::Folder),
                   {"/music/", false, false, ""},
                   "Nothing was loaded from /music/: it is a folder, not a file. No file is shown."});
  return cases;
}

TEST(LoadNotice, SaysWhyNothingWasLoadedAndWhatIsStillShown) {
  for (const auto& c : NothingLoadedCases())
    EXPECT_EQ(app::LoadNotice(c.Status, c.Details, c.Outcome), c.Notice) << c.Name;
}

TEST(LoadNotice, SaysWhyNotAllWasLoaded) {
  const app::TLoadOutcome loaded{"/music/b.wav", true, false, "/music/b.wav"};
  const std::vector<TLoadCase> cases = {
      {"Whole", wsLoaded, Loaded(400, 0, false, 0), loaded, ""},
      {"ChunksAfterTheData", wsLoaded, Loaded(400, 0, false, 26), loaded, ""},
      {"EndsBeforeTheDataChunkDoes", wsReadError, Loaded(40, 12345, false, 0), loaded,
       "This file ends 12,345 bytes before its data chunk does; the frames it holds are shown."},
      {"StreamedAndWhole", wsReadError, Loaded(4000, 0, true, 0), loaded, ""},
      {"StreamedBeyondWhatIsRead", wsReadError, Loaded(0x7FFFFFFF, 0, true, 8), loaded,
       "This file was written as a stream and holds more than the 2,147,483,647 bytes of sound data this "
       "viewer reads; only its first 536,870,911 frames are shown."},
      {"EmptyDataChunkWithBytesAfterIt", wsLoaded, Loaded(0, 0, false, 1234), loaded,
       "The data chunk of this file is empty, though 1,234 bytes follow it; no frames are shown."},
      {"EmptyDataChunkAtTheEnd", wsLoaded, Loaded(0, 0, false, 0), loaded,
       "This file holds no sound: its data chunk is empty."},
      {"DataChunkShorterThanAFrame", wsLoaded, Loaded(3, 0, false, 0), loaded,
       "This file holds no sound: its data chunk holds only 3 bytes, less than a frame."},
      {"OneByteWithBytesAfterIt", wsLoaded, Loaded(1, 0, false, 20), loaded,
       "The data chunk of this file holds only 1 byte, less than a frame, though 20 bytes follow it; no "
       "frames "
       "are shown."},
      {"OneFrame", wsLoaded, Loaded(4, 0, false, 0), loaded, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(app::LoadNotice(c.Status, c.Details, c.Outcome), c.Notice) << c.Name;
}

TFormatDetails WithRate(TFormatDetails format, std::uint32_t rate) {
  format.SamplesPerSec = rate;
  return format;
}

struct TInfoCase {
  std::string Name;
  TFormatDetails Format;
  std::int64_t DataBytes;
  bool AsRecorded;
  std::string Details;
};

TEST(InfoLine, SaysWhatTheSoundIsAndHowItIsDrawn) {
  const std::string pairs = " \xC2\xB7 drawn as 2-channel 16-bit frame pairs";
  const std::vector<TInfoCase> cases = {
      {"Mono16", WithRate(Format(1, 1, 16), 22050), 98672, true,
       "1 channel \xC2\xB7 16-bit integer \xC2\xB7 22,050 Hz \xC2\xB7 0:00:02.237 (49,336 frames)"},
      {"SixChannelFloat", WithRate(Format(3, 6, 32), 48000), 1152000, true,
       "6 channels \xC2\xB7 32-bit float \xC2\xB7 48,000 Hz \xC2\xB7 0:00:01.000 (48,000 frames)"},
      {"ALaw", WithRate(Format(6, 2, 8), 8000), 16000, true,
       "2 channels \xC2\xB7 A-law \xC2\xB7 8,000 Hz \xC2\xB7 0:00:01.000 (8,000 frames)"},
      {"Extensible20In24", WithRate(ExtensibleFormat(1, 2, 24, 20), 96000), 576000, true,
       "2 channels \xC2\xB7 20-bit integer in 24-bit containers \xC2\xB7 96,000 Hz \xC2\xB7 0:00:01.000 "
       "(96,000 "
       "frames)"},
      {"Mono24AsFramePairs", WithRate(Format(1, 1, 24), 44100), 132300, false,
       "1 channel \xC2\xB7 24-bit integer \xC2\xB7 44,100 Hz \xC2\xB7 0:00:01.000 (44,100 frames)" + pairs +
           " (33,075 of them)"},
      {"Mono24AsFramePairsWithAPartialPair", WithRate(Format(1, 1, 24), 44100), 132302, false,
       "1 channel \xC2\xB7 24-bit integer \xC2\xB7 44,100 Hz \xC2\xB7 0:00:01.000 (44,100 frames)" + pairs +
           " (33,075 of them); 2 bytes after the last whole pair are ignored"},
      {"Mono24WithAPartialFrame", WithRate(Format(1, 1, 24), 44100), 132301, true,
       "1 channel \xC2\xB7 24-bit integer \xC2\xB7 44,100 Hz \xC2\xB7 0:00:01.000 (44,100 frames); 1 byte "
       "after the "
       "last whole frame is ignored"},
      {"Stereo16AsFramePairs", WithRate(Format(1, 2, 16), 44100), 176402, false,
       "2 channels \xC2\xB7 16-bit integer \xC2\xB7 44,100 Hz \xC2\xB7 0:00:01.000 (44,100 frames); 2 bytes "
       "after "
       "the last whole frame are ignored"},
      {"Stereo16ThreeHours", WithRate(Format(1, 2, 16), 48000), 2147483644, true,
       "2 channels \xC2\xB7 16-bit integer \xC2\xB7 48,000 Hz \xC2\xB7 3:06:24.810 (536,870,911 frames)"},
      {"RateZero", WithRate(Format(1, 2, 16), 0), 400, true,
       "2 channels \xC2\xB7 16-bit integer \xC2\xB7 0 Hz \xC2\xB7 100 frames"},
      {"ImaAdpcmWithTheBoxTicked", WithRate(Format(0x11, 1, 4), 22050), 1001, true,
       "1 channel \xC2\xB7 4-bit IMA ADPCM \xC2\xB7 22,050 Hz" + pairs +
           " (250 of them); 1 byte after the last whole pair is ignored"},
      {"UndecodedALaw", WithRate(Format(6, 1, 16), 8000), 8, true,
       "1 channel \xC2\xB7 16-bit A-law \xC2\xB7 8,000 Hz" + pairs + " (2 of them)"},
  };
  for (const auto& c : cases) {
    const app::TInfoLine line = app::InfoLine("/music/speech.wav", c.Format, c.DataBytes, c.AsRecorded);
    EXPECT_EQ(line.Name, "speech.wav") << c.Name;
    EXPECT_EQ(line.Details, c.Details) << c.Name;
  }
}

TEST(TimeText, TruncatesToTheMillisecond) {
  struct TTimeCase {
    std::int64_t Frame;
    std::uint32_t Rate;
    std::string Text;
  };
  const std::vector<TTimeCase> cases = {
      {0, 44100, "0:00:00.000"},
      {1, 44100, "0:00:00.000"},
      {44099, 44100, "0:00:00.999"},
      {44100, 44100, "0:00:01.000"},
      {47, 48000, "0:00:00.000"},
      {48, 48000, "0:00:00.001"},
      {172799999, 48000, "0:59:59.999"},
      {172800000, 48000, "1:00:00.000"},
      {2147483647, 48000, "12:25:39.242"},
      {-48000, 48000, "-0:00:01.000"},
      {44100, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(app::TimeText(c.Frame, c.Rate), c.Text) << c.Frame << " at " << c.Rate;
}

TEST(AsRecordedNotices, SayWhatTheChartsCannotShow) {
  EXPECT_EQ(app::AsRecordedNotice(Format(1, 1, 24)), "");
  EXPECT_EQ(
      app::AsRecordedNotice(Format(0x11, 1, 4)),
      "This file cannot be shown as recorded: the format chunk says 4-bit IMA ADPCM, which this viewer does "
      "not decode; it is drawn as 2-channel 16-bit frames.");
  EXPECT_EQ(app::NonFiniteNotice(0), "");
  EXPECT_EQ(app::NonFiniteNotice(1),
            "1 sample of this file is not a number or infinite; it leaves a gap in the line.");
  EXPECT_EQ(app::NonFiniteNotice(3),
            "3 samples of this file are not numbers or infinite; they leave gaps in the line.");
  EXPECT_EQ(app::NonFiniteNotice(1234),
            "1,234 samples of this file are not numbers or infinite; they leave gaps in the line.");
  EXPECT_EQ(app::TooManyFramesNotice(3000000000, 2147483000),
            "This file holds 3,000,000,000 frames; only the first 2,147,483,000 are shown.");
}

} // namespace
