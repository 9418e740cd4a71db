#include "ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

void ModalMessageBox(const std::string& text, TMessageKind kind) {
  const QString message = QString::fromStdString(text);
  const QString title = QApplication::applicationName();
  QWidget* parent = QApplication::activeWindow();
  if (kind == TMessageKind::mkError)
    QMessageBox::critical(parent, title, message);
  else
    QMessageBox::information(parent, title, message);
}

TMessageBoxFunc& CurrentFunc() {
  static TMessageBoxFunc func = ModalMessageBox;
  return func;
}

} // namespace

void ShowMessageBox(const std::string& text, TMessageKind kind) { CurrentFunc()(text, kind); }

TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc func) {
  TMessageBoxFunc previous = std::move(CurrentFunc());
  CurrentFunc() = func ? std::move(func) : TMessageBoxFunc(ModalMessageBox);
  return previous;
}

} // namespace ui
