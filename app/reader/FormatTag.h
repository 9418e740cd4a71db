// What the format chunk's format tag says about how the samples are coded, and the words for it;
// an extensible chunk's sub-format stands for the tag when it names one.
#pragma once

#include <cstdint>
#include <string>

#include "app/reader/ReadDetails.h"

namespace reader {

inline constexpr std::uint16_t TagPcm = 1;
inline constexpr std::uint16_t TagFloat = 3;
inline constexpr std::uint16_t TagALaw = 6;
inline constexpr std::uint16_t TagMuLaw = 7;
inline constexpr std::uint16_t TagExtensible = 0xFFFE;

// The tag that says how the samples are coded: an extensible chunk's sub-format stands for it,
// and one that names no tag (or is missing) gives TagExtensible, no known coding.
std::uint16_t CodingTag(const TFormatDetails& Format);

// Integer, floating-point, A-law or µ-law: each sample coded on its own, as CodingWords names it.
bool IsSampleCoding(std::uint16_t Tag);

// "integer", "floating-point", "A-law", "µ-law", or "compressed" for any other tag.
std::string CodingWords(std::uint16_t Tag);

// " (format tag 0x0011)" for a plain tag CodingWords does not name, to look it up by; else empty.
std::string TagNote(std::uint16_t Tag);

// A coding that is no sample coding: by its name when it is a common one, with the bits when
// the chunk gives them ("4-bit IMA ADPCM", "GSM 6.10"), else by its tag ("format tag 0x1234").
std::string CompressedCodingName(std::uint16_t Tag, std::uint16_t Bits);

} // namespace reader
