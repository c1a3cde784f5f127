// SPDX-License-Identifier: MIT
#include "ui/app_icon.h"

namespace quorvel::ui {

QIcon AppIcon() {
  return QIcon(QStringLiteral(":/quorvel/quorvel-32.xpm"));
}

}  // namespace quorvel::ui
