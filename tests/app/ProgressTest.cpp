// The progress of a long load or export: a bar that shows only once the work has run a while,
// rises and is gone after it; input that comes meanwhile waits for the work's end.
#include "tests/app/FormFixture.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testsupport::SampleBytes;

// The system's pages, each block of a load had only after a pause and one block at a time,
// whatever the threads: a load of n blocks takes n pauses.
class TSlowPageMemory final : public pages::TPageMemory {
public:
  std::chrono::milliseconds Pause{0};

  void* Map(std::size_t bytes) override { return pages::SystemPageMemory().Map(bytes); }
  void* Remap(void* address, std::size_t oldBytes, std::size_t newBytes) override {
    return pages::SystemPageMemory().Remap(address, oldBytes, newBytes);
  }
  void Unmap(void* address, std::size_t bytes) override { pages::SystemPageMemory().Unmap(address, bytes); }
  void Populate(void* address, std::size_t bytes) override {
    const std::lock_guard oneAtATime(FLock);
    std::this_thread::sleep_for(Pause);
    pages::SystemPageMemory().Populate(address, bytes);
  }

private:
  std::mutex FLock;
};

void Post(QWidget* receiver, QEvent* event) { QCoreApplication::postEvent(receiver, event); }

class Progress : public testsupport::FormFixture {
protected:
  Progress() {
    // The store's blocks go back to this memory after the fixture's end.
    static TSlowPageMemory memory;
    Memory = &memory;
    Memory->Pause = 0ms;
    Form.SetLoadMemory(memory);
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    QObject::connect(Form.ProgressBar, &QProgressBar::valueChanged, [this](int value) {
      Values.push_back(value);
      ShownWhenMoved = ShownWhenMoved && Form.ProgressBar->isVisible();
      if (Values.size() == 1 && PostInput)
        SendInput();
    });
    for (QPushButton* button : {Form.Button1, Form.SpeedButton1})
      QObject::connect(button, &QPushButton::clicked, [this, button] {
        Clicked.push_back({button, Working});
      });
  }

  // Runs a handler as the user starts it, noting that it runs.
  void Work(const std::function<void()>& handler) {
    Working = true;
    handler();
    Working = false;
  }

  // A click on " SaveASCII File" posted, a space on "ReadWF" sent, and a file dragged onto the
  // window.
  void SendInput() {
    const QPoint centre = Form.SpeedButton1->rect().center();
    Post(Form.SpeedButton1,
         new QMouseEvent(QEvent::MouseButtonPress, centre, Form.SpeedButton1->mapToGlobal(centre),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    Post(Form.SpeedButton1,
         new QMouseEvent(QEvent::MouseButtonRelease, centre, Form.SpeedButton1->mapToGlobal(centre),
                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTest::keyClick(Form.Button1, Qt::Key_Space);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(PathOf("in.wav")))});
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Form.windowHandle(), &enter);
    DragAccepted = enter.isAccepted();
  }

  TSlowPageMemory* Memory = nullptr;
  std::vector<int> Values;
  bool ShownWhenMoved = true;
  bool PostInput = false;
  bool Working = false;
  bool DragAccepted = false;
  std::vector<std::pair<QPushButton*, bool>> Clicked;
};

bool Rising(const std::vector<int>& values) {
  return values.size() >= 2 &&
         std::adjacent_find(values.begin(), values.end(), std::greater_equal<>()) == values.end();
}

TEST_F(Progress, ASlowLoadShowsARisingBarThatIsGoneAfterAndAFastOneNone) {
  // Ten blocks of a tenth of a second.
  const std::string tenMiB(std::size_t(10) << 20, '\x01');
  Memory->Pause = 100ms;
  Load(tenMiB);
  EXPECT_EQ(Store.SampleCount, 10 << 18);
  EXPECT_TRUE(Rising(Values)) << Values.size() << " values";
  EXPECT_TRUE(ShownWhenMoved);
  EXPECT_TRUE(Form.ProgressBar->isHidden());

  Values.clear();
  Memory->Pause = 0ms;
  Load(SampleBytes({1, 2, 3, 4}));
  EXPECT_EQ(Store.SampleCount, 2);
  EXPECT_TRUE(Values.empty());
  EXPECT_TRUE(Form.ProgressBar->isHidden());
}

TEST_F(Progress, ALongExportShowsARisingBarThatIsGoneAfterAndAShortOneNone) {
  Load(std::string(std::size_t(300000) * 4, '\x02'));
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_TRUE(Values.empty());

  // Shown at once, moving at every report: as a longer export would.
  Form.SetProgressPace({0ms, 0ms});
  QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton);
  EXPECT_TRUE(Rising(Values)) << Values.size() << " values";
  EXPECT_EQ(Values.back(), Form.ProgressBar->maximum());
  EXPECT_TRUE(ShownWhenMoved);
  EXPECT_TRUE(Form.ProgressBar->isHidden());
  EXPECT_EQ(testsupport::ReadFile(PathOf("in_out.dat")).size(), std::size_t(300000) * 10);
}

TEST_F(Progress, InputDuringTheWorkIsHandledAfterItAndADragIsRefused) {
  PostInput = true;
  Memory->Pause = 100ms;
  testsupport::WriteFile(PathOf("in.wav"), testsupport::WaveBytes(std::string(std::size_t(8) << 20, '\x03')));
  Work([&] { PressReadWF(PathOf("in.wav")); });
  ASSERT_FALSE(Values.empty());
  Form.SetProgressPace({0ms, 0ms});
  Values.clear();
  Work([&] { QTest::mouseClick(Form.SpeedButton1, Qt::LeftButton); });
  ASSERT_FALSE(Values.empty());
  EXPECT_FALSE(DragAccepted);
  // The work's own two clicks; the rest comes when the message loop runs again.
  const decltype(Clicked) started = {{Form.Button1, true}, {Form.SpeedButton1, true}};
  EXPECT_EQ(Clicked, started);

  Form.OpenDialog1.SetChooser([](std::string&) { return false; });
  Form.SetProgressPace({});
  QCoreApplication::processEvents();
  EXPECT_EQ(std::count(Clicked.begin(), Clicked.end(), std::pair{Form.SpeedButton1, false}), 2);
  EXPECT_EQ(std::count(Clicked.begin(), Clicked.end(), std::pair{Form.Button1, false}), 2);
  EXPECT_TRUE(Messages.empty());
}

} // namespace
