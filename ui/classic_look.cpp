// SPDX-License-Identifier: MIT
#include "ui/classic_look.h"

#include <QApplication>
#include <QStyleFactory>

namespace quorvel::ui {

void ApplyClassicLook() {
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    QApplication::setStyle(classic);
  }
}

}  // namespace quorvel::ui
