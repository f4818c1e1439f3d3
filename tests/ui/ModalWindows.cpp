#include "ModalWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

int WhileModal(const std::function<void()>& action,
               const std::function<void(QWidget*)>& whileOpen) {
  int opened = 0;
  QWidget* handled = nullptr;  // the window being handled, so that it is handled once
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == handled) return;
    handled = modal;
    ++opened;
    if (QTest::qWaitForWindowActive(modal)) whileOpen(modal);
    if (modal->isVisible()) modal->close();
    handled = nullptr;
  });
  poll.start();
  action();
  return opened;
}

QList<SeenBox> MessageBoxesDuring(const std::function<void()>& action,
                                  const std::function<void()>& whileOpen) {
  QList<SeenBox> seen;
  WhileModal(action, [&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                    box->windowModality()});
    if (whileOpen) whileOpen();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
  });
  return seen;
}
