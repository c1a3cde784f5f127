// SPDX-License-Identifier: MIT
// Runs the widget tests inside a QApplication, normally on the offscreen
// platform (set by CTest), with the look the program itself uses.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/classic_look.h"

int main(int argc, char** argv) {
  // Widget tests never need a display; a developer may still ask for one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quorvel::ui::ApplyClassicLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
