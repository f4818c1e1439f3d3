// The main window: its start, the conversions run from it, the failure box and its menu.
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "Forms.h"
#include "ModalWindows.h"
#include "TestMain.h"
#include "ui/Conv.h"
#include "ui/Fversioninfo.h"

namespace {

const QString kFailure = QStringLiteral("変換できない文字が含まれています");

// Types text as an input method hands it over, the way Japanese text is typed.
void Type(QWidget* widget, const QString& text) {
  QInputMethodEvent typed;
  typed.setCommitString(text);
  QApplication::sendEvent(widget, &typed);
}

}  // namespace

class ConvTest : public QObject {
  Q_OBJECT

  Forms forms_;

  template <class Control>
  Control* Find(const char* name) {
    auto* control = forms_.main->findChild<Control*>(QString::fromLatin1(name));
    if (!control) qFatal("the main window has no control %s", name);
    return control;
  }
  QPlainTextEdit* memBefore() { return Find<QPlainTextEdit>("memBefore"); }
  QPlainTextEdit* memAfter() { return Find<QPlainTextEdit>("memAfter"); }

  // Picks the items as the user does, by clicking them.
  void Choose(int cipherKind, int direction) {
    QTest::mouseClick(Find<QButtonGroup>("rdoKindItems")->button(cipherKind), Qt::LeftButton);
    QTest::mouseClick(Find<QButtonGroup>("rdoDirectItems")->button(direction), Qt::LeftButton);
  }
  // Presses 実行 and gives the message boxes that it showed.
  QList<SeenBox> Execute(const std::function<void()>& whileOpen = {}) {
    return MessageBoxesDuring(
        [this] { QTest::mouseClick(Find<QPushButton>("btnExecute"), Qt::LeftButton); }, whileOpen);
  }

 private slots:
  void init() { QVERIFY(forms_.Open()); }
  void cleanup() { forms_.Close(); }

  void startState() {
    QCOMPARE(forms_.main->windowTitle(), QStringLiteral("ソラナギ？"));
    // The outer frame is where it was laid out; the client area has the laid-out size, frame and
    // all where the window system adds no frame (the offscreen platform adds a thin one).
    QCOMPARE(forms_.main->frameGeometry().topLeft(), QPoint(363, 250));
    QCOMPARE(forms_.main->size(), QSize(466, 309));
    QVERIFY(Find<QRadioButton>("rdoKindNisendoka")->isChecked());
    QVERIFY(Find<QRadioButton>("rdoDirectEncrypt")->isChecked());
    QVERIFY(memBefore()->toPlainText().isEmpty());
    QVERIFY(memAfter()->toPlainText().isEmpty());
    QVERIFY(!forms_.main->windowIcon().isNull());
    // The first control in tab order, the selected item of rdoDirect, has the focus.
    QCOMPARE(QApplication::focusWidget(), Find<QRadioButton>("rdoDirectEncrypt"));
  }

  // The controls sit at their places below the menu bar, none cut off by the window's edge.
  void controlsBelowTheMenuBar() {
    QWidget* client = forms_.main->centralWidget();
    QCOMPARE(client->y(), forms_.main->menuBar()->geometry().bottom() + 1);
    QCOMPARE(memBefore()->geometry(), QRect(160, 40, 281, 81));
    QCOMPARE(Find<QPushButton>("btnExecute")->geometry(), QRect(38, 208, 87, 33));
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(forms_.main->rect().contains(control->geometry().translated(client->pos())),
               qPrintable(control->objectName()));
  }

  void tabOrder() {
    const QStringList expected = {QStringLiteral("btnExecute"), QStringLiteral("memBefore"),
                                  QStringLiteral("memAfter"), QStringLiteral("rdoKindNisendoka"),
                                  QStringLiteral("rdoDirectEncrypt")};
    QStringList seen;
    for (qsizetype i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
  }

  // Japanese fallbacks of the laid-out pixel heights where the laid-out fonts are missing.
  void fonts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("input box") << QStringLiteral("memBefore") << 12 << false;
    QTest::newRow("heading") << QStringLiteral("Label2") << 19 << true;
    QTest::newRow("arrow") << QStringLiteral("Label1") << 35 << true;
    QTest::newRow("execute") << QStringLiteral("btnExecute") << 15 << false;
  }
  void fonts() {
    QFETCH(QString, control);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    const QFontInfo font(forms_.main->findChild<QWidget*>(control)->font());
    QCOMPARE(font.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
  }

  void execute_data() {
    QTest::addColumn<int>("cipherKind");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("fails");
    const auto row = [](const char* name, int kind, int direction, const char* input,
                        const char* output, bool fails) {
      QTest::newRow(name) << kind << direction << QString::fromUtf8(input)
                          << QString::fromUtf8(output) << fails;
    };
    row("chant, encrypt", 0, 0, "ア", "南、", false);
    row("chant, encrypt, voiced and contracted", 0, 0, "キャンプ。",
        "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、", false);
    row("chant, decrypt", 0, 1, "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、", "キャンプ。", false);
    row("chant, decrypt, cut at the line break", 0, 1, "南、\n", "ア", false);
    row("abacus, encrypt", 1, 0, "あいう", "111213", false);
    row("abacus, decrypt", 1, 1, "111213", "あいう", false);
    row("abacus, encrypt, a piece fails", 1, 0, "がっこう", "432513", true);
    row("abacus, encrypt, the line break fails", 1, 0, "あいう\n", "111213", true);
    row("chant, encrypt, the line break fails", 0, 0, "ア\n", "南、", true);
    row("empty, chant, encrypt", 0, 0, "", "", false);
    row("empty, chant, decrypt", 0, 1, "", "", false);
    row("empty, abacus, encrypt", 1, 0, "", "", false);
    row("empty, abacus, decrypt", 1, 1, "", "", false);
  }
  void execute() {
    QFETCH(int, cipherKind);
    QFETCH(int, direction);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(bool, fails);
    Choose(cipherKind, direction);
    memBefore()->setPlainText(input);
    const QList<SeenBox> boxes = Execute();
    QCOMPARE(memAfter()->toPlainText(), output);
    QCOMPARE(boxes.size(), fails ? 1 : 0);
  }

  // The box comes after the output box shows what could be converted.
  void failureBox() {
    Choose(1, 0);
    memBefore()->setPlainText(QStringLiteral("がっこう"));
    QString shownWithTheBox;
    const QList<SeenBox> boxes = Execute([&] { shownWithTheBox = memAfter()->toPlainText(); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(shownWithTheBox, QStringLiteral("432513"));
    QCOMPARE(boxes[0].title, kFailure);
    QCOMPARE(boxes[0].text, kFailure);
    QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
    QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boxes[0].modality, Qt::ApplicationModal);
  }

  // Typed lines reach the engine joined by CR LF: the two bytes keep the kana after the break on
  // its two-byte frame, so the abacus cipher still converts it (a lone LF would shift it).
  void typedLinesAreJoinedByCrLf() {
    Choose(1, 0);
    Type(memBefore(), QStringLiteral("あ"));
    QTest::keyClick(memBefore(), Qt::Key_Return);
    Type(memBefore(), QStringLiteral("い"));
    QCOMPARE(memBefore()->blockCount(), 2);
    QCOMPARE(Execute().size(), 1);
    QCOMPARE(memAfter()->toPlainText(), QStringLiteral("1112"));
  }

  // A character that code page 932 lacks fails alone; the kana around it are converted.
  void characterMissingFromTheCodePage() {
    memBefore()->setPlainText(QStringLiteral("ア😀イ"));
    QCOMPARE(Execute().size(), 1);
    QCOMPARE(memAfter()->toPlainText(), QStringLiteral("南、南無、"));
  }

  // Whatever the output box held, typed or converted, each press replaces it.
  void outputIsReplaced() {
    Type(memAfter(), QStringLiteral("書きこみ"));
    memBefore()->setPlainText(QStringLiteral("ア"));
    Execute();
    QCOMPARE(memAfter()->toPlainText(), QStringLiteral("南、"));
    Execute();
    QCOMPARE(memAfter()->toPlainText(), QStringLiteral("南、"));
  }

  // Alt+H, A opens the About window, modally; Alt+M, X closes the main window.
  void menuByAccessKeys() {
    QWidget* opened = nullptr;
    const int count = WhileModal(
        [this] {
          QTest::keyClick(forms_.main.get(), Qt::Key_H, Qt::AltModifier);
          QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
        },
        [&](QWidget* modal) { opened = modal; });
    QCOMPARE(count, 1);
    QCOMPARE(opened, forms_.about.get());
    QVERIFY(!forms_.about->isVisible());

    forms_.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(forms_.main.get()));
    QTest::keyClick(forms_.main.get(), Qt::Key_M, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
    QVERIFY(!forms_.main->isVisible());
  }
};

SORANAGI_UI_TEST_MAIN(ConvTest)
#include "ConvTest.moc"
