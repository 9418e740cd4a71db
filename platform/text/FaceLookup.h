// Finding a font file for a family name through fontconfig, with its own fallbacks, so that any
// family name (installed or not) ends on some face when the machine has one at all.
#pragma once

#include <string>
#include <string_view>

namespace text {

struct TFaceChoice {
  std::string File; // empty when no face was found
  int Index = 0;
  // What the chosen face really is; a bold or italic request on a regular face is synthesised.
  bool IsBold = false;
  bool IsItalic = false;
};

TFaceChoice FindFace(std::string_view family, bool bold, bool italic);

} // namespace text
