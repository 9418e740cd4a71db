// libFuzzer entry point: feeds each input to the real reader as an in-memory byte source and
// checks that what comes back could only have come from that input.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/reader/ReadWaveFile.h"
#include "app/reader/SampleCoding.h"
#include "fuzz/FuzzCheck.h"
#include "platform/files/MemorySource.h"

namespace {

using fuzzcheck::Check;

class TListLog : public reader::TWaveLog {
public:
  std::vector<std::string> Lines;
  void AppendLine(const std::string& line) override { Lines.push_back(line); }
};

// Plain decimal: no leading zero or plus sign, a minus only where the field is signed.
bool IsDecimal(std::string_view text, bool isSigned, long long low, long long high) {
  const bool negative = isSigned && text.starts_with('-');
  if (negative)
    text.remove_prefix(1);
  if (text.empty() || text.size() > 10 || (text.size() > 1 && text.front() == '0'))
    return false;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9')
      return false;
    value = value * 10 + (c - '0');
  }
  if (negative)
    value = value == 0 ? low - 1 : -value;
  return value >= low && value <= high;
}

bool IsKnownLine(const std::string& line) {
  struct TNumbered {
    std::string_view Prefix;
    bool Signed;
    long long Low, High;
  };
  static const TNumbered numbered[] = {
      {"FileSize ", false, 0, 0xFFFFFFFF},       {"chankSize ", false, 0, 0xFFFFFFFF},
      {"wFormatTag ", true, -32768, 32767},      {"wChannels ", false, 0, 0xFFFF},
      {"wSamplesPerSec ", false, 0, 0xFFFFFFFF}, {"wBlockAlign ", false, 0, 0xFFFF},
      {"wBitsPerSample ", false, 0, 0xFFFF},     {"wcbSize ", false, 0, 0xFFFF},
  };
  for (const auto& n : numbered)
    if (line.starts_with(n.Prefix) &&
        IsDecimal(std::string_view(line).substr(n.Prefix.size()), n.Signed, n.Low, n.High))
      return true;
  // Anything else is an identifier: up to four bytes, cut at the first zero byte.
  return line == "O\"k " || (line.size() <= 4 && line.find('\0') == std::string::npos);
}

// A size above 0x7FFFFFFF is logged only for the data chunk the second walk ends on, which the
// closing line of a read error follows.
void CheckLargeSizes(reader::TWaveStatus status, const std::vector<std::string>& log) {
  for (std::size_t i = 0; i < log.size(); ++i) {
    const bool large =
        log[i].starts_with("chankSize ") && log[i].size() == 20 && log[i] > "chankSize 2147483647";
    if (large)
      Check(status == reader::TWaveStatus::wsReadError && i > 0 && log[i - 1] == "data" &&
                i + 2 == log.size(),
            "large size not for the data");
  }
}

void CheckDetails(std::size_t size, const reader::TWaveInfo& info, const reader::TReadDetails& details) {
  Check(details.DataBytes >= 0 && details.DataBytes <= static_cast<std::int64_t>(size), "data bytes");
  Check(details.MissingBytes >= 0 && details.BytesAfterData >= 0, "missing or following bytes");
  Check(info.Data == nullptr || details.Stage == reader::TReadStage::Data, "stream before the data chunk");
  Check(info.Status != reader::TWaveStatus::wsNotWave || details.Kind != reader::TFileKind::Wave,
        "status 5 names no kind");
  Check(!details.Streamed || info.Status == reader::TWaveStatus::wsReadError,
        "streamed data is a read error");
}

// Whatever the format chunk says, a layout is decoded with whole frames of its channels' samples,
// or it says why not.
void CheckLayout(const reader::TFormatDetails& format) {
  const reader::TRecordedLayout layout = reader::RecordedLayout(format);
  Check(layout.Decoded == layout.Why.empty(), "a layout not decoded says why");
  const unsigned sampleBytes = (layout.BitsPerSample + 7u) / 8u;
  Check(!layout.Decoded || (layout.Channels > 0 && sampleBytes > 0 && sampleBytes <= 8 &&
                            layout.BlockAlign == layout.Channels * sampleBytes),
        "decoded frames hold whole samples");
}

void CheckResult(const std::uint8_t* data, std::size_t size, const reader::TWaveInfo& info,
                 const std::vector<std::string>& log) {
  using enum reader::TWaveStatus;
  const reader::TWaveStatus status = info.Status;
  CheckLargeSizes(status, log);
  Check(status == wsLoaded || status == wsReadError || status == wsDataBeforeFormat ||
            status == wsChunkTooLarge || status == wsNotWave,
        "status");
  for (const auto& line : log)
    Check(IsKnownLine(line), "unknown log line");
  // An identifier may spell the closing line too, so each status is checked by its own last line.
  const std::string last = log.empty() ? std::string() : log.back();
  if (status == wsLoaded || status == wsReadError)
    Check(last == "O\"k ", "closing line after a load or a read error");
  if (status == wsDataBeforeFormat)
    Check(last.starts_with("chankSize "), "status 2 ends on the data chunk's size");
  if (status == wsChunkTooLarge)
    Check(log.size() >= 4, "status 3 ends on an identifier after the header");
  if (status == wsNotWave)
    Check(log.empty() || log.size() == 3, "status 5 logs nothing or the header");
  if (status == wsLoaded)
    Check(info.Data != nullptr, "a loaded file has a stream");
  if (info.Data == nullptr) {
    Check(info.BytesPerSec == 0 && info.BitsPerSample == 0 && info.Channels == 0,
          "format fields without a stream");
    return;
  }
  Check(status == wsLoaded || status == wsReadError, "stream with a rejection status");
  const auto dataSize = static_cast<std::size_t>(info.Data->Size());
  Check(dataSize <= size, "stream larger than the input");
  Check(info.Data->Position() == 0, "stream position");
  // Every byte handed back must have been read from the input, in one piece.
  Check(dataSize == 0 || ::memmem(data, size, info.Data->Memory(), dataSize) != nullptr,
        "stream bytes not found in the input");
  if (status == wsLoaded)
    Check(log.size() >= 3 && log[log.size() - 2] == "chankSize " + std::to_string(dataSize),
          "loaded stream size differs from the data chunk's size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  files::TMemorySource source(data, size);
  reader::TWaveInfo info;
  TListLog log;
  reader::TReadDetails details;
  reader::ReadWaveFile(source, info, log, details);
  CheckResult(data, size, info, log.Lines);
  CheckDetails(size, info, details);
  CheckLayout(details.Format);
  return 0;
}
