// SPDX-License-Identifier: MIT
// Runs the widget tests inside a QApplication, on the offscreen platform
// unless a developer asks for a display, in the plain "C" locale whatever the
// caller's, and with the look the program itself uses.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/classic_look.h"

int main(int argc, char** argv) {
  // Widget tests never need a display; a developer may still ask for one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "C");
  QApplication application(argc, argv);
  quorvel::ui::qt::ApplyClassicLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
