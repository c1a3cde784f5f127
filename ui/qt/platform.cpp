// SPDX-License-Identifier: MIT
#include "ui/qt/platform.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

namespace quorvel::ui::qt {

bool NamesQtOption(int argc, char** argv, const char* name) {
  QByteArray option = QByteArray("-") + name;
  for (int i = 1; i < argc; ++i) {
    QByteArrayView argument(argv[i]);
    if (argument.startsWith("--"))
      argument = argument.sliced(1);
    if (argument == option || argument.startsWith(option + '='))
      return true;
  }
  return false;
}

const char* PreferredPlatform(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || NamesQtOption(argc, argv, "platform"))
    return nullptr;
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return nullptr;
  return qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb";
}

}  // namespace quorvel::ui::qt
