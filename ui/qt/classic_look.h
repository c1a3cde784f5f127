// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::ui::qt {

// Gives the application the classic look its windows are laid out for: 3D
// borders, a frame whose caption sits in its top border, and the menu bar
// inside the main window rather than in a desktop's global menu.
void ApplyClassicLook();

}  // namespace quorvel::ui::qt
