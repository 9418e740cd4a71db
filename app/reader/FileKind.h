// What a file that is no RIFF/WAVE file is, as far as its first bytes tell: the formats a user
// is likely to pick by mistake for a WAVE file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/reader/ReadDetails.h"

namespace reader {

// The first bytes of the file, as many as it holds up to this count.
inline constexpr std::size_t FileKindBytes = 16;

// Kind of a file whose first four bytes are not "RIFF".
TFileKind KindOfFirstBytes(const std::uint8_t* Bytes, std::size_t Count);

} // namespace reader
