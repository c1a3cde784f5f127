// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::ui::qt {

// Whether the user chose a widget style: with -style or --style on the
// command line (which QApplication takes out of argv), or QT_STYLE_OVERRIDE.
bool UserChoseStyle(int argc, char** argv);

// Gives the application the classic look its windows are laid out for: 3D
// borders (unless `keepStyle`, when the user chose a style of their own), a
// frame whose caption sits in its top border, the menu bar inside the main
// window rather than in a desktop's global menu, and the windows' default
// font for everything, menus and message boxes included.
void ApplyClassicLook(bool keepStyle = false);

}  // namespace quorvel::ui::qt
