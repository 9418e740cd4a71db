// Numbers in the texts for people: long ones grouped by thousands, counts with their noun.
#pragma once

#include <cstdint>
#include <string>

namespace reader {

// 400000000 as "400,000,000".
std::string GroupThousands(std::int64_t value);

// 1 as "1 channel", 65535 as "65,535 channels": Noun gets an "s" unless the count is 1.
std::string CountOf(std::int64_t Count, const std::string& Noun);

// A sample width and the space after it: 24 as "24-bit ".
std::string BitsWide(std::uint16_t Bits);

} // namespace reader
