#include "ui/WhenExposed.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace ui {

void CallFromLoop(QObject& Context, std::function<void()> Action) {
  QMetaObject::invokeMethod(&Context, std::move(Action), Qt::QueuedConnection);
}

namespace {

// Waits for the first expose of a window; the window's own handling of that expose paints it
// before the queued call runs.
class TExposeWatch final : public QObject {
public:
  TExposeWatch(QWindow& Window, std::function<void()> Action) : QObject(&Window), FAction(std::move(Action)) {
    Window.installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      CallFromLoop(*watched, std::exchange(FAction, nullptr));
      deleteLater();
    }
    return false;
  }

private:
  std::function<void()> FAction;
};

} // namespace

void CallWhenExposed(QWidget& Window, std::function<void()> Action) {
  QWindow* window = Window.windowHandle();
  if (!window || window->isExposed())
    CallFromLoop(Window, std::move(Action));
  else
    new TExposeWatch(*window, std::move(Action));
}

} // namespace ui
