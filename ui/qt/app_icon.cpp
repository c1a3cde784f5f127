// SPDX-License-Identifier: MIT
#include "ui/qt/app_icon.h"

#include <QPixmap>

// The XPM source is C: compiling it in lets Qt decode it directly, without
// asking its image format plugins at start-up.
#include "ui/qt/icons/quorvel-32.xpm"

namespace quorvel::ui::qt {

QIcon AppIcon() {
  return QIcon(QPixmap(quorvel_icon));
}

}  // namespace quorvel::ui::qt
