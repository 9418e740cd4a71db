#include "app/reader/ReadWaveFile.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "app/reader/FileKind.h"
#include "app/reader/LoadThreads.h"
#include "platform/files/FileError.h"
#include "platform/files/ReadOnlyFile.h"

namespace reader {

namespace {

using enum TWaveStatus;

// Sizes above MaxChunkSize cannot be skipped with a signed 32-bit seek, so they end the read; only
// a data chunk of such a size in the second walk is read, up to that many bytes.
// The format chunk is read into an area the size of WAVEFORMATEX plus two extension bytes.
constexpr std::uint32_t FormatAreaSize = 20;
// An extensible format chunk ends with its sub-format GUID at body bytes 24 to 39.
constexpr std::uint32_t ExtensibleSize = 40;
constexpr std::uint32_t SubFormatAt = 24;

// The format chunk's body; bytes the chunk does not supply stay zero.
class TFormatArea {
public:
  std::array<std::uint8_t, FormatAreaSize> Bytes{};

  std::int16_t FormatTag() const { return static_cast<std::int16_t>(Word(0)); }
  std::uint16_t Channels() const { return Word(2); }
  std::uint32_t SamplesPerSec() const { return DWord(4); }
  std::uint32_t AvgBytesPerSec() const { return DWord(8); }
  std::uint16_t BlockAlign() const { return Word(12); }
  std::uint16_t BitsPerSample() const { return Word(14); }
  std::uint16_t ExtensionSize() const { return Word(16); }
  std::uint16_t ValidBits() const { return Word(18); }

private:
  std::uint16_t Word(std::size_t at) const {
    return static_cast<std::uint16_t>(Bytes[at] | Bytes[at + 1] << 8);
  }
  std::uint32_t DWord(std::size_t at) const {
    return static_cast<std::uint32_t>(Word(at)) | static_cast<std::uint32_t>(Word(at + 2)) << 16;
  }
};

// One read of one source; every method may throw, and ReadWaveFile turns that into a status.
class TWaveFileReader {
public:
  TWaveFileReader(files::TByteSource& Source, TWaveInfo& Info, TWaveLog& Log, TReadDetails& Details,
                  pages::TPageMemory& Memory, TDataProgress* Progress, int Threads)
      : FFile(Source), FInfo(Info), FLog(Log), FDetails(Details), FMemory(Memory), FProgress(Progress),
        FThreads(Threads) {}

  TWaveStatus Run() {
    FDetails.Stage = TReadStage::Header;
    if (!ReadRiffHeader())
      return wsNotWave;
    FDetails.Stage = TReadStage::FirstWalk;
    std::string id;
    std::uint32_t size = 0;
    if (!WalkToFormatOrData(id, size))
      return wsChunkTooLarge;
    if (id == "data")
      return wsDataBeforeFormat;
    FDetails.Stage = TReadStage::Format;
    const TFormatArea format = ReadFormat(size);
    FDetails.Stage = TReadStage::SecondWalk;
    if (!WalkToData(size))
      return wsChunkTooLarge;
    return LoadData(size, format);
  }

private:
  files::TByteSource& FFile;
  TWaveInfo& FInfo;
  TWaveLog& FLog;
  TReadDetails& FDetails;
  pages::TPageMemory& FMemory;
  TDataProgress* FProgress;
  int FThreads;

  // Identifiers are compared and logged as text that stops at the first zero byte.
  std::string ReadId() {
    std::array<char, 4> bytes{};
    FFile.ReadExact(bytes.data(), 4);
    return std::string(bytes.data(), std::find(bytes.begin(), bytes.end(), '\0'));
  }

  std::uint32_t ReadSize() {
    std::array<std::uint8_t, 4> b{};
    FFile.ReadExact(b.data(), 4);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  }

  bool ReadRiffHeader() {
    std::array<std::uint8_t, FileKindBytes> first{};
    FFile.ReadExact(first.data(), 4);
    if (std::string_view(reinterpret_cast<const char*>(first.data()), 4) != "RIFF") {
      // Only for the user's sake: the bytes after the identifier change neither log nor status.
      const std::int64_t more = FFile.Read(first.data() + 4, std::int64_t{FileKindBytes - 4});
      FDetails.Kind = KindOfFirstBytes(first.data(), static_cast<std::size_t>(4 + more));
      return false;
    }
    FLog.AppendLine("RIFF");
    FLog.AppendLine("FileSize " + std::to_string(ReadSize()));
    const std::string form = ReadId();
    FLog.AppendLine(form);
    if (form == "WAVE")
      return true;
    FDetails.Kind = TFileKind::OtherRiff;
    FDetails.FormType = form;
    return false;
  }

  // Writers pad a body of odd size with a zero byte, yet some leave it out; the byte is taken
  // for a pad only when a plausible identifier follows it, so both kinds of file read.
  void SkipPadByte(std::uint32_t bodySize) {
    if (bodySize % 2 == 0)
      return;
    std::array<std::uint8_t, 5> next{};
    const std::int64_t got = FFile.Read(next.data(), static_cast<std::int64_t>(next.size()));
    const bool printableId =
        std::all_of(next.begin() + 1, next.end(), [](std::uint8_t b) { return b >= 0x20 && b <= 0x7E; });
    const bool pad = got == 5 && next[0] == 0 && printableId;
    FFile.Seek((pad ? 1 : 0) - got);
  }

  void NoteLargeChunk(const std::string& id, std::uint32_t size) {
    FDetails.LargeChunkId = id;
    FDetails.LargeChunkSize = size;
  }

  // Both identifier and size are read before the identifier is logged.
  bool WalkToFormatOrData(std::string& id, std::uint32_t& size) {
    size = 0;
    for (;;) {
      FFile.Seek(size);
      SkipPadByte(size);
      id = ReadId();
      size = ReadSize();
      FLog.AppendLine(id);
      if (size > MaxChunkSize) {
        NoteLargeChunk(id, size);
        return false;
      }
      FLog.AppendLine("chankSize " + std::to_string(size));
      if (id == "fmt " || id == "data")
        return true;
    }
  }

  TFormatArea ReadFormat(std::uint32_t size) {
    TFormatArea format;
    FFile.ReadExact(format.Bytes.data(), std::min(size, FormatAreaSize));
    NoteFormat(format, size);
    FLog.AppendLine("wFormatTag " + std::to_string(format.FormatTag()));
    FLog.AppendLine("wChannels " + std::to_string(format.Channels()));
    FLog.AppendLine("wSamplesPerSec " + std::to_string(format.SamplesPerSec()));
    FLog.AppendLine("wBlockAlign " + std::to_string(format.BlockAlign()));
    FLog.AppendLine("wBitsPerSample " + std::to_string(format.BitsPerSample()));
    if (size > FormatAreaSize)
      SkipFormatRest(size);
    if (size >= FormatAreaSize)
      FLog.AppendLine("wcbSize " + std::to_string(format.ExtensionSize()));
    SkipPadByte(size);
    return format;
  }

  void NoteFormat(const TFormatArea& format, std::uint32_t size) {
    TFormatDetails& details = FDetails.Format;
    details.Present = true;
    details.FormatTag = static_cast<std::uint16_t>(format.FormatTag());
    details.Channels = format.Channels();
    details.SamplesPerSec = format.SamplesPerSec();
    details.BlockAlign = format.BlockAlign();
    details.BitsPerSample = format.BitsPerSample();
    details.BodySize = size;
    details.ExtensionSize = format.ExtensionSize();
    details.ValidBits = format.ValidBits();
  }

  // The rest of the body is skipped as before, except that an extensible chunk's sub-format is
  // read on the way; a body cut short by the file's end still only ends the next header read.
  void SkipFormatRest(std::uint32_t size) {
    std::int64_t skip = size - FormatAreaSize;
    if (size >= ExtensibleSize) {
      std::array<std::uint8_t, ExtensibleSize - FormatAreaSize> extension{};
      const std::int64_t got = FFile.Read(extension.data(), static_cast<std::int64_t>(extension.size()));
      if (got == static_cast<std::int64_t>(extension.size())) {
        FDetails.Format.HasSubFormat = true;
        std::copy(extension.begin() + (SubFormatAt - FormatAreaSize), extension.end(),
                  FDetails.Format.SubFormat.begin());
      }
      skip -= got;
    }
    FFile.Seek(skip);
  }

  // Here the identifier is logged before its size is read, and a chunk too large to skip ends
  // the read just as it does in the first walk. A data chunk that large is what a writer that
  // cannot seek back leaves: its data runs to the end of the file.
  bool WalkToData(std::uint32_t& size) {
    size = 0;
    for (;;) {
      FFile.Seek(size);
      SkipPadByte(size);
      const std::string id = ReadId();
      FLog.AppendLine(id);
      size = ReadSize();
      if (size > MaxChunkSize && id != "data") {
        NoteLargeChunk(id, size);
        return false;
      }
      FLog.AppendLine("chankSize " + std::to_string(size));
      if (id == "data")
        return true;
    }
  }

  // What a range read, [From, Reached), and where it stopped before its end: the file ended at
  // At, or what ran on the block at At threw.
  struct TRangeEnd {
    std::int64_t From = 0;
    std::int64_t Reached = 0;
    std::int64_t At = std::numeric_limits<std::int64_t>::max();
    std::exception_ptr Error;
  };

  static constexpr std::int64_t Block = std::int64_t(1) << 20;
  // A quarter block: as fast as a whole one, and a quarter of the memory the threads add.
  static constexpr std::int64_t StagingBytes = Block / 4;

  // Count bytes of the file at `offset` to `to` through the staging buffer, a piece at a time;
  // fewer only where the file ends.
  std::int64_t ReadStaged(std::byte* to, std::byte* staging, std::int64_t count, std::int64_t offset) const {
    std::int64_t done = 0;
    while (done < count) {
      const std::int64_t asked = std::min(StagingBytes, count - done);
      const std::int64_t n = FFile.ReadAt(staging, asked, offset + done);
      std::memcpy(to + done, staging, std::size_t(n));
      done += n;
      if (n < asked)
        break;
    }
    return done;
  }

  // Bytes [from, to) of the data chunk that starts at `start` in the file, a block at a time,
  // each block's pages had in one go and the block reported while it is in this thread's cache;
  // `arrived` counts the bytes in for the waiting thread, which only shows it. The file is read
  // through the range's own staging buffer and copied from there: on these machines
  // fresh pages the kernel writes into cost about twice what the same pages cost when the
  // program writes them, and the copy leaves the block in the cache for the summary.
  void ReadRange(files::TMemoryStream& data, std::byte* staging, std::int64_t start, int range,
                 std::int64_t from, std::int64_t to, TRangeEnd& end,
                 std::atomic<std::int64_t>& arrived) const noexcept {
    end.From = end.Reached = from;
    for (std::int64_t at = from; at < to; at += Block) {
      const std::int64_t asked = std::min(Block, to - at);
      std::int64_t n = 0;
      try {
        data.Populate(at, asked);
        n = ReadStaged(data.Memory() + at, staging, asked, start + at);
        end.Reached = at + n;
        arrived.fetch_add(n, std::memory_order_relaxed);
        if (FProgress)
          FProgress->DataRead(range, from, at + n);
      } catch (...) {
        end.At = at;
        end.Error = std::current_exception();
        return;
      }
      if (n < asked) {
        end.At = at + n;
        return;
      }
    }
  }

  // The stream is sized to what the file can still supply, never to a larger declared size, so
  // a short file can neither make us allocate gigabytes nor leave unread bytes in the stream.
  // A data size above MaxChunkSize never equals what is read, so such a read is a read error.
  // Straight into the stream's memory, in ranges of whole blocks read side by side; the range
  // that stopped first decides as if one thread had read them all in order: its short read
  // ends the data there, what it threw ends the read.
  std::int64_t ReadInBlocks(files::TMemoryStream& data, std::int64_t wanted) {
    const std::int64_t start = FFile.Position();
    const std::int64_t blocks = (wanted + Block - 1) / Block;
    const int ranges =
        int(std::clamp<std::int64_t>(blocks, 1, FThreads > 0 ? FThreads : LoadThreads(wanted)));
    if (FProgress)
      FProgress->DataStart(data.Memory(), wanted, ranges);
    std::vector<TRangeEnd> ends(static_cast<std::size_t>(ranges));
    const auto staging = std::make_unique_for_overwrite<std::byte[]>(std::size_t(ranges * StagingBytes));
    std::atomic<std::int64_t> arrived{0};
    std::function<void()> waiting;
    if (FProgress)
      waiting = [&] { FProgress->DataWaiting(arrived.load(std::memory_order_relaxed), wanted); };
    RunSideBySide(
        ranges,
        [&](int k) {
          const std::int64_t from = blocks * k / ranges * Block;
          const std::int64_t to = std::min(wanted, blocks * (k + 1) / ranges * Block);
          ReadRange(data, staging.get() + std::size_t(k * StagingBytes), start, k, from, to,
                    ends[std::size_t(k)], arrived);
        },
        waiting);
    const TRangeEnd& first = *std::min_element(
        ends.begin(), ends.end(), [](const TRangeEnd& a, const TRangeEnd& b) { return a.At < b.At; });
    if (first.Error) {
      // The stream keeps what a read in order leaves: nothing past the failing block.
      const std::int64_t reachable = std::min(wanted, first.At + Block);
      bool undone = false;
      for (const TRangeEnd& end : ends) {
        if (end.Reached <= reachable)
          continue;
        std::fill(data.Memory() + std::max(end.From, reachable), data.Memory() + end.Reached, std::byte{0});
        undone = true;
      }
      if (undone && FProgress)
        FProgress->DataStart(data.Memory(), wanted, 1);
      std::rethrow_exception(first.Error);
    }
    const std::int64_t got = std::min(first.At, wanted);
    FFile.Seek(got);
    return got;
  }

  TWaveStatus LoadData(std::uint32_t size, const TFormatArea& format) {
    FDetails.Stage = TReadStage::Data;
    FInfo.BytesPerSec = format.AvgBytesPerSec();
    FInfo.BitsPerSample = format.BitsPerSample();
    FInfo.Channels = format.Channels();
    const std::int64_t remaining = std::max<std::int64_t>(0, FFile.Size() - FFile.Position());
    const std::int64_t wanted = std::min<std::int64_t>(std::min(size, MaxChunkSize), remaining);
    FDetails.DataBytes = wanted;
    FDetails.Streamed = size > MaxChunkSize;
    FInfo.Data = std::make_unique<files::TMemoryStream>(FMemory);
    FInfo.Data->SetSize(wanted);
    const std::int64_t got = ReadInBlocks(*FInfo.Data, wanted);
    if (got < wanted)
      FInfo.Data->SetSize(got);
    FDetails.BytesAfterData = remaining - got;
    if (!FDetails.Streamed)
      FDetails.MissingBytes = size - got;
    return got == size ? wsLoaded : wsReadError;
  }
};

// Clears the record, runs one read and turns whatever it throws into a read error; the
// closing line follows a load or a read error.
template <class TRead>
void ReadGuarded(TWaveInfo& Info, TWaveLog& Log, TReadDetails& Details, const TRead& read) noexcept {
  Info.Status = wsLoaded;
  Info.BytesPerSec = 0;
  Info.BitsPerSample = 0;
  Info.Channels = 0;
  Info.Data.reset();
  Details = {};
  try {
    Info.Status = read();
  } catch (const std::bad_alloc&) {
    Info.Status = wsReadError;
    Details.OutOfMemory = true;
  } catch (...) {
    Info.Status = wsReadError;
  }
  if (Info.Status != wsLoaded && Info.Status != wsReadError)
    return;
  // The closing line must not break the promise never to throw, whatever the log does.
  try {
    Log.AppendLine("O\"k ");
  } catch (...) {
  }
}

TOpenFailure OpenFailureOf(int SystemError) {
  switch (SystemError) {
  case ENOENT:
  case ENOTDIR:
    return TOpenFailure::NoSuchFile;
  case EACCES:
  case EPERM:
    return TOpenFailure::PermissionDenied;
  case EISDIR:
    return TOpenFailure::Folder;
  default:
    return TOpenFailure::Other;
  }
}

} // namespace

void ReadWaveFile(files::TByteSource& Source, TWaveInfo& Info, TWaveLog& Log, TReadDetails& Details,
                  pages::TPageMemory& Memory, TDataProgress* Progress, int Threads) noexcept {
  ReadGuarded(Info, Log, Details,
              [&] { return TWaveFileReader(Source, Info, Log, Details, Memory, Progress, Threads).Run(); });
}

// A file that cannot be opened is a read error like any other, so the opening runs guarded too.
void ReadWaveFile(const std::string& FileName, TWaveInfo& Info, TWaveLog& Log, TReadDetails& Details,
                  pages::TPageMemory& Memory, TDataProgress* Progress, int Threads) noexcept {
  ReadGuarded(Info, Log, Details, [&] {
    std::optional<files::TReadOnlyFile> file;
    try {
      file.emplace(FileName);
    } catch (const files::EFileError& error) {
      Details.OpenFailure = OpenFailureOf(error.SystemError());
      throw;
    }
    return TWaveFileReader(*file, Info, Log, Details, Memory, Progress, Threads).Run();
  });
}

} // namespace reader
