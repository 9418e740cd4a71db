// Holds back the user's input to a window while long work inside one of its handlers lets the
// window repaint, so that no handler starts in the middle of another; the input comes after.
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

namespace ui {

class TInputHold final : public QObject {
public:
  explicit TInputHold(QWidget& Window);
  // Hands what was held back to the message loop, in the order it came.
  ~TInputHold() override;
  TInputHold(const TInputHold&) = delete;
  TInputHold& operator=(const TInputHold&) = delete;

  // Handles the paints, exposes and whatever else waits for the program, but neither input nor
  // timers: the window system keeps the input until the message loop takes it again.
  void Repaint();

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  QWidget& FWindow;
  // Input sent or posted to the window's widgets by the program itself rather than the window
  // system, such as a test's clicks.
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> FHeld;
};

} // namespace ui
