#include "ui/InputHold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace ui {

TInputHold::TInputHold(QWidget& Window) : FWindow(Window) {
  QCoreApplication::instance()->installEventFilter(this);
}

TInputHold::~TInputHold() {
  QCoreApplication::instance()->removeEventFilter(this);
  for (auto& [receiver, event] : FHeld)
    if (receiver)
      QCoreApplication::postEvent(receiver, event.release());
}

void TInputHold::Repaint() {
  // A timer could finish a click animated before the work began.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
}

bool TInputHold::eventFilter(QObject* Watched, QEvent* Event) {
  // Other windows, such as a message box an error brings up, take their input as always.
  const bool inWindow = Watched == FWindow.windowHandle() ||
                        (Watched->isWidgetType() && static_cast<QWidget*>(Watched)->window() == &FWindow);
  if (!inWindow)
    return false;
  switch (Event->type()) {
  case QEvent::DragEnter:
  case QEvent::DragMove:
  case QEvent::Drop:
    // What a drag carries is gone once it ends, so it cannot wait: refused, nothing is dropped.
    Event->ignore();
    return true;
  case QEvent::Leave:
    // No input event, but held all the same so that it comes after the Enter before it.
    break;
  default:
    if (!Event->isInputEvent())
      return false;
  }
  FHeld.emplace_back(Watched, Event->clone());
  return true;
}

} // namespace ui
