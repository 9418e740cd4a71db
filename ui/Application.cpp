#include "ui/Application.h"

#include "ui/MessageBox.h"

#include <exception>
#include <new>

namespace ui {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    // Its own text, "std::bad_alloc", says nothing to a user.
    ShowMessageBox("Not enough memory to finish what was asked.", TMessageKind::mkError);
  } catch (const std::exception& error) {
    ShowMessageBox(error.what(), TMessageKind::mkError);
  } catch (...) {
    ShowMessageBox("Unknown error", TMessageKind::mkError);
  }
  // The event counts as handled: the handler that failed has had its turn.
  return true;
}

} // namespace ui
