// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::ui::qt {

// Gives the application the classic look its windows are laid out for: 3D
// borders, a frame whose caption sits in its top border, the menu bar inside
// the main window rather than in a desktop's global menu, and the windows'
// default font for everything, menus and message boxes included.
void ApplyClassicLook();

}  // namespace quorvel::ui::qt
