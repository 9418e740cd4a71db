// The application object: a QApplication whose event delivery is the last stop for an error
// that leaves a handler, so the user sees its message and the window stays usable.
#pragma once

#include <QApplication>

namespace ui {

class TApplication final : public QApplication {
  Q_OBJECT
public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ui
