// SPDX-License-Identifier: MIT
#include "ui/qt/platform.h"

#include <QByteArrayView>
#include <QtGlobal>

namespace quorvel::ui::qt {

const char* PreferredPlatform(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    return nullptr;
  for (int i = 1; i < argc; ++i) {
    QByteArrayView argument(argv[i]);
    if (argument.startsWith("--"))
      argument = argument.sliced(1);
    if (argument == "-platform" || argument.startsWith("-platform="))
      return nullptr;
  }
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    return "xcb";
  return nullptr;
}

}  // namespace quorvel::ui::qt
