// SPDX-License-Identifier: MIT
// The program's entry: it creates the main window, shows it, and runs the
// event loop. Nothing else happens at start-up.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/classic_look.h"
#include "ui/form1.h"
#include "ui/qt_desktop.h"

namespace {

// True where a window system can be reached: always on Windows, elsewhere
// when a Qt platform is named or an X11 or Wayland display is set.
bool DisplayAvailable() {
#ifdef _WIN32
  return true;
#else
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
      return true;
  }
  return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fputs(
        "Quorvel is a desktop program and needs a graphical display, but none is set\n"
        "(DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop, or on a\n"
        "machine without one run it in a virtual display:  xvfb-run build/release/quorvel\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  QApplication::setDesktopFileName(QStringLiteral("quorvel"));
  quorvel::ui::ApplyClassicLook();
  quorvel::ui::QtDesktop desktop;
  quorvel::ui::Form1 form(desktop);
  form.show();
  return QApplication::exec();
}
