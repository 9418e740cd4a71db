#include "ui/Application.h"

#include "ui/MessageBox.h"

#include <exception>

namespace ui {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowMessageBox(error.what(), TMessageKind::mkError);
  } catch (...) {
    ShowMessageBox("Unknown error", TMessageKind::mkError);
  }
  // The event counts as handled: the handler that failed has had its turn.
  return true;
}

} // namespace ui
