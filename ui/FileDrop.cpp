#include "ui/FileDrop.h"

#include "ui/WhenExposed.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <optional>

namespace ui {

namespace {

// The path of the first dragged item when that is a local file that is not a folder.
std::optional<std::string> DroppedFile(const QMimeData& Data) {
  const QList<QUrl> urls = Data.urls();
  if (urls.isEmpty() || !urls.constFirst().isLocalFile())
    return std::nullopt;
  const QString path = urls.constFirst().toLocalFile();
  if (path.isEmpty() || QFileInfo(path).isDir())
    return std::nullopt;
  return path.toStdString();
}

} // namespace

TFileDropTarget::TFileDropTarget(QWidget& Window, TOpenFunc Open) : QObject(&Window), FOpen(std::move(Open)) {
  Window.setAcceptDrops(true);
  Window.installEventFilter(this);
}

bool TFileDropTarget::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QObject::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<std::string> file = DroppedFile(*drop->mimeData());
  // Always a copy: a file manager that was told "move" would delete the file after the drop.
  if (!file || !(drop->possibleActions() & Qt::CopyAction)) {
    drop->ignore();
    return true;
  }
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop)
    CallFromLoop(*this, [this, name = *file] { FOpen(name); });
  return true;
}

} // namespace ui
