#include "platform/text/FaceLookup.h"

#include "platform/text/FontEngine.h"

#include <fontconfig/fontconfig.h>

#include <string>

namespace text {

namespace {

// fontconfig is set up on first use, never at static initialisation; a failure leaves it null and
// text falls back to measuring without a face.
FcConfig* Config() {
  static FcConfig* const config = FcInit() ? FcConfigGetCurrent() : nullptr;
  return config;
}

TFaceChoice Match(const std::string& family, bool bold, bool italic) {
  TFaceChoice choice;
  FcConfig* config = Config();
  if (!config)
    return choice;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern)
    return choice;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match)
    return choice;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
    choice.File = reinterpret_cast<const char*>(file);
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    choice.Index = index;
    choice.IsBold = weight >= FC_WEIGHT_DEMIBOLD;
    choice.IsItalic = slant != FC_SLANT_ROMAN;
  }
  FcPatternDestroy(match);
  return choice;
}

} // namespace

TFaceChoice FindFace(std::string_view family, bool bold, bool italic) {
  TFaceChoice choice = Match(std::string(family), bold, italic);
  if (choice.File.empty())
    choice = Match("sans-serif", bold, italic);
  return choice;
}

std::string ResolveFontFile(std::string_view family, bool bold, bool italic) {
  return FindFace(family, bold, italic).File;
}

} // namespace text
