// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::ui::qt {

// Runs the program in the QApplication that exists: creates the main window,
// shows it, and runs the event loop until the program ends; every window is
// deleted before it returns. Gives the exit code.
int RunProgram();

}  // namespace quorvel::ui::qt
