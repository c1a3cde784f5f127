// SPDX-License-Identifier: MIT
#include "ui/qt/qt_desktop.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {
void QtDesktop::ShowMessageBox(MessageKind kind, std::string_view caption, std::string_view text) {
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                  ToQString(caption), ToQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtDesktop::EndProgram() {
  // Hide rather than close: closing would run the windows' close handlers.
  for (QWidget* window : QApplication::topLevelWidgets())
    window->hide();
  QCoreApplication::exit(0);
}

}  // namespace quorvel::ui::qt
