// The main window: the command panel with the log box on the left, the two charts on the right,
// and the handlers of the "ReadWF" and " SaveASCII File" buttons.
#pragma once

#include "app/OpenDialog.h"
#include "app/WorkProgressBar.h"
#include "app/core/Reading.h"
#include "app/core/SampleStore.h"
#include "app/reader/WaveInfo.h"
#include "platform/memory/PageMemory.h"

#include <QWidget>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace reader {
struct TReadDetails;
struct TWaveInfo;
} // namespace reader
class QCheckBox;
class QFrame;
class QLabel;
class QSpinBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace chart {
class TFastLineSeries;
class TLineSeries;
} // namespace chart

namespace ui {
class TChartWidget;
} // namespace ui

namespace app {

class TChannelLoader;
class TChartLink;
struct TReadoutSource;

// What the reader said about the last file, and how long it took; only the benchmark reads it.
struct TReadReport {
  reader::TWaveStatus Status = reader::TWaveStatus::wsLoaded;
  std::chrono::nanoseconds Duration{0};
  // The notice label told the user that the format chunk is not 2-channel 16-bit PCM.
  bool FormatNotice = false;
};

class TForm1 final : public QWidget {
  Q_OBJECT
public:
  explicit TForm1(TSampleStore& Store, QWidget* parent = nullptr);
  ~TForm1() override;

  QFrame* Panel1 = nullptr;
  QPushButton* SpeedButton1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  TOpenDialog OpenDialog1;
  QFrame* Panel2 = nullptr;
  ui::TChartWidget* Chart1 = nullptr;
  chart::TFastLineSeries* Series1 = nullptr;
  ui::TChartWidget* Chart2 = nullptr;
  chart::TLineSeries* Series2 = nullptr;
  // In the free strip of Panel1 below Memo1: says, until the next load, why a file did not load
  // or not all of it, and when its sound is not what the charts draw. Hidden when it has nothing
  // to say.
  QLabel* NoticeLabel = nullptr;
  // In the strip above "ReadWF": the file shown and what the charts show of it, the choice of
  // reading, and the channel of each chart.
  QLabel* InfoLabel = nullptr;
  QCheckBox* AsRecordedBox = nullptr;
  QSpinBox* UpperChannelBox = nullptr;
  QSpinBox* LowerChannelBox = nullptr;
  // Just above "ReadWF": zooms and scrolls the frames of both charts together; kept for the next
  // run.
  QCheckBox* BothChartsBox = nullptr;
  // Between " SaveASCII File" and BitBtn1: the frames, time and values under the mouse while it
  // is on a chart's plotting rectangle; empty otherwise.
  QLabel* ReadoutLabel = nullptr;
  // Left of BitBtn1: how far a load or an export has come, while one runs longer than a moment.
  QProgressBar* ProgressBar = nullptr;

  void Button1Click();
  void SpeedButton1Click();
  // Loads FileName as if it had been chosen in OpenDialog1 after pressing "ReadWF"; the dialog
  // then starts from it. Used for a file named on the command line or dropped on the window.
  void OpenWaveFile(const std::string& FileName);

  TSampleStore& Store() const { return FStore; }
  // The notice as plain text; empty when it is hidden.
  const std::string& NoticeText() const { return FNoticeText; }
  // The channels of the upper and lower chart, from 1 (0: none), for the next loads and now.
  void ChooseChannels(int Upper, int Lower);
  const TReadReport& LastRead() const { return FLastRead; }
  // Where the next loads take the memory for the sound data from.
  void SetLoadMemory(pages::TPageMemory& Memory) { FLoadMemory = &Memory; }
  // When the progress of a load or an export shows, and how often it moves.
  void SetProgressPace(TProgressPace Pace) { FProgressPace = Pace; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void CreateCommandPanel();
  // The controls for finding one's way in a recording, created where they come in tab order
  // (after Memo1), and then joined to the charts: keys, the link, the readout.
  void CreateViewControls();
  void ConnectViewControls();
  // What chart 1 or 2 shows, for the readout.
  TReadoutSource ReadoutSource(int Chart) const;
  void ShowReadout(int Chart, int X, int Y);
  // A new recording is shown whole, whatever the last one was zoomed to.
  void ShowWholeRecording();
  // The two charts with their series and property values.
  void CreateCharts();
  void AlignControls();
  void ReadWave(const std::string& FileName, reader::TWaveInfo& Info, reader::TReadDetails& Details,
                TChannelLoader& Loader);
  // The rest of "ReadWF" once the dialog has been answered.
  void LoadChosenFile(bool Confirmed);
  // Returns what the user must be told about the load in a message box, if anything.
  std::string ReadAndLoad(bool Confirmed);
  // Hands the frames to the store and the charts; false when memory runs out.
  bool LoadFrames(TChannelLoader& Loader, files::TMemoryStream& Data);
  void ShowNotice(const reader::TWaveInfo& Info, const reader::TReadDetails& Details, bool Loaded,
                  bool OutOfMemory);
  // A label of plain text for people in Panel1, wrapped, top left.
  QLabel* NewNote(const QRect& Geometry, const QString& Name);
  void CreateReadingControls();
  // What the notice says of the frames shown, in the reading shown.
  std::string ReadingNotice() const;
  void SetNotice(const std::string& Load, const std::string& Reading);
  // The info line and the channel choosers follow the reading shown.
  void ShowReadingInfo();
  void AsRecordedToggled(bool Checked);
  void ChannelPicked();
  // Shows the loaded frames in the reading chosen now.
  void Reshow();

  TSampleStore& FStore;
  TReadReport FLastRead;
  TShowChoice FChoice;
  std::string FLoadNotice;
  std::string FNoticeText;
  std::unique_ptr<TChartLink> FChartLink;
  // The chart the mouse is on (0: none) and where, for a readout that follows a repaint.
  int FReadoutChart = 0;
  int FReadoutX = 0;
  int FReadoutY = 0;
  pages::TPageMemory* FLoadMemory = &pages::SystemPageMemory();
  TProgressPace FProgressPace;
};

// The one main window of the program.
extern TForm1* Form1;

} // namespace app
