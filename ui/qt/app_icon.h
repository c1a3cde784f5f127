// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace quorvel::ui::qt {

// The application icon: a 32 x 32, 16-colour picture of a lens.
QIcon AppIcon();

}  // namespace quorvel::ui::qt
