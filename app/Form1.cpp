#include "app/Form1.h"

#include "app/ChartLink.h"
#include "app/core/AsciiExport.h"
#include "app/core/ChannelLoader.h"
#include "app/core/ReadMessages.h"
#include "app/StringTable.h"
#include "app/reader/ReadWaveFile.h"
#include "ui/BusyCursor.h"
#include "ui/ChartWidget.h"
#include "ui/FileDrop.h"
#include "ui/MessageBox.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>

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
  NoticeLabel = new QLabel(Panel1);
  NoticeLabel->setGeometry(8, 293, 209, 111);
  NoticeLabel->setWordWrap(true);
  NoticeLabel->setTextFormat(Qt::PlainText);
  NoticeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  NoticeLabel->setAccessibleName(QStringLiteral("Notice"));
  NoticeLabel->hide();
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
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TChannelLoader loader;
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
  std::string notice = LoadNotice(Info.Status, Details, outcome);
  const std::string format = Loaded && FStore.SampleCount > 0 ? FormatNotice(Details.Format) : std::string();
  FLastRead.FormatNotice = !format.empty();
  if (!format.empty())
    notice += (notice.empty() ? "" : " ") + format;
  NoticeLabel->setText(QString::fromStdString(notice));
  NoticeLabel->setVisible(!notice.empty());
}

void TForm1::SpeedButton1Click() {
  const ui::TBusyCursor busy;
  SaveAsciiFile(FStore);
}

} // namespace app
