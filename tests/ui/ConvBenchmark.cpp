// The time from a press of 実行 to the painted output box, for 100,000 kana with the "二銭銅貨"
// cipher. A figure to read, not a pass or fail; the output is checked once.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "TestMain.h"
#include "cipher/ConversionCommand.h"
#include "codepage/Cp932.h"
#include "ui/Conv.h"

namespace {

// 100,000 kana, plain, voiced, semi-voiced and contracted ones, over and over.
QString HundredThousandKana() {
  const QString kana = QStringLiteral(
      "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
      "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポキャシュチョッー。");
  QString text;
  text.reserve(100000);
  while (text.size() < 100000) text += kana.left(100000 - text.size());
  return text;
}

}  // namespace

class ConvBenchmark : public QObject {
  Q_OBJECT

 private slots:
  void chantEncryptionOf100000Kana() {
    TfrmConv window;
    frmConv = &window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* input = window.findChild<QPlainTextEdit*>(QStringLiteral("memBefore"));
    auto* output = window.findChild<QPlainTextEdit*>(QStringLiteral("memAfter"));
    auto* execute = window.findChild<QPushButton*>(QStringLiteral("btnExecute"));
    const QString kana = HundredThousandKana();
    input->setPlainText(kana);

    QBENCHMARK {
      QTest::mouseClick(execute, Qt::LeftButton);
      output->viewport()->repaint();
    }

    const ConversionOutcome expected =
        ExecuteConversion(kCipherNisendoka, kDirectionEncrypt, cp932::FromUtf8(kana.toStdString()));
    QVERIFY(expected.result);
    QCOMPARE(output->toPlainText(), QString::fromStdString(cp932::ToUtf8(expected.output)));
    frmConv = nullptr;
  }
};

SORANAGI_UI_TEST_MAIN(ConvBenchmark)
#include "ConvBenchmark.moc"
