#include "ui/Conv.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPoint>
#include <QString>
#include <QTextDocument>
#include <string>

#include "cipher/ConversionCommand.h"
#include "codepage/Cp932.h"
#include "ui/Fversioninfo.h"
#include "ui_Conv.h"

TfrmConv* frmConv = nullptr;

namespace {

// Where the window opens: where it was laid out, not centred.
constexpr QPoint kLaidOutPosition{363, 250};

// The whole text of a text box as the engine takes it: its lines joined by CR LF, in code page
// 932. The raw text, so that nothing else changes on the way (the plain text would turn
// no-break spaces into spaces).
std::string Cp932Text(const QPlainTextEdit& memo) {
  QString text = memo.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return cp932::FromUtf8(text.toStdString());
}

void SetCp932Text(QPlainTextEdit& memo, const std::string& cp932) {
  memo.setPlainText(QString::fromStdString(cp932::ToUtf8(cp932)));
}

// Tells the user that some of the text could not be converted; waits until the box is dismissed.
void ShowConversionFailure(QWidget* owner) {
  const QString message = QStringLiteral("変換できない文字が含まれています");
  QMessageBox box(QMessageBox::NoIcon, message, message, QMessageBox::Ok, owner);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

TfrmConv::TfrmConv(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TfrmConv>()) {
  ui->setupUi(this);
  // The selected item's id is the cipher kind or the direction that the engine takes.
  ui->rdoKindItems->setId(ui->rdoKindNisendoka, kCipherNisendoka);
  ui->rdoKindItems->setId(ui->rdoKindSoroban, kCipherSoroban);
  ui->rdoDirectItems->setId(ui->rdoDirectEncrypt, kDirectionEncrypt);
  ui->rdoDirectItems->setId(ui->rdoDirectDecrypt, kDirectionDecrypt);
  // The first control in tab order takes the focus when the window first becomes active.
  ui->rdoDirectItems->checkedButton()->setFocus();
  move(kLaidOutPosition);
}

TfrmConv::~TfrmConv() = default;

void TfrmConv::btnExecuteClick() {
  const ConversionOutcome outcome = ExecuteConversion(
      ui->rdoKindItems->checkedId(), ui->rdoDirectItems->checkedId(), Cp932Text(*ui->memBefore));
  // The output goes in first, so that the user sees what could be converted beside the message.
  SetCp932Text(*ui->memAfter, outcome.output);
  if (!outcome.result) ShowConversionFailure(this);
}

void TfrmConv::About1Click() {
  frmVersionInfo->exec();
}

void TfrmConv::Exit1Click() {
  close();
}
