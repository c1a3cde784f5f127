// SPDX-License-Identifier: MIT
#include "ui/qt/app_icon.h"

#include <QPixmap>
#include <QString>

// The XPM source is C: compiling it in lets Qt decode it directly, without
// asking its image format plugins at start-up.
#include "ui/qt/icons/quorvel-32.xpm"

namespace quorvel::ui::qt {

QIcon AppIcon(qreal devicePixelRatio) {
  QIcon icon{QPixmap(quorvel_icon)};
  // The larger renderings are read from the program's resources, which
  // costs a look at the image plugins: only a scaled screen needs them.
  if (devicePixelRatio > 1.0) {
    for (int size : {48, 64, 128}) {
      icon.addFile(QStringLiteral(":/quorvel/icons/quorvel-%1.png").arg(size), QSize(size, size));
      if (size >= 32 * devicePixelRatio)
        break;
    }
  }
  return icon;
}

}  // namespace quorvel::ui::qt
