// SPDX-License-Identifier: MIT
// The yardstick for start-up: an empty Qt window of the same client size as
// the main window, built from the same Qt. With "--text" it also shows one
// line of text, so the cost of starting the font system is counted too.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.resize(330, 254);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    auto* label = new QLabel(QStringLiteral("Focal Length (mm)"), &window);
    label->move(10, 10);
  }
  window.show();
  return QApplication::exec();
}
