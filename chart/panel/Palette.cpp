#include "chart/panel/Palette.h"

#include "chart/series/ChartSeries.h"
#include "chart/panel/CustomChart.h"

#include <array>
#include <utility>

namespace chart {

namespace {

constexpr TColor DefaultPalette[] = {0x0000FFu, 0x008000u, 0x00FFFFu, 0xFF0000u, 0xFFFFFFu,
                                     0x808080u, 0xFF00FFu, 0x808000u, 0x800000u, 0x000080u,
                                     0x00FF00u, 0x008080u, 0x800080u, 0xC0C0C0u, 0xFFFF00u,
                                     0x000000u, 0xC0DCC0u, 0xF0CAA6u, 0xF0FBFFu, 0xA4A0A0u};

constexpr TColor Palette1[] = {0xFF9999u, 0x663399u, 0xCCFFFFu, 0xFFFFCCu, 0x660066u, 0x8080FFu,
                               0xCC6600u, 0xFFCCCCu, 0x800000u, 0xFF00FFu, 0x00FFFFu, 0xFFFF00u,
                               0x800080u, 0x000080u, 0x808000u, 0xFF0000u, 0xFFCC00u, 0xFFFFCCu,
                               0xCCFFCCu, 0x00FFFFu, 0xFFCC99u, 0xCC99FFu};
constexpr TColor Palette2[] = {0xA1A55Du, 0x3153C4u, 0x0996E7u, 0x4AE8F6u, 0xA7A2B1u, 0x84A7C9u,
                               0x51798Cu, 0xB7CDD8u, 0x536508u, 0x7BD8F7u, 0x846401u};
constexpr TColor Palette3[] = {0xFFFFCCu, 0xCCFFFFu, 0xFFCCCCu, 0xCCCC00u, 0xCCCCCCu, 0x999900u, 0x999999u,
                               0xCCCCFFu, 0x66CCFFu, 0xFFCCCCu, 0x9999FFu, 0x99FFFFu, 0xFFCC99u, 0xCCFFCCu};
constexpr TColor Palette4[] = {0xFF0000u, 0x0000FFu, 0x00FF00u, 0x00CCFFu,
                               0x404040u, 0x00FFFFu, 0xC000FFu, 0xFFFFFFu};
constexpr TColor Palette5[] = {0xFF0000u, 0x00FF00u, 0xFFFF00u, 0x0000FFu, 0xFF00FFu, 0x00FFFFu,
                               0x800000u, 0x008000u, 0x808000u, 0x000080u, 0x800080u, 0x008080u};
constexpr TColor Palette6[] = {0x00A5FFu, 0xCE0000u, 0x00CE00u, 0x40FFFFu, 0xFFFF40u,
                               0xFF40FFu, 0x0040FFu, 0xA58080u, 0x408080u};
constexpr TColor Palette7[] = {0x6699FFu, 0x6666FFu, 0xFFCC99u, 0x669966u, 0x99CCCCu, 0xCC6699u, 0x6666CCu,
                               0x99CCFFu, 0xFF6699u, 0xCCCCCCu, 0xCCFF66u, 0xFF9966u, 0x996699u, 0xFFCCCCu};
constexpr TColor Palette8[] = {0x000099u, 0x0000C3u, 0x0000EEu, 0x001AFFu, 0x0046FFu, 0x0073FFu, 0x009FFFu,
                               0x00CBFFu, 0x00F7FFu, 0x08F4E3u, 0x11E7C3u, 0x1BDAA3u, 0x25CD83u, 0x2EC063u,
                               0x38B342u, 0x42A622u, 0x4B9A02u, 0x6A870Cu, 0x8A751Au, 0xAA6328u, 0xCB5036u,
                               0xEB3E44u, 0xFF2A61u, 0xFF1596u, 0xFF00CCu};
constexpr TColor Palette9[] = {0xFE9B82u, 0x24D1FCu, 0x0DBC7Cu, 0x2F85FDu, 0xFCFEFDu, 0x214EE2u, 0xD63829u,
                               0x0094B7u, 0x00865Au, 0x0046D2u, 0xFAE5D3u, 0xD8D8D8u, 0x7B715Fu};
constexpr TColor Palette10[] = {0xFFFFFFu, 0x05F3FCu, 0x0264FFu, 0x0608DDu, 0x8408F2u, 0xA50046u,
                                0xD40000u, 0xEAAB02u, 0x14B71Fu, 0x116400u, 0x052C56u, 0x3A7190u,
                                0xC0C0C0u, 0x808080u, 0x404040u, 0x000000u};
constexpr TColor Palette11[] = {0xD21F00u, 0x0102E0u, 0x02661Eu, 0x7ECDE8u, 0xACABAFu,
                                0xD9D0A4u, 0x3C3B3Du, 0x31DD95u, 0x01009Eu, 0x74F7DCu,
                                0xFDFD45u, 0x748ED1u, 0x91D8A0u, 0x657AD5u, 0xD99596u};
constexpr TColor Palette12[] = {0xF0F0F0u, 0xE0E0E0u, 0xD0D0D0u, 0xC0C0C0u, 0xB0B0B0u,
                                0xA0A0A0u, 0x909090u, 0x808080u, 0x707070u, 0x606060u,
                                0x505050u, 0x404040u, 0x303030u, 0x202020u, 0x101010u};
constexpr TColor Palette13[] = {0xA36644u, 0x359CF3u, 0x144CF1u, 0xA8974Eu, 0x6B402Bu, 0x637B1Du,
                                0x0E08B3u, 0x5DC0F2u, 0x9EB75Du, 0x707070u, 0x8DEAF3u, 0xB4B4B4u};
constexpr TColor Palette14[] = {0x8DEAF3u, 0x5DC0F2u, 0x359CF3u, 0x1C81F5u,
                                0x156BF3u, 0x144CF1u, 0x0A18E6u, 0x0E08B3u};
constexpr TColor Palette15[] = {0x6B402Bu, 0x8C543Bu, 0xA36644u, 0xA8974Eu,
                                0x9EB75Du, 0x8AA041u, 0x7D922Bu, 0x637B1Du};
constexpr TColor Palette16[] = {0x5AE6C8u, 0xDC965Au, 0x285AE6u, 0x0FA0E6u};
constexpr TColor Palette17[] = {0xFF00A2u, 0x9700FFu, 0xA9AB00u, 0x26BF8Cu, 0x0050A0u,
                                0xB871E6u, 0x0996F0u, 0xE2A11Bu, 0x0014E5u, 0x339933u};

constexpr std::array<std::span<const TColor>, 18> PaletteTables = {std::span<const TColor>(),
                                                                   Palette1,
                                                                   Palette2,
                                                                   Palette3,
                                                                   Palette4,
                                                                   Palette5,
                                                                   Palette6,
                                                                   Palette7,
                                                                   Palette8,
                                                                   Palette9,
                                                                   Palette10,
                                                                   Palette11,
                                                                   Palette12,
                                                                   Palette13,
                                                                   Palette14,
                                                                   Palette15,
                                                                   Palette16,
                                                                   Palette17};

TDefaultPaletteReader& DefaultPaletteReader() {
  static TDefaultPaletteReader reader;
  return reader;
}

} // namespace

std::span<const TColor> DefaultColorPalette() { return DefaultPalette; }

std::span<const TColor> ColorPaletteTable(int index) {
  if (index < 0 || index >= int(PaletteTables.size()))
    return {};
  return PaletteTables[std::size_t(index)];
}

void SetDefaultPaletteReader(TDefaultPaletteReader reader) { DefaultPaletteReader() = std::move(reader); }

std::span<const TColor> PaletteInForce(int paletteIndex) {
  const std::span<const TColor> table = ColorPaletteTable(paletteIndex);
  return table.empty() ? DefaultColorPalette() : table;
}

int DefaultPaletteIndex() {
  const TDefaultPaletteReader& reader = DefaultPaletteReader();
  return reader ? reader().value_or(StandardPaletteIndex) : StandardPaletteIndex;
}

TColor PaletteColor(int paletteIndex, int index) {
  const std::span<const TColor> palette = PaletteInForce(paletteIndex);
  const int length = int(palette.size());
  return palette[std::size_t((index % length + length) % length)];
}

bool IsFreeSeriesColor(const TCustomChart& chart, TColor color, bool checkBackground,
                       const TChartSeries* exclude) {
  for (int i = 0; i < chart.SeriesCount(); ++i) {
    const TChartSeries& series = chart.Series(i);
    if (&series != exclude && series.Color() == color)
      return false;
  }
  return !(checkBackground && (color == chart.Color() || color == chart.BackWallColor()));
}

TColor FindFreeSeriesColor(const TCustomChart& chart, int paletteIndex, bool checkBackground,
                           const TChartSeries* exclude) {
  const std::span<const TColor> palette = PaletteInForce(paletteIndex);
  for (const TColor color : palette.first(palette.size() - 1))
    if (IsFreeSeriesColor(chart, color, checkBackground, exclude))
      return color;
  return palette.back();
}

void AssignSeriesColor(TChartSeries& series, TColor color) {
  series.FAssignedColor = color;
  series.ApplySeriesColor(series.Color());
}

void ReassignSeriesColors(TCustomChart& chart, int paletteIndex) {
  for (int i = 0; i < chart.SeriesCount(); ++i) {
    TChartSeries& series = chart.Series(i);
    if (series.SeriesColor() == DefaultSeriesColor)
      AssignSeriesColor(series, FindFreeSeriesColor(chart, paletteIndex, true, &series));
  }
}

} // namespace chart
