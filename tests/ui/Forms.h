#pragma once

#include <QTest>
#include <memory>

#include "ui/Conv.h"
#include "ui/Fversioninfo.h"

// Both windows made afresh for a test, as the program's entry makes them, in the globals that the
// handlers use.
struct Forms {
  std::unique_ptr<TfrmConv> main;
  std::unique_ptr<TfrmVersionInfo> about;

  // Shows the main window; true once it is active.
  bool Open() {
    main = std::make_unique<TfrmConv>();
    about = std::make_unique<TfrmVersionInfo>();
    frmConv = main.get();
    frmVersionInfo = about.get();
    main->show();
    return QTest::qWaitForWindowActive(main.get());
  }

  void Close() {
    about.reset();
    main.reset();
  }
};
