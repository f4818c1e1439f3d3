#pragma once

#include <QString>
#include <QTest>

#include "ui/Application.h"

// The main of a window test program: the program's own application object with the program's
// title, then every case of the test object.
#define SORANAGI_UI_TEST_MAIN(TestObject)               \
  int main(int argc, char* argv[]) {                    \
    Application application(argc, argv);                \
    application.SetTitle(QStringLiteral("ソラナギ？")); \
    TestObject test;                                    \
    QTEST_SET_MAIN_SOURCE_PATH                          \
    return QTest::qExec(&test, argc, argv);             \
  }
