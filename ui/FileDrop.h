// Dropping a file on a window: one local file is taken, anything else is refused, so the drop
// cursor tells the user beforehand whether the window will open what they drag.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace ui {

class TFileDropTarget final : public QObject {
public:
  using TOpenFunc = std::function<void(const std::string& FileName)>;

  // Turns drops on for Window, which owns the target. Open gets the dropped file's path once the
  // drop has finished, so the program that the file came from is not kept waiting on a load.
  TFileDropTarget(QWidget& Window, TOpenFunc Open);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TOpenFunc FOpen;
};

} // namespace ui
