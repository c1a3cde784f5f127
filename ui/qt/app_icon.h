// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace quorvel::ui::qt {

// The application icon: a 32 x 32, 16-colour picture of a lens, and on a
// screen scaled by `devicePixelRatio` beyond 100 % its larger renderings, so
// that the icon stays sharp there.
QIcon AppIcon(qreal devicePixelRatio);

}  // namespace quorvel::ui::qt
