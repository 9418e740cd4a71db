// waveview-bench: loads a wave file through the real main window off screen and prints what it
// shows and how long each step took, as one JSON object.
#include "bench/BenchOptions.h"
#include "bench/BenchRun.h"
#include "chart/series/SeriesShortcut.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
  const auto options = bench::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!options) {
    std::cerr << bench::Usage << '\n';
    return 2;
  }
  // WAVEVIEW_PLAIN_SERIES=1 draws every series point by point, to compare with the shortcut.
  if (const char* plain = std::getenv("WAVEVIEW_PLAIN_SERIES"))
    chart::SetPlainSeriesDrawing(std::strcmp(plain, "1") == 0);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  ui::TApplication application(qtArgc, argv);
  // Nobody is there to close a message box: its text goes to the error output instead.
  ui::SetMessageBoxFunc([](const std::string& text, ui::TMessageKind) { std::cerr << text << '\n'; });
  std::cout << bench::ResultJson(bench::RunBenchmark(*options)) << std::endl;
  return 0;
}
