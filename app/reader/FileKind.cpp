#include "app/reader/FileKind.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace reader {

namespace {

// Sony Wave64 starts with the GUID of its "riff" chunk in place of the RIFF identifier.
constexpr std::array<std::uint8_t, 16> Wave64Riff = {0x72, 0x69, 0x66, 0x66, 0x2E, 0x91, 0xCF, 0x11,
                                                     0xA5, 0xD6, 0x28, 0xDB, 0x04, 0xC1, 0x00, 0x00};

bool Holds(const std::uint8_t* Bytes, std::size_t Count, std::size_t At, const char* Text) {
  const std::size_t length = std::strlen(Text);
  return At + length <= Count && std::memcmp(Bytes + At, Text, length) == 0;
}

// An MPEG audio frame begins with 11 set sync bits; the two layer bits after the version's are
// never both clear.
bool MpegAudioFrame(const std::uint8_t* Bytes, std::size_t Count) {
  return Count >= 2 && Bytes[0] == 0xFF && (Bytes[1] & 0xE0) == 0xE0 && (Bytes[1] & 0x06) != 0;
}

} // namespace

TFileKind KindOfFirstBytes(const std::uint8_t* Bytes, std::size_t Count) {
  if (Count >= Wave64Riff.size() && std::equal(Wave64Riff.begin(), Wave64Riff.end(), Bytes))
    return TFileKind::Wave64;
  if (Holds(Bytes, Count, 0, "RF64"))
    return TFileKind::Rf64;
  if (Holds(Bytes, Count, 0, "BW64"))
    return TFileKind::Bw64;
  if (Holds(Bytes, Count, 0, "RIFX"))
    return TFileKind::Rifx;
  if (Holds(Bytes, Count, 0, "FORM") && Holds(Bytes, Count, 8, "AIFF"))
    return TFileKind::Aiff;
  if (Holds(Bytes, Count, 0, "FORM") && Holds(Bytes, Count, 8, "AIFC"))
    return TFileKind::Aifc;
  if (Holds(Bytes, Count, 0, "fLaC"))
    return TFileKind::Flac;
  if (Holds(Bytes, Count, 0, "OggS"))
    return TFileKind::Ogg;
  if (Holds(Bytes, Count, 0, "ID3") || MpegAudioFrame(Bytes, Count))
    return TFileKind::Mp3;
  if (Holds(Bytes, Count, 4, "ftyp"))
    return TFileKind::Mp4;
  if (Holds(Bytes, Count, 0, "caff"))
    return TFileKind::Caf;
  return TFileKind::NotRiff;
}

} // namespace reader
