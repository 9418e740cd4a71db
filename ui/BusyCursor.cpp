#include "ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

TBusyCursor::TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

TBusyCursor::~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }

} // namespace ui
