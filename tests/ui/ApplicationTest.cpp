// The application object's error display: errors that escape an event handler or the entry.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "ModalWindows.h"
#include "TestMain.h"
#include "ui/Application.h"

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  // The error is shown with the title as caption and an error icon, and the program goes on: the
  // same handler can run and fail again.
  void errorEscapingAnEventHandler() {
    QPushButton button(QStringLiteral("押す"));
    int pressed = 0;
    connect(&button, &QPushButton::clicked, [&] {
      ++pressed;
      throw std::runtime_error("ボタンが壊れました");
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    for (int press = 1; press <= 2; ++press) {
      const QList<SeenBox> boxes =
          MessageBoxesDuring([&] { QTest::mouseClick(&button, Qt::LeftButton); });
      QCOMPARE(boxes.size(), 1);
      QCOMPARE(boxes[0].title, QStringLiteral("ソラナギ？"));
      QCOMPARE(boxes[0].text, QStringLiteral("ボタンが壊れました"));
      QCOMPARE(boxes[0].icon, QMessageBox::Critical);
      QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(pressed, press);
      QVERIFY(!button.isDown());
    }
  }

  // An error from the entry's own steps is shown the same way, and the entry still gives 0.
  void errorEscapingTheEntry() {
    int exitCode = -1;
    const QList<SeenBox> boxes = MessageBoxesDuring([&] {
      exitCode = Application::instance()->RunEntry(
          [] { throw std::runtime_error("窓を作れませんでした"); });
    });
    QCOMPARE(exitCode, 0);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("ソラナギ？"));
    QCOMPARE(boxes[0].text, QStringLiteral("窓を作れませんでした"));
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
  }
};

SORANAGI_UI_TEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
