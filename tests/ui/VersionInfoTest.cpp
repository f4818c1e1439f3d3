// The About window: where it opens, its modality, its keys, the link and the cursor over it.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <memory>

#include "Forms.h"
#include "ModalWindows.h"
#include "TestMain.h"
#include "ui/Conv.h"
#include "ui/Fversioninfo.h"

// Catches the addresses that the program hands to the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

class VersionInfoTest : public QObject {
  Q_OBJECT

  Forms forms_;

  template <class Control>
  Control* Find(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QLabel* Label(const char* name) { return Find<QLabel>(forms_.about.get(), name); }

  // Opens the About window from the main window's menu item, as the user does.
  int Open(const std::function<void(QWidget*)>& whileOpen) {
    return WhileModal([this] { Find<QAction>(forms_.main.get(), "About1")->trigger(); }, whileOpen);
  }
  // Moves the mouse, without a button, over a place of a control, as the window system reports it.
  static void MoveTo(QWidget* control, QPoint place = {}) {
    if (place.isNull()) place = control->rect().center();
    QTest::mouseMove(control->window()->windowHandle(), control->mapTo(control->window(), place));
  }

 private slots:
  void init() { QVERIFY(forms_.Open()); }
  void cleanup() {
    forms_.Close();
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  }

  // The first showing centres the window on the main window by their outer frames, halves
  // rounded toward zero, never past the screen's left or top.
  void firstShowingCentres_data() {
    QTest::addColumn<QRect>("mainWindow");  // where its outer frame is, and its client size
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("main window at its start") << QRect(363, 250, 466, 309) << QPoint(436, 283);
    QTest::newRow("main window moved") << QRect(20, 30, 466, 309) << QPoint(93, 63);
    QTest::newRow("main window smaller") << QRect(500, 500, 200, 100) << QPoint(440, 429);
    QTest::newRow("raised to the screen's corner") << QRect(10, 10, 200, 100) << QPoint(0, 0);
  }
  void firstShowingCentres() {
    QFETCH(QRect, mainWindow);
    QFETCH(QPoint, expected);
    forms_.main->move(mainWindow.topLeft());
    forms_.main->resize(mainWindow.size());
    QPoint shownAt;
    QSize shownSize;
    QCOMPARE(Open([&](QWidget* modal) {
               shownAt = modal->frameGeometry().topLeft();
               shownSize = modal->size();
             }),
             1);
    QCOMPARE(shownAt, expected);
    QCOMPARE(shownSize, QSize(320, 243));
  }

  // Later showings keep the place of the last one, wherever the main window has gone since; it
  // is the same window with the same texts every time.
  void laterShowingsKeepTheirPlace() {
    Open([](QWidget* modal) { modal->move(50, 60); });
    forms_.main->move(200, 200);
    QWidget* again = nullptr;
    QString notice;
    Open([&](QWidget* modal) {
      again = modal;
      notice = Label("Label4")->text();
    });
    QCOMPARE(again, forms_.about.get());
    QCOMPARE(forms_.about->pos(), QPoint(50, 60));
    QCOMPARE(notice, QStringLiteral("© 2009 ソラナギの作者　（%1）").arg(SORANAGI_WEB_PAGE));
  }

  // While the window is open the main window takes no input; after OK it does again.
  void modalUntilOk() {
    QWidget* execute = Find<QPushButton>(forms_.main.get(), "btnExecute");
    const QPoint center = execute->mapTo(forms_.main.get(), execute->rect().center());
    Find<QPlainTextEdit>(forms_.main.get(), "memBefore")->setPlainText(QStringLiteral("ア"));
    auto* output = Find<QPlainTextEdit>(forms_.main.get(), "memAfter");
    bool focusOnOk = false;
    Open([&](QWidget*) {
      QTest::mouseClick(forms_.main->windowHandle(), Qt::LeftButton, {}, center);
      focusOnOk = QApplication::focusWidget() == Find<QPushButton>(forms_.about.get(), "btnOK");
      QTest::mouseClick(Find<QPushButton>(forms_.about.get(), "btnOK"), Qt::LeftButton);
    });
    QVERIFY(focusOnOk);
    QVERIFY(output->toPlainText().isEmpty());
    QVERIFY(!forms_.about->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(forms_.main->windowHandle(), Qt::LeftButton, {}, center);
    QCOMPARE(output->toPlainText(), QStringLiteral("南、"));
  }

  // Escape does nothing; Enter and Space press OK, which has the focus.
  void keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
  }
  void keys() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    bool openAfterKey = false;
    Open([&](QWidget*) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
      openAfterKey = forms_.about->isVisible();
    });
    QCOMPARE(openAfterKey, !closes);
  }

  void closeBox() {
    bool openAfterClose = true;
    Open([&](QWidget*) {
      forms_.about->windowHandle()->close();
      openAfterClose = forms_.about->isVisible();
    });
    QVERIFY(!openAfterClose);
  }

  void fonts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::newRow("name") << QStringLiteral("Label1") << 13 << true << false;
    QTest::newRow("version") << QStringLiteral("Label2") << 12 << true << false;
    QTest::newRow("link") << QStringLiteral("Label4") << 12 << false << true;
    QTest::newRow("description") << QStringLiteral("Label3") << 12 << false << false;
  }
  void fonts() {
    QFETCH(QString, control);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    const QWidget* label = forms_.about->findChild<QWidget*>(control);
    const QFontInfo font(label->font());
    QCOMPARE(font.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
  }

  // The application icon, built into the program, beside the name and on the window's frame.
  void icon() {
    QCOMPARE(Label("Image1")->pixmap().size(), QSize(32, 32));
    QVERIFY(!forms_.about->windowIcon().isNull());
  }

  // A click on the link hands the address to the desktop and leaves the window open.
  void link() {
    UrlCatcher catcher;
    const QUrl address(QStringLiteral(SORANAGI_WEB_PAGE));
    QDesktopServices::setUrlHandler(address.scheme(), &catcher, "open");
    bool stillOpen = false;
    Open([&](QWidget*) {
      QTest::mouseClick(Label("Label4"), Qt::LeftButton);
      stillOpen = forms_.about->isVisible();
    });
    QDesktopServices::unsetUrlHandler(address.scheme());
    QCOMPARE(catcher.opened, QList<QUrl>{address});
    QVERIFY(stillOpen);
  }

  // The hand over the link stays over the other controls and goes on the window's bare surface;
  // it is one setting, never stacked, and it does not outlive the window's showing.
  void cursor() {
    QStringList seen;  // the cursor after each move, by where the mouse went
    const auto note = [&](const QString& where) {
      const QCursor* cursor = QApplication::overrideCursor();
      const bool hand = cursor && cursor->shape() == Qt::PointingHandCursor;
      seen << where + (hand ? QStringLiteral(": hand") : QStringLiteral(": default"));
    };
    bool stacked = false;
    Open([&](QWidget*) {
      MoveTo(Label("Label4"));
      MoveTo(Label("Label4"), QPoint(5, 5));
      note(QStringLiteral("link"));
      for (const char* other : {"Label3", "Image1", "Label1"}) {
        MoveTo(Label(other));
        note(QString::fromLatin1(other));
      }
      // A drag over the description is still a move over a control, not over the surface.
      QWindow* window = forms_.about->windowHandle();
      const QPoint description = Label("Label3")->geometry().center();
      QTest::mousePress(window, Qt::LeftButton, {}, description);
      QTest::mouseMove(window, description + QPoint(20, 5));
      QTest::mouseRelease(window, Qt::LeftButton, {}, description + QPoint(20, 5));
      note(QStringLiteral("drag"));
      MoveTo(Find<QPushButton>(forms_.about.get(), "btnOK"));
      note(QStringLiteral("btnOK"));
      const QPoint bareSurface(10, 230);
      QVERIFY(!forms_.about->childAt(bareSurface));
      MoveTo(forms_.about.get(), bareSurface);
      note(QStringLiteral("surface"));
      stacked = QApplication::overrideCursor() != nullptr;
      MoveTo(Label("Label4"));
      note(QStringLiteral("link"));
    });
    const QStringList expected = {
        QStringLiteral("link: hand"),       QStringLiteral("Label3: hand"),
        QStringLiteral("Image1: hand"),     QStringLiteral("Label1: hand"),
        QStringLiteral("drag: hand"),       QStringLiteral("btnOK: hand"),
        QStringLiteral("surface: default"), QStringLiteral("link: hand")};
    QCOMPARE(seen, expected);
    QVERIFY(!stacked);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }
};

SORANAGI_UI_TEST_MAIN(VersionInfoTest)
#include "VersionInfoTest.moc"
