#include "platform/text/Utf8.h"

namespace text {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Length of the sequence a lead byte starts, and the bits it carries; 0 for a stray byte.
int SequenceLength(unsigned char lead, char32_t& bits) {
  if (lead < 0x80) {
    bits = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead < 0xE0) {
    bits = lead & 0x1Fu;
    return 2;
  }
  if (lead >= 0xE0 && lead < 0xF0) {
    bits = lead & 0x0Fu;
    return 3;
  }
  if (lead >= 0xF0 && lead < 0xF5) {
    bits = lead & 0x07u;
    return 4;
  }
  return 0;
}

} // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const int len = SequenceLength(static_cast<unsigned char>(utf8[i]), cp);
    if (len == 0 || i + std::size_t(len) > utf8.size()) {
      out.push_back(Replacement);
      ++i;
      continue;
    }
    int k = 1;
    for (; k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + std::size_t(k)]);
      if ((c & 0xC0) != 0x80)
        break;
      cp = (cp << 6) | (c & 0x3Fu);
    }
    const char32_t minimum = len == 3 ? 0x800 : len == 4 ? 0x10000 : 0;
    const bool valid = k == len && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    out.push_back(valid ? cp : Replacement);
    i += valid ? std::size_t(len) : std::size_t(k);
  }
  return out;
}

} // namespace text
