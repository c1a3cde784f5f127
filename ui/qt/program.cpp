// SPDX-License-Identifier: MIT
#include "ui/qt/program.h"

#include <QApplication>

#include "ui/qt/form1_window.h"
#include "ui/qt/qt_desktop.h"

namespace quorvel::ui::qt {

int RunProgram() {
  int code = 0;
  {
    QtDesktop desktop;
    Form1Window form(desktop);
    form.show();
    code = QApplication::exec();
  }
  // A window unloaded on the way out, such as an About window that Exit
  // left open, is deleted later, as it is inside the event loop; the loop
  // has ended, so later is now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return code;
}

}  // namespace quorvel::ui::qt
