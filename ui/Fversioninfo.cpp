#include "ui/Fversioninfo.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QRect>
#include <QSize>
#include <QUrl>
#include <algorithm>

#include "ui/Conv.h"
#include "ui/ScreenCursor.h"
#include "ui_Fversioninfo.h"

TfrmVersionInfo* frmVersionInfo = nullptr;

namespace {

// The address of the web page that the notice names, as whoever ships the program has set it.
const QString kWebPage = QStringLiteral(SORANAGI_WEB_PAGE);

// Where a window of the given size is centred on the main window, both by their outer frames,
// halves rounded toward zero and kept on the screen's left and top. Before its first showing the
// window's own frame is not known yet; it is taken to be the main window's.
QPoint CentredOnMainWindow(QSize size) {
  const QRect main = frmConv->frameGeometry();
  const QSize outer = size + (main.size() - frmConv->size());
  return {std::max(0, main.x() + (main.width() - outer.width()) / 2),
          std::max(0, main.y() + (main.height() - outer.height()) / 2)};
}

}  // namespace

TfrmVersionInfo::TfrmVersionInfo(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmVersionInfo>()) {
  ui->setupUi(this);
  setWindowFlag(Qt::WindowMinMaxButtonsHint);
  ui->Label1->adjustSize();
  ui->Label2->adjustSize();
  ui->Label4->setText(ui->Label4->text().arg(kWebPage));
  ui->Label4->installEventFilter(this);
}

TfrmVersionInfo::~TfrmVersionInfo() = default;

void TfrmVersionInfo::btnOKClick() {
  accept();
}

void TfrmVersionInfo::Label4Click() {
  QDesktopServices::openUrl(QUrl(kWebPage));
}

void TfrmVersionInfo::Label4MouseMove() {
  SetScreenCursor(Qt::PointingHandCursor);
}

void TfrmVersionInfo::FormMouseMove() {
  SetDefaultScreenCursor();
}

bool TfrmVersionInfo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->Label4) {
    if (event->type() == QEvent::MouseMove) Label4MouseMove();
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<const QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton &&
          ui->Label4->rect().contains(mouse->position().toPoint()))
        Label4Click();
    }
  }
  return QDialog::eventFilter(watched, event);
}

// No button is the cancel button, so Escape does nothing.
void TfrmVersionInfo::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) return;
  QDialog::keyPressEvent(event);
}

// Moves over a control that does not take them reach the window too; only the bare surface counts.
void TfrmVersionInfo::mouseMoveEvent(QMouseEvent* event) {
  if (!childAt(event->position().toPoint())) FormMouseMove();
  QDialog::mouseMoveEvent(event);
}

void TfrmVersionInfo::showEvent(QShowEvent* event) {
  // Until it has been placed, the window has not been shown yet.
  if (!testAttribute(Qt::WA_Moved)) move(CentredOnMainWindow(size()));
  QDialog::showEvent(event);
}

// The hand cursor of the link must not stay over the main window once this window is gone.
void TfrmVersionInfo::hideEvent(QHideEvent* event) {
  SetDefaultScreenCursor();
  QDialog::hideEvent(event);
}
