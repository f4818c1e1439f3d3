#include "ui/ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>

void SetScreenCursor(Qt::CursorShape shape) {
  if (QGuiApplication::overrideCursor())
    QGuiApplication::changeOverrideCursor(QCursor(shape));
  else
    QGuiApplication::setOverrideCursor(QCursor(shape));
}

void SetDefaultScreenCursor() {
  if (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}
