// Number texts of axis labels: the picture format ("#,##0.###") with the user's separators, and
// the 15-digit general format the label walk compares values with.
#pragma once

#include <string>
#include <string_view>

namespace chart {

// Label texts break into lines at this character.
inline constexpr char LabelLineSeparator = '\r';

template <class Visit>
void ForEachLabelLine(std::string_view text, Visit visit) {
  for (;;) {
    const auto end = text.find(LabelLineSeparator);
    visit(text.substr(0, end));
    if (end == std::string_view::npos)
      return;
    text.remove_prefix(end + 1);
  }
}

// The user's number separators as UTF-8 text; the window layer sets them from the locale.
struct TLabelSeparators {
  std::string Thousands = ",";
  std::string Decimal = ".";
};

// The separators every axis formats with (one user-interface thread reads and writes them).
TLabelSeparators& LabelSeparators();

// Formats with a picture of '#' and '0' digit placeholders, ',' for thousands grouping in the
// integer part and '.' for the decimal point; text before the first and after the last placeholder
// is kept as it stands. An empty picture, or a value of 1e18 or more, uses the general format.
std::string FormatFloatPicture(const std::string& picture, double value, const TLabelSeparators& separators);

// Shortest text of the value rounded to 15 significant digits ("0.1", "1E20", "-2.5").
std::string GeneralFormat(double value);

} // namespace chart
