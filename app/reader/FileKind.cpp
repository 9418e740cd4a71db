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
  return TFileKind::NotRiff;
}

} // namespace reader
