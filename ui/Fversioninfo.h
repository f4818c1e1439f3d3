#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmVersionInfo;
}

// The About window: the product's name, version and date, our notice with the link to the web
// page, and what the program does. Created hidden at start and shown modally from the Help menu;
// the first showing centres it on the main window, every later one keeps its last place.
class TfrmVersionInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmVersionInfo(QWidget* parent = nullptr);
  ~TfrmVersionInfo() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private slots:
  void btnOKClick();

 private:
  void Label4Click();
  void Label4MouseMove();
  void FormMouseMove();

  std::unique_ptr<Ui::TfrmVersionInfo> ui;
};

extern TfrmVersionInfo* frmVersionInfo;
