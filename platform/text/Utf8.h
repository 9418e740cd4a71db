// Decoding UTF-8 text into code points; malformed bytes become U+FFFD instead of being dropped
// or read past the end.
#pragma once

#include <string>
#include <string_view>

namespace text {

std::u32string DecodeUtf8(std::string_view utf8);

} // namespace text
