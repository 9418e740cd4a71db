#include "app/Form1.h"

#include "app/ChartLink.h"
#include "app/StringTable.h"
#include "app/core/AsciiExport.h"
#include "app/core/ChannelLoader.h"
#include "app/core/FormChartsLayout.h"
#include "app/core/ReadMessages.h"
#include "app/core/Readout.h"
#include "app/reader/ReadWaveFile.h"
#include "app/reader/SampleCoding.h"
#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "ui/BusyCursor.h"
#include "ui/ChartWidget.h"
#include "ui/FileDrop.h"
#include "ui/MessageBox.h"
#include "ui/Settings.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace app {

TForm1* Form1 = nullptr;

namespace {

constexpr int Panel1Width = 233;
constexpr int Chart1Height = 296;

// The reader's lines go to the end of the log box, one line each. Identifier lines carry the
// file's raw bytes, which need not be UTF-8: each byte shows as one character, none is lost.
// CR and LF would break the line in two, so they show as their visible symbols.
class TMemoLog final : public reader::TWaveLog {
public:
  explicit TMemoLog(QPlainTextEdit& Memo) : FMemo(Memo) {}
  void AppendLine(const std::string& line) override {
    QString text = QString::fromLatin1(line.data(), qsizetype(line.size()));
    text.replace(QChar(u'\r'), QChar(0x240D)).replace(QChar(u'\n'), QChar(0x240A));
    FMemo.appendPlainText(text);
  }

private:
  QPlainTextEdit& FMemo;
};

QFrame* NewPanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  panel->setFocusPolicy(Qt::NoFocus);
  return panel;
}

QFont WindowFont() {
  // An 11-pixel text height is 8 points at 96 pixels per inch.
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

} // namespace

TForm1::TForm1(TSampleStore& Store, QWidget* parent) : QWidget(parent), OpenDialog1(this), FStore(Store) {
  setWindowTitle(QStringLiteral("Form1"));
  setFont(WindowFont());
  // Created in tab order, so the focus chain needs no rearranging.
  Panel1 = NewPanel(this);
  CreateCommandPanel();
  CreateReadingControls();
  CreateViewControls();
  Panel2 = NewPanel(this);
  CreateCharts();
  ConnectViewControls();
  resize(1108, 535);
  move(259, 107);
  AlignControls();
  new ui::TFileDropTarget(*this, [this](const std::string& FileName) { OpenWaveFile(FileName); });
}

TForm1::~TForm1() {
  if (Form1 == this)
    Form1 = nullptr;
}

void TForm1::CreateCommandPanel() {
  SpeedButton1 = new QPushButton(QStringLiteral(" SaveASCII File"), Panel1);
  SpeedButton1->setFlat(true);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setGeometry(22, 408, 89, 17);
  connect(SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                            QString::fromStdString(LoadStr(SCloseButton)), Panel1);
  BitBtn1->setGeometry(160, 504, 65, 17);
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

  Button1 = new QPushButton(QStringLiteral("ReadWF"), Panel1);
  Button1->setGeometry(14, 200, 89, 17);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

  Memo1 = new QPlainTextEdit(Panel1);
  Memo1->setGeometry(8, 240, 209, 49);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Qt's default text margin of four pixels leaves room for only two whole lines in a box laid
  // out to show three.
  Memo1->document()->setDocumentMargin(2);
  // Tab moves on to the next control instead of typing a tab character.
  Memo1->setTabChangesFocus(true);
  // A file dropped on the log box opens like one dropped anywhere else on the window, instead of
  // its address being typed into the box.
  Memo1->setAcceptDrops(false);
  Memo1->viewport()->setAcceptDrops(false);

  // Between the log box and " SaveASCII File", so that no control moves and the charts keep
  // every pixel.
  NoticeLabel = NewNote(QRect(8, 293, 209, 111), QStringLiteral("Notice"));
  NoticeLabel->hide();

  ProgressBar = new QProgressBar(Panel1);
  ProgressBar->setGeometry(8, 504, 146, 17);
  ProgressBar->setRange(0, 1000);
  ProgressBar->setAccessibleName(QStringLiteral("Progress"));
  ProgressBar->hide();
}

QLabel* TForm1::NewNote(const QRect& Geometry, const QString& Name) {
  auto* label = new QLabel(Panel1);
  label->setGeometry(Geometry);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAccessibleName(Name);
  return label;
}

void TForm1::CreateReadingControls() {
  InfoLabel = NewNote(QRect(8, 6, 217, 56), QStringLiteral("Shown"));

  AsRecordedBox = new QCheckBox(QStringLiteral("As recorded"), Panel1);
  AsRecordedBox->setGeometry(14, 66, 200, 17);
  AsRecordedBox->setChecked(ui::ReadChoice(ui::TChoice::chAsRecorded));
  FChoice.AsRecorded = AsRecordedBox->isChecked();
  connect(AsRecordedBox, &QCheckBox::toggled, this, &TForm1::AsRecordedToggled);
  // Only the user's own choices are kept: one made on the command line lasts one run.
  connect(AsRecordedBox, &QCheckBox::clicked, this,
          [](bool checked) { ui::WriteChoice(ui::TChoice::chAsRecorded, checked); });

  const auto newChooser = [this](const QString& caption, int top, int lowest) {
    auto* label = new QLabel(caption, Panel1);
    label->setGeometry(14, top, 70, 17);
    auto* box = new QSpinBox(Panel1);
    box->setGeometry(88, top, 56, 17);
    box->setRange(lowest, lowest == 0 ? 2 : 1);
    box->setSpecialValueText(lowest == 0 ? QStringLiteral("none") : QString());
    box->setAccessibleName(caption);
    box->setEnabled(false);
    label->setBuddy(box);
    connect(box, &QSpinBox::valueChanged, this, &TForm1::ChannelPicked);
    return box;
  };
  UpperChannelBox = newChooser(QStringLiteral("Upper chart"), 88, 1);
  LowerChannelBox = newChooser(QStringLiteral("Lower chart"), 110, 0);
  UpperChannelBox->setValue(1);
  LowerChannelBox->setValue(2);

  NoticeLabel->setTextFormat(Qt::RichText);
  connect(NoticeLabel, &QLabel::linkActivated, this, [this] {
    AsRecordedBox->setChecked(true);
    ui::WriteChoice(ui::TChoice::chAsRecorded, true);
  });
  // New controls follow the log box in the tab chain.
  setTabOrder(Memo1, AsRecordedBox);
  setTabOrder(AsRecordedBox, UpperChannelBox);
  setTabOrder(UpperChannelBox, LowerChannelBox);
}

void TForm1::resizeEvent(QResizeEvent*) { AlignControls(); }

void TForm1::AlignControls() {
  const int clientWidth = width();
  const int clientHeight = height();
  Panel1->setGeometry(0, 0, Panel1Width, clientHeight);
  Panel2->setGeometry(Panel1Width, 0, std::max(0, clientWidth - Panel1Width), clientHeight);
  // The charts sit inside the panel's one-pixel bevel.
  const QRect inside = Panel2->rect().adjusted(1, 1, -1, -1);
  const int innerWidth = std::max(0, inside.width());
  const int innerHeight = std::max(0, inside.height());
  Chart1->setGeometry(inside.left(), inside.top(), innerWidth, Chart1Height);
  Chart2->setGeometry(inside.left(), inside.top() + Chart1Height, innerWidth,
                      std::max(0, innerHeight - Chart1Height));
}

void TForm1::ReadWave(const std::string& FileName, reader::TWaveInfo& Info, reader::TReadDetails& Details,
                      TChannelLoader& Loader) {
  TMemoLog log(*Memo1);
  const auto start = std::chrono::steady_clock::now();
  reader::ReadWaveFile(FileName, Info, log, Details, *FLoadMemory, &Loader);
  FLastRead = {Info.Status, std::chrono::steady_clock::now() - start};
}

void TForm1::Button1Click() { LoadChosenFile(OpenDialog1.Execute()); }

void TForm1::OpenWaveFile(const std::string& FileName) {
  OpenDialog1.FileName = FileName;
  LoadChosenFile(true);
}

void TForm1::LoadChosenFile(bool Confirmed) {
  const std::string message = ReadAndLoad(Confirmed);
  if (!message.empty())
    ui::ShowMessageBox(message, ui::TMessageKind::mkError);
}

std::string TForm1::ReadAndLoad(bool Confirmed) {
  const ui::TBusyCursor busy;
  TWorkProgressBar progress(*ProgressBar, FProgressPace);
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TChannelLoader loader(details, FChoice, &progress);
  if (Confirmed)
    ReadWave(OpenDialog1.FileName, info, details, loader);
  FStore.WaveFileName = OpenDialog1.FileName;
  if (!Confirmed)
    return {};
  // Without the frames (out of memory, or the reader failed before the data chunk) the store
  // and the charts keep the previous file; the log already tells what the reader did, and the
  // notice says it in plain words.
  const bool loaded = !details.OutOfMemory && info.Data && LoadFrames(loader, *info.Data);
  const bool outOfMemory = details.OutOfMemory || (info.Data && !loaded);
  FStore.LaterReadFailed = !loaded;
  ShowNotice(info, details, loaded, outOfMemory);
  if (!outOfMemory)
    return {};
  return NotEnoughMemoryMessage(details.OutOfMemory ? details.DataBytes : info.Data->Size(),
                                OpenDialog1.FileName);
}

bool TForm1::LoadFrames(TChannelLoader& Loader, files::TMemoryStream& Data) {
  try {
    Loader.Load(Data, FStore, *Series1, *Series2);
  } catch (const std::bad_alloc&) {
    return false;
  }
  FStore.FramesFileName = OpenDialog1.FileName;
  ShowWholeRecording();
  return true;
}

void TForm1::ShowNotice(const reader::TWaveInfo& Info, const reader::TReadDetails& Details, bool Loaded,
                        bool OutOfMemory) {
  const TLoadOutcome outcome{OpenDialog1.FileName, Loaded, OutOfMemory, FStore.FramesFileName};
  FLoadNotice = LoadNotice(Info.Status, Details, outcome);
  // Whatever the reading, the format chunk of a file that loaded frames is what the flag tells.
  FLastRead.FormatNotice = Loaded && FStore.SampleCount > 0 && !reader::IsStereo16Pcm(FStore.Format);
  if (Loaded)
    ShowReadingInfo();
  SetNotice(FLoadNotice, Loaded ? ReadingNotice() : std::string());
}

std::string TForm1::ReadingNotice() const {
  if (FStore.SampleCount == 0)
    return {};
  const TReading& reading = FStore.Reading;
  std::string notice;
  const auto add = [&notice](const std::string& words) {
    if (!words.empty())
      notice += (notice.empty() ? "" : " ") + words;
  };
  if (reading.AsRecorded) {
    std::int64_t nonFinite = 0;
    for (const chart::TChartSeries* series :
         {static_cast<chart::TChartSeries*>(Series1), static_cast<chart::TChartSeries*>(Series2)})
      nonFinite += series->YValues().Summary(true).Skipped().Count;
    add(NonFiniteNotice(nonFinite));
  } else {
    add(FChoice.AsRecorded ? AsRecordedNotice(FStore.Format) : FormatNotice(FStore.Format));
  }
  const std::int64_t frames = WholeFrames(reading, FStore.DataBytes);
  if (frames > FStore.SampleCount)
    add(TooManyFramesNotice(frames, FStore.SampleCount));
  return notice;
}

void TForm1::SetNotice(const std::string& Load, const std::string& Reading) {
  FNoticeText = Load;
  if (!Reading.empty())
    FNoticeText += (FNoticeText.empty() ? "" : " ") + Reading;
  QString html = QString::fromStdString(FNoticeText).toHtmlEscaped();
  const bool offersLink =
      !FChoice.AsRecorded && FLastRead.FormatNotice && RecordedLayout(FStore.Format).Decoded;
  if (offersLink)
    html += QStringLiteral(" <a href=\"as-recorded\">Show it as recorded</a>");
  NoticeLabel->setText(html);
  NoticeLabel->setVisible(!FNoticeText.empty());
}

void TForm1::ShowReadingInfo() {
  const TInfoLine info =
      InfoLine(FStore.FramesFileName, FStore.Format, FStore.DataBytes, FStore.Reading.AsRecorded);
  const QString details = QString::fromStdString(info.Details);
  // The name gets what the first line leaves; a long one loses its middle.
  const QFontMetrics metrics(InfoLabel->font());
  const QString name =
      metrics.elidedText(QString::fromStdString(info.Name), Qt::ElideMiddle, InfoLabel->width() - 4);
  InfoLabel->setText(name + QStringLiteral(" \u00B7 ") + details);
  const int channels = int(FStore.Reading.Layout.LaneOffsets.size());
  const bool many = FStore.Reading.AsRecorded && channels > 2;
  // Showing the reading's channels is no pick of the user's.
  for (auto [box, channel] :
       {std::pair{UpperChannelBox, FStore.Reading.Upper}, std::pair{LowerChannelBox, FStore.Reading.Lower}}) {
    const QSignalBlocker quiet(box);
    box->setMaximum(std::max(channels, 2));
    box->setEnabled(many);
    box->setValue(channel);
  }
}

void TForm1::AsRecordedToggled(bool Checked) {
  FChoice.AsRecorded = Checked;
  Reshow();
  if (FStore.Frames())
    ShowWholeRecording();
}

void TForm1::ChannelPicked() {
  FChoice.Upper = UpperChannelBox->value();
  FChoice.Lower = LowerChannelBox->value();
  Reshow();
}

void TForm1::ChooseChannels(int Upper, int Lower) {
  FChoice.Upper = Upper;
  FChoice.Lower = Lower;
  Reshow();
}

void TForm1::Reshow() {
  if (!FStore.Frames())
    return;
  const ui::TBusyCursor busy;
  ShowReading(FStore, FChoice, *Series1, *Series2);
  ShowReadingInfo();
  SetNotice(FLoadNotice, ReadingNotice());
}

void TForm1::SpeedButton1Click() {
  const ui::TBusyCursor busy;
  TWorkProgressBar progress(*ProgressBar, FProgressPace);
  SaveAsciiFile(FStore, &progress);
}

void TForm1::CreateCharts() {
  auto chart1 = std::make_unique<chart::TChart>();
  Series1 = &SetUpChart1(*chart1);
  Chart1 = new ui::TChartWidget(std::move(chart1), Panel2);

  auto chart2 = std::make_unique<chart::TChart>();
  Series2 = &SetUpChart2(*chart2);
  Chart2 = new ui::TChartWidget(std::move(chart2), Panel2);
}

// What the window adds for finding one's way in a recording: the keys, zooming both charts
// together, the readout under the mouse, and a new recording shown whole.

void TForm1::CreateViewControls() {
  BothChartsBox = new QCheckBox(QStringLiteral("Zoom both charts together"), Panel1);
  BothChartsBox->setGeometry(14, 176, 205, 17);
  BothChartsBox->setChecked(ui::ReadChoice(ui::TChoice::chBothCharts));

  ReadoutLabel = NewNote(QRect(8, 428, 209, 72), QStringLiteral("Readout"));
}

void TForm1::ConnectViewControls() {
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] { Button1Click(); });
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { SpeedButton1Click(); });

  FChartLink = std::make_unique<TChartLink>(Chart1->Chart(), Chart2->Chart());
  FChartLink->SetEnabled(BothChartsBox->isChecked());
  connect(BothChartsBox, &QCheckBox::toggled, this,
          [this](bool checked) { FChartLink->SetEnabled(checked); });
  // Only the user's own clicks are kept: a choice made on the command line lasts one run.
  connect(BothChartsBox, &QCheckBox::clicked, this,
          [](bool checked) { ui::WriteChoice(ui::TChoice::chBothCharts, checked); });

  for (const int number : {1, 2}) {
    ui::TChartWidget* widget = number == 1 ? Chart1 : Chart2;
    widget->Chart().OnMouseMove = [this, number](chart::TCustomChart&, chart::TShiftState, int x, int y) {
      ShowReadout(number, x, y);
    };
    // A key, a load or a drag moves the picture under a mouse that stays put.
    widget->Chart().OnAfterDraw = [this, number](chart::TCustomChart&) {
      if (FReadoutChart == number)
        ShowReadout(number, FReadoutX, FReadoutY);
    };
    connect(widget, &ui::TChartWidget::MouseLeft, this, [this] {
      FReadoutChart = 0;
      ReadoutLabel->clear();
    });
  }
}

TReadoutSource TForm1::ReadoutSource(int Chart) const {
  const chart::TChartSeries* series = Chart == 1 ? static_cast<const chart::TChartSeries*>(Series1) : Series2;
  const TReading& reading = FStore.Reading;
  // Frame pairs of other sound are no frames of the recording: their numbers have no time.
  const bool timed = reading.AsRecorded || reader::IsStereo16Pcm(FStore.Format);
  return {series, Chart == 1 ? reading.Upper : reading.Lower, FStore.Format.SamplesPerSec, timed};
}

void TForm1::ShowReadout(int Chart, int X, int Y) {
  FReadoutChart = Chart;
  FReadoutX = X;
  FReadoutY = Y;
  const TReadoutSource source = ReadoutSource(Chart);
  // Where the last paint put the series' points.
  const chart::TPaintContext context = (Chart == 1 ? Chart1 : Chart2)->Chart().PaintContextOf(*source.Series);
  const TReadoutView view{context.PlotRect, context.PointMapper()};
  ReadoutLabel->setText(QString::fromStdString(ReadoutText(source, view, X, Y)));
}

void TForm1::ShowWholeRecording() {
  Chart1->Chart().ShowWhole();
  Chart2->Chart().ShowWhole();
}

} // namespace app
