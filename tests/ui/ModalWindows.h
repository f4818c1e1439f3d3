#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Runs `action`; each time a modal window opens during it, waits until the window is active and
// calls `whileOpen` with it, which may inspect it and close it as the user would. A window still
// open after that is closed, so that a failed check cannot leave the test waiting. Returns how
// many modal windows opened.
int WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& whileOpen);

// What a message box showed.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality;
};

// The message boxes that open during `action`, each dismissed with its OK button after
// `whileOpen` has run.
QList<SeenBox> MessageBoxesDuring(const std::function<void()>& action,
                                  const std::function<void()>& whileOpen = {});
