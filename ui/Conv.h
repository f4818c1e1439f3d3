#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class TfrmConv;
}

// The main window: the user picks the cipher and the direction, types or pastes the text into the
// input box, presses 実行 and reads the result in the output box. Its menu ends the program or
// opens the About window. It keeps no state beyond what its controls show.
class TfrmConv : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmConv(QWidget* parent = nullptr);
  ~TfrmConv() override;

 private slots:
  void btnExecuteClick();
  void About1Click();
  void Exit1Click();

 private:
  std::unique_ptr<Ui::TfrmConv> ui;
};

extern TfrmConv* frmConv;
